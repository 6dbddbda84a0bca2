#include "build/clean_up.h"

namespace qm::build {

bool nameIsConfined(const QString &name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

QStringList filesToDelete(const QString &buildDirectory, const QString &name,
                          const QStringList &classNames, int classCount, qint16 keepClasses) {
    QStringList files;
    if (keepClasses == 0) {
        for (int k = 0; k < classCount; ++k) {
            const QString className = classNames.value(k);
            if (!className.isEmpty() && nameIsConfined(className))
                files << buildDirectory + className + QStringLiteral(".class");
        }
    }
    if (nameIsConfined(name)) {
        files << buildDirectory + name + QStringLiteral(".java");
        files << buildDirectory + name + QStringLiteral(".HTML");
    }
    return files;
}

} // namespace qm::build
