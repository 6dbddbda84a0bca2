#include "options/help_window.h"

#include "options/help_text.h"
#include "startup/named.h"
#include "startup/skin_button.h"
#include "startup/up_down.h"
#include "startup/window_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace qm {

namespace {

const QColor kCleanCaption(0x80, 0x80, 0x80);
const QColor kEditedCaption(0, 0, 0);

constexpr double kWidthTwips = 5950;
constexpr double kBaseHeightTwips = 3759;

const char *const kStyle = R"(
QDialog#Frm_help, QGroupBox#Fra_help, QCheckBox#Chk_class, QPlainTextEdit#Text1 {
    background-color: rgb(192, 255, 255);
}
QFrame#Line1, QFrame#Line2, QFrame#Line3 {
    background-color: rgb(255, 192, 128);
    border: none;
}
)";

void place(QWidget *control, double left, double top, double width, double height) {
    placeTwips(control, QRectF(left, top, width, height));
}

// Some styles draw a check box's indicator taller than its row: grow the box
// about the row's middle rather than clip the indicator.
void placeUnclipped(QWidget *control, const QRectF &twips) {
    placeTwips(control, twips);
    const int missing = control->sizeHint().height() - control->height();
    if (missing > 0)
        control->setGeometry(
            control->geometry().adjusted(0, -missing / 2, 0, missing - missing / 2));
}

QLabel *label(QWidget *parent, const char *name, const QString &text, QRectF twips) {
    auto *l = named(new QLabel(text, parent), name);
    placeTwips(l, twips);
    return l;
}

// A one-pixel line between two twips points of the same row or column.
void line(QWidget *parent, const char *name, QPointF from, QPointF to) {
    auto *l = named(new QFrame(parent), name);
    l->setFrameShape(QFrame::NoFrame);
    const double pixel = widgetTwipsPerPixel(parent);
    QRectF r = QRectF(from, to).normalized();
    if (r.height() < pixel)
        r.setHeight(pixel);
    if (r.width() < pixel)
        r.setWidth(pixel);
    placeTwips(l, r);
}

} // namespace

