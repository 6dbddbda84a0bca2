// Qt's own texts in Chinese once the catalogues are installed: the error
// box's button, the file dialog, the editor's context menu.

#include "controls/prompter.h"
#include "startup/chinese_catalogue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

class TestChineseCatalogue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Qt's catalogue comes with the run packages (qt6-translations-l10n).
        QVERIFY(qm::installChineseCatalogues(*qApp) >= 1);
    }

    void errorBoxSaysOk() {
        QStringList buttons;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            box->close();
        });
        qm::MessageBoxPrompter().showError(nullptr, QStringLiteral("出错"), QStringLiteral("x"));
        QCOMPARE(buttons, QStringList{QStringLiteral("确定")});
    }

    void fileDialogIsChinese() {
        QFileDialog dialog(nullptr, QStringLiteral("打开"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QStringList texts;
        for (QLabel *l : dialog.findChildren<QLabel *>())
            texts << l->text();
        for (QPushButton *b : dialog.findChildren<QPushButton *>())
            texts << b->text();
        QVERIFY2(texts.contains(QStringLiteral("取消")), qPrintable(texts.join(" | ")));
        QVERIFY2(!texts.contains(QStringLiteral("Cancel")), qPrintable(texts.join(" | ")));
    }

    void editorMenuIsChinese() {
        QsciScintilla editor;
        editor.setText(QStringLiteral("x"));
        std::unique_ptr<QMenu> menu(editor.createStandardContextMenu());
        QStringList texts;
        for (QAction *a : menu->actions())
            if (!a->isSeparator())
                texts << a->text();
        QCOMPARE(texts, (QStringList{"撤销(&U)", "重做(&R)", "剪切(&T)", "复制(&C)", "粘贴(&P)",
                                     "删除", "全选"}));
    }
};

QTEST_MAIN(TestChineseCatalogue)
#include "test_chinese_catalogue.moc"
