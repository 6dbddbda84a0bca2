#include "options/help_window.h"

#include "controls/fixed_dialog.h"
#include "controls/skin_button.h"
#include "controls/window_geometry.h"
#include "options/field_checks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace qm {

namespace {

const QColor kCleanCaption(0x80, 0x80, 0x80);
const QColor kEditedCaption(0, 0, 0);

const char *const kStyle = R"(
QDialog#Frm_help, QGroupBox#Fra_help, QCheckBox#Chk_class, QPlainTextEdit#Text1 {
    background-color: rgb(192, 255, 255);
}
QCheckBox#Chk_class {
    border: 1px solid transparent;
}
/* The dialog opens with the focus here: show it from the start, not only
   after the first Tab. */
QCheckBox#Chk_class:focus {
    border: 1px solid #1a5fb4;
}
QFrame#Line1, QFrame#Line2, QFrame#Line3 {
    background-color: rgb(255, 192, 128);
    border: none;
}
)";

} // namespace

Frm_help::Frm_help(ProgramState &programState, QWidget *owner)
    : QDialog(owner), state(programState), decimalPoint(localeDecimalPoint()) {
    makeFixedDialog(this, "Frm_help", QStringLiteral("帮助"), kStyle);
    helpForm = buildHelpForm(this);
    connectHandlers();
    load();
    helpForm.Chk_class->setFocus();
}

void Frm_help::connectHandlers() {
    const HelpForm &f = helpForm;
    connect(f.Chk_class, &QCheckBox::clicked, this, &Frm_help::classClicked);
    connect(f.Com_option, &QComboBox::activated, this, &Frm_help::compTypeChosen);
    connect(f.Txt_Height, &QLineEdit::textChanged, this, &Frm_help::heightTextChanged);
    connect(f.Txt_apheight, &QLineEdit::textChanged, this,
            [this] { appletTextChanged(helpForm.Txt_apheight); });
    connect(f.Txt_apwidth, &QLineEdit::textChanged, this,
            [this] { appletTextChanged(helpForm.Txt_apwidth); });
    connect(f.Cmd_apply, &QPushButton::clicked, this, &Frm_help::apply);
}

void Frm_help::load() {
    const HelpLayout layout = helpLayout(state.settings.Mode);
    placeHelpForm(helpForm, layout);
    sizeAndPlaceWindow(this, layout.window);
    helpForm.Chk_class->setChecked(state.settings.Class != 0);
    pendingClass = state.settings.Class;
    helpForm.Txt_Height->setText(QString::number(state.settings.Mode));
    const int entry = state.run.CompType == BuildKind::StandardProgram ? 0 : 1;
    helpForm.Com_option->setCurrentIndex(entry);
    showCompType(helpForm.Com_option->currentText());
    markClean();
}

void Frm_help::markEdited() {
    helpForm.Cmd_apply->setCaptionColor(kEditedCaption);
}

void Frm_help::markClean() {
    helpForm.Cmd_apply->setCaptionColor(kCleanCaption);
}

void Frm_help::classClicked() {
    pendingClass = helpForm.Chk_class->isChecked() ? 1 : 0;
    markEdited();
}

void Frm_help::compTypeChosen() {
    showCompType(helpForm.Com_option->currentText());
    markEdited();
}

void Frm_help::showCompType(QStringView text) {
    if (text == kStandardProgramText) {
        helpForm.Txt_apheight->setEnabled(false);
        helpForm.Txt_apwidth->setEnabled(false);
    } else if (text == kAppletText) {
        helpForm.Txt_apheight->setEnabled(true);
        helpForm.Txt_apwidth->setEnabled(true);
    }
}

void Frm_help::appletTextChanged(QLineEdit *field) {
    // Wiping changes the text again and lands here once more with "".
    if (!field->text().isEmpty() && !appletTextKeeps(field->text(), decimalPoint))
        field->clear();
    markEdited();
}

void Frm_help::heightTextChanged() {
    QLineEdit *field = helpForm.Txt_Height;
    const HeightCheck check = checkHeightText(field->text());
    if (check.kind != HeightCheck::Pending)
        pendingMode = check.pendingMode;
    if (check.kind == HeightCheck::Wiped && !field->text().isEmpty())
        field->clear();
    markEdited();
}

void Frm_help::apply() {
    OptionsForm form;
    form.heightText = helpForm.Txt_Height->text();
    form.pendingMode = pendingMode;
    form.pendingClass = pendingClass;
    form.compTypeText = helpForm.Com_option->currentText();
    form.apHeightText = helpForm.Txt_apheight->text();
    form.apWidthText = helpForm.Txt_apwidth->text();
    const OptionsForm shown = applyOptions(state, form);
    helpForm.Txt_Height->setText(shown.heightText);
    helpForm.Txt_apheight->setText(shown.apHeightText);
    helpForm.Txt_apwidth->setText(shown.apWidthText);
    markClean();
}

} // namespace qm
