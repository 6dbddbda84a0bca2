#pragma once
// Frm_help: the modal options and help window. Built afresh at each opening;
// nothing takes effect before "应用".

#include "options/field_checks.h"
#include "settings/settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;

namespace qm {

class SkinButton;
class UpDown;

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(ProgramState &state, QWidget *owner);

private:
    void buildControls();
    void buildFrameControls();
    void buildOptionRow();
    void buildAppletRow();
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

    ProgramState &m_state;
    qint16 m_pendingOffset = 0;
    qint16 m_pendingClass = 0;
    QString m_decimalPoint;

    QGroupBox *m_frame = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QCheckBox *m_class = nullptr;
    QLineEdit *m_height = nullptr;
    UpDown *m_turn = nullptr;
    SkinButton *m_apply = nullptr;
    QComboBox *m_compType = nullptr;
    QLineEdit *m_apHeight = nullptr;
    QLineEdit *m_apWidth = nullptr;
};

} // namespace qm
