#include "options/help_form.h"

#include "controls/named.h"
#include "controls/skin_button.h"
#include "controls/up_down.h"
#include "controls/window_geometry.h"
#include "options/field_checks.h"
#include "options/help_text.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace qm {

namespace {

using enum HelpControl;

template <typename T> T *make(T *control, HelpControl c) {
    return named(control, controlName(c));
}

QLabel *label(QWidget *parent, HelpControl c, const QString &text) {
    return make(new QLabel(text, parent), c);
}

QFrame *line(QWidget *parent, HelpControl c) {
    auto *l = make(new QFrame(parent), c);
    l->setFrameShape(QFrame::NoFrame);
    l->setMinimumSize(1, 1); // a line of no thickness still shows one pixel
    return l;
}

void buildFrame(HelpForm &f, QDialog *window) {
    f.Fra_help = make(new QGroupBox(QStringLiteral("帮助文档"), window), Fra_help);
    f.Text1 = make(new QPlainTextEdit(f.Fra_help), Text1);
    f.Text1->setReadOnly(true);
    f.Text1->setFocusPolicy(Qt::ClickFocus);
    f.Text1->setPlainText(helpText());
    f.Line2 = line(f.Fra_help, Line2);
    f.Line3 = line(f.Fra_help, Line3);
    f.Line1 = line(f.Fra_help, Line1);
}

void buildOptionRow(HelpForm &f) {
    QWidget *frame = f.Fra_help;
    f.Chk_class = make(new QCheckBox(QStringLiteral("保留Class文件"), frame), Chk_class);
    f.Lab_Height = label(frame, Lab_Height, QStringLiteral("窗体高度偏差"));
    f.Txt_Height = make(new QLineEdit(frame), Txt_Height);
    f.UD_turn = make(new UpDown(frame), UD_turn);
    f.UD_turn->setRange(kModeMin, kModeMax);
    f.UD_turn->attach(f.Txt_Height);
    f.Lab_ti = label(frame, Lab_ti, QStringLiteral("缇(twip)"));
    f.Cmd_apply = make(new SkinButton(QStringLiteral("应用"), frame), Cmd_apply);
}

void buildAppletRow(HelpForm &f, QDialog *window) {
    QWidget *frame = f.Fra_help;
    f.Lab_option = label(frame, Lab_option, QStringLiteral("编译类型"));
    // The list belongs to the window and is drawn over the frame.
    f.Com_option = make(new QComboBox(window), Com_option);
    f.Com_option->addItem(kStandardProgramText.toString());
    f.Com_option->addItem(kAppletText.toString());
    f.Com_option->setCurrentIndex(-1);
    f.Lab_apheight = label(frame, Lab_apheight, QStringLiteral("高度"));
    f.Txt_apheight = make(new QLineEdit(QString::number(kDefaultApHeight), frame), Txt_apheight);
    f.Lab_apwidth = label(frame, Lab_apwidth, QStringLiteral("宽度"));
    f.Txt_apwidth = make(new QLineEdit(QString::number(kDefaultApWidth), frame), Txt_apwidth);
}

// The empty lines between the paragraphs at half a line: the four
// paragraphs then fit a box a line and a half shorter.
void narrowEmptyLines(QTextDocument *document, const QFont &font) {
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() / 2);
    QTextCharFormat format;
    format.setFont(small);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.length() > 1)
            continue;
        QTextCursor cursor(block);
        cursor.setBlockCharFormat(format);
    }
}

// The height the text needs in `font` at the box's width.
double textHeight(const QPlainTextEdit *box, const QFont &font) {
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(box->document()->documentMargin());
    document.setPlainText(box->toPlainText());
    narrowEmptyLines(&document, font);
    document.setTextWidth(box->contentsRect().width());
    return document.size().height();
}

constexpr double kLegiblePixels = 11;

// The help text shows whole without scrolling: its font steps down from the
// dialog's as far as stays legible. Where even that is too tall (a window
// height offset does not grow the box), the box joins the Tab order so the
// keyboard can scroll it.
void fitHelpText(QPlainTextEdit *box) {
    QFont font = box->font();
    const double legible = kLegiblePixels * 72 / qMax(1, box->logicalDpiY());
    const int room = box->contentsRect().height();
    while (textHeight(box, font) > room && font.pointSizeF() - 0.25 >= legible)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    box->setFont(font);
    narrowEmptyLines(box->document(), font);
    box->setFocusPolicy(textHeight(box, font) > room ? Qt::StrongFocus : Qt::ClickFocus);
}

void setFocusOrder(const HelpForm &f) {
    QWidget::setTabOrder(f.Chk_class, f.Txt_Height);
    QWidget::setTabOrder(f.Txt_Height, f.Com_option);
    QWidget::setTabOrder(f.Com_option, f.Txt_apheight);
    QWidget::setTabOrder(f.Txt_apheight, f.Txt_apwidth);
    QWidget::setTabOrder(f.Txt_apwidth, f.Cmd_apply);
}

} // namespace

QM_DEFINE_FORM_LOOKUP(HelpForm, HelpControl, QM_HELP_CONTROLS)

HelpForm buildHelpForm(QDialog *window) {
    HelpForm f;
    buildFrame(f, window);
    buildOptionRow(f);
    buildAppletRow(f, window);
    setFocusOrder(f);
    return f;
}

void placeHelpForm(const HelpForm &form, const HelpLayout &layout) {
    placeControls(form, layout);
    fitHelpText(form.Text1);
    form.Com_option->raise();
    const int missing = form.Chk_class->sizeHint().height() - form.Chk_class->height();
    if (missing > 0)
        form.Chk_class->setGeometry(
            form.Chk_class->geometry().adjusted(0, -missing / 2, 0, missing - missing / 2));
}

} // namespace qm
