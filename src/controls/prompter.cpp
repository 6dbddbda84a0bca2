#include "controls/prompter.h"

#include <QMessageBox>
#include <QPushButton>

namespace qm {

void MessageBoxPrompter::showError(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

Answer MessageBoxPrompter::askYesNoCancel(QWidget *parent, const QString &title,
                                          const QString &text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QAbstractButton *yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
    QAbstractButton *no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
    QAbstractButton *cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(qobject_cast<QPushButton *>(yes));
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (box.clickedButton() == no)
        return Answer::No;
    return Answer::Cancel;
}

Answer MessageBoxPrompter::askYesNo(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QAbstractButton *yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
    QAbstractButton *no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(qobject_cast<QPushButton *>(no));
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

} // namespace qm
