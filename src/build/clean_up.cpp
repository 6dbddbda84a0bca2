#include "build/clean_up.h"

#include "build/build_script.h"

namespace qm::build {

bool nameIsConfined(const QString &name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

QStringList filesToDelete(const QString &buildDirectory, const QString &name,
                          const QStringList &ClassNames, int ClassCount, qint16 Class) {
    QStringList files;
    if (Class == 0) {
        for (int k = 0; k < ClassCount; ++k) {
            const QString className = ClassNames.value(k);
            if (!className.isEmpty() && nameIsConfined(className))
                files << buildDirectory + className + QStringLiteral(".class");
        }
    }
    if (nameIsConfined(name)) {
        files << buildDirectory + name + QStringLiteral(".java");
        files << buildDirectory + name + QStringLiteral(".HTML");
    }
    files << buildDirectory + javacOutputFileName();
    return files;
}

} // namespace qm::build