HelpWindow::HelpWindow(ProgramState &state, QWidget *owner)
    : QDialog(owner), m_state(state), m_decimalPoint(localeDecimalPoint()) {
    setObjectName(QStringLiteral("Frm_help"));
    setWindowTitle(QStringLiteral("帮助"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setStyleSheet(QLatin1String(kStyle));
    buildControls();
    connectHandlers();
    load();
}

void HelpWindow::buildControls() {
    m_frame = named(new QGroupBox(QStringLiteral("帮助文档"), this), "Fra_help");
    place(m_frame, 60, 60, 5760, 3270);
    buildFrameControls();
    buildOptionRow();
    buildAppletRow();
    setTabOrder(m_class, m_height);
    setTabOrder(m_height, m_compType);
    setTabOrder(m_compType, m_apHeight);
    setTabOrder(m_apHeight, m_apWidth);
    setTabOrder(m_apWidth, m_apply);
    m_class->setFocus();
}

void HelpWindow::buildFrameControls() {
    m_text = named(new QPlainTextEdit(m_frame), "Text1");
    m_text->setReadOnly(true);
    m_text->setFocusPolicy(Qt::ClickFocus);
    m_text->setPlainText(helpText());
    place(m_text, 120, 240, 5505, 1995);
    line(m_frame, "Line2", {0, 2325}, {5745, 2325});
    line(m_frame, "Line3", {4860, 2790}, {4860, 2325});
    line(m_frame, "Line1", {0, 2790}, {4860, 2790});
}

void HelpWindow::buildOptionRow() {
    m_class = named(new QCheckBox(QStringLiteral("保留Class文件"), m_frame), "Chk_class");
    placeUnclipped(m_class, {135, 2490, 1515, 195});
    label(m_frame, "Lab_Height", QStringLiteral("窗体高度偏差"), {1890, 2490, 1095, 195});
    m_height = named(new QLineEdit(m_frame), "Txt_Height");
    place(m_height, 3150, 2445, 495, 270);
    m_turn = named(new UpDown(m_frame), "UD_turn");
    m_turn->setRange(kModeMin, kModeMax);
    m_turn->attach(m_height);
    place(m_turn, 3630, 2445, 240, 270);
    label(m_frame, "Lab_ti", QStringLiteral("缇(twip)"), {3990, 2490, 735, 195});
    m_apply = named(new SkinButton(QStringLiteral("应用"), m_frame), "Cmd_apply");
    place(m_apply, 5055, 2400, 615, 345);
}

void HelpWindow::buildAppletRow() {
    label(m_frame, "Lab_option", QStringLiteral("编译类型"), {135, 2940, 795, 195});
    // The list belongs to the window and is drawn over the frame.
    m_compType = named(new QComboBox(this), "Com_option");
    m_compType->addItem(kStandardProgram.toString());
    m_compType->addItem(kApplet.toString());
    m_compType->setCurrentIndex(-1);
    place(m_compType, 1110, 2940, 1740, 300);
    m_compType->raise();
    label(m_frame, "Lab_apheight", QStringLiteral("高度"), {3345, 2940, 375, 195});
    m_apHeight = named(new QLineEdit(QStringLiteral("200"), m_frame), "Txt_apheight");
    place(m_apHeight, 3825, 2895, 540, 270);
    label(m_frame, "Lab_apwidth", QStringLiteral("宽度"), {4605, 2925, 375, 195});
    m_apWidth = named(new QLineEdit(QStringLiteral("400"), m_frame), "Txt_apwidth");
    place(m_apWidth, 5085, 2895, 540, 270);
}

void HelpWindow::connectHandlers() {
    connect(m_class, &QCheckBox::clicked, this, &HelpWindow::classClicked);
    connect(m_compType, &QComboBox::activated, this, &HelpWindow::compTypeChosen);
    connect(m_height, &QLineEdit::textChanged, this, &HelpWindow::heightTextChanged);
    connect(m_apHeight, &QLineEdit::textChanged, this, [this] { appletTextChanged(m_apHeight); });
    connect(m_apWidth, &QLineEdit::textChanged, this, [this] { appletTextChanged(m_apWidth); });
    connect(m_apply, &QPushButton::clicked, this, &HelpWindow::apply);
}

void HelpWindow::load() {
    sizeAndPlaceWindow(this, QSizeF(kWidthTwips, kBaseHeightTwips + m_state.settings.Mode));
    m_class->setChecked(m_state.settings.Class != 0);
    m_pendingClass = m_state.settings.Class;
    m_height->setText(QString::number(m_state.settings.Mode));
    if (m_state.run.CompType == 0) {
        m_compType->setCurrentIndex(0);
        showCompType(m_compType->currentText());
    } else if (m_state.run.CompType == 1) {
        m_compType->setCurrentIndex(1);
        showCompType(m_compType->currentText());
    }
    markClean();
}

void HelpWindow::markEdited() {
    m_apply->setCaptionColor(kEditedCaption);
}

void HelpWindow::markClean() {
    m_apply->setCaptionColor(kCleanCaption);
}

void HelpWindow::classClicked() {
    m_pendingClass = m_class->isChecked() ? 1 : 0;
    markEdited();
}

void HelpWindow::compTypeChosen() {
    showCompType(m_compType->currentText());
    markEdited();
}

void HelpWindow::showCompType(QStringView text) {
    if (text == kStandardProgram) {
        m_apHeight->setEnabled(false);
        m_apWidth->setEnabled(false);
    } else if (text == kApplet) {
        m_apHeight->setEnabled(true);
        m_apWidth->setEnabled(true);
    }
}

void HelpWindow::appletTextChanged(QLineEdit *field) {
    // Wiping changes the text again and lands here once more with "".
    if (!field->text().isEmpty() && !appletTextKeeps(field->text(), m_decimalPoint))
        field->clear();
    markEdited();
}

void HelpWindow::heightTextChanged() {
    const HeightCheck check = checkHeightText(m_height->text());
    if (check.kind != HeightCheck::Pending)
        m_pendingOffset = check.offset;
    if (check.kind == HeightCheck::Wiped && !m_height->text().isEmpty())
        m_height->clear();
    markEdited();
}

void HelpWindow::apply() {
    OptionsForm form;
    form.heightText = m_height->text();
    form.pendingOffset = m_pendingOffset;
    form.pendingClass = m_pendingClass;
    form.compTypeText = m_compType->currentText();
    form.apHeightText = m_apHeight->text();
    form.apWidthText = m_apWidth->text();
    const OptionsForm shown = applyOptions(m_state, form);
    m_height->setText(shown.heightText);
    m_apHeight->setText(shown.apHeightText);
    m_apWidth->setText(shown.apWidthText);
    markClean();
}

} // namespace qm
