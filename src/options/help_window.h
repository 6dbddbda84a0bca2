#pragma once
// The modal options and help window. Built afresh at each opening; nothing
// takes effect before "应用".

#include "options/help_form.h"
#include "settings/settings.h"

#include <QDialog>

class QLineEdit;

namespace qm {

class Frm_help : public QDialog {
    Q_OBJECT
public:
    Frm_help(ProgramState &programState, QWidget *owner);

    const HelpForm &form() const { return helpForm; }

private:
    void connectHandlers();
    void load();

    void markEdited();
    void markClean();
    void classClicked();
    void compTypeChosen();
    void showCompType(QStringView text);
    void appletTextChanged(QLineEdit *field);
    void heightTextChanged();
    void apply();

    ProgramState &state;
    qint16 pendingMode = 0;
    qint16 pendingClass = 0;
    QString decimalPoint;
    HelpForm helpForm;
};

} // namespace qm
