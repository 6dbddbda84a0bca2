#include "startup/chinese_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace qm {

namespace {

constexpr char kChinese[] = "zh_CN";

// Debian ships no Chinese catalogue for QScintilla; its context menu has
// only these texts.
class EditorMenuTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override {
        static const QHash<QByteArray, QString> texts{
            {"&Undo", QStringLiteral("撤销(&U)")},  {"&Redo", QStringLiteral("重做(&R)")},
            {"Cu&t", QStringLiteral("剪切(&T)")},   {"&Copy", QStringLiteral("复制(&C)")},
            {"&Paste", QStringLiteral("粘贴(&P)")}, {"Delete", QStringLiteral("删除")},
            {"Select All", QStringLiteral("全选")},
        };
        if (qstrcmp(context, "QsciScintilla") != 0)
            return QString();
        return texts.value(QByteArray(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// Qt's own folder first, then a "translations" folder beside the program,
// where a Windows build carries them.
QStringList catalogueFolders() {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
}

bool load(QCoreApplication &app, const QString &name) {
    auto *translator = new QTranslator(&app);
    for (const QString &folder : catalogueFolders()) {
        if (translator->load(name + u'_' + QLatin1String(kChinese), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace

int installChineseCatalogues(QCoreApplication &app) {
    int loaded = 0;
    if (load(app, QStringLiteral("qtbase")))
        ++loaded;
    if (load(app, QStringLiteral("qscintilla")))
        ++loaded;
    else
        QCoreApplication::installTranslator(new EditorMenuTexts(&app));
    return loaded;
}

} // namespace qm
