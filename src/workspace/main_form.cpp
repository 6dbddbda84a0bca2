#include "workspace/main_form.h"

#include "controls/named.h"
#include "controls/skin_button.h"
#include "resources/resources.h"
#include "workspace/editor_setup.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <Qsci/qscilexerjava.h>
#include <Qsci/qsciscintilla.h>

namespace qm {

namespace {

const QColor kLightGreen(192, 255, 192);
const QColor kBlue(0, 0, 255);

// Stand-in for the fixed-pitch system font at 12 pt.
QFont fixedFont(double scale = 1) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(12 * scale);
    return font;
}

// The editor's text at the layout's design size: 9 pt, 12 pixels at 96 dpi,
// in a face whose cells are 7 to 8 pixels wide there, so the editor's fixed
// width holds a whole line of a textbook program beside the margins. It
// shrinks with the layout as the fields do, but never below what stays
// legible.
constexpr double kEditorPoints = 9;
constexpr double kLegibleEditorPixels = 11;

QFont editorFont(double scale, double dpi) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // The system's monospace may be a CJK face with wide Latin cells; its
    // Chinese still stands in for the characters the first face lacks.
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), font.family()});
    font.setStyleHint(QFont::Monospace);
    const double legible = kLegibleEditorPixels * 72 / (dpi > 0 ? dpi : 96);
    font.setPointSizeF(qMax(kEditorPoints * scale, legible));
    return font;
}

QFont labelFont() {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(9);
    font.setBold(true);
    return font;
}

// One palette colour for every state of the widget.
void setPaletteColor(QWidget *widget, QPalette::ColorRole role, const QColor &color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void paintBackground(QWidget *widget, const QColor &color) {
    setPaletteColor(widget, QPalette::Window, color);
    widget->setAutoFillBackground(true);
}

SkinButton *button(QWidget *parent, MainControl c, const QString &caption, const QColor &color) {
    auto *b = named(new SkinButton(caption, parent), controlName(c));
    b->setCaptionColor(color);
    return b;
}

QLabel *label(QWidget *parent, MainControl c, const QString &text) {
    auto *l = named(new QLabel(text, parent), controlName(c));
    l->setFont(labelFont());
    setPaletteColor(l, QPalette::WindowText, Qt::red);
    return l;
}

QLineEdit *field(QWidget *parent, MainControl c, const QString &text) {
    auto *f = named(new QLineEdit(text, parent), controlName(c));
    f->setFont(fixedFont());
    setPaletteColor(f, QPalette::Text, kBlue); // also when disabled, as the suffix field is
    return f;
}

QGroupBox *frame(QWidget *parent, MainControl c, const QString &caption) {
    auto *f = named(new QGroupBox(caption, parent), controlName(c));
    paintBackground(f, kLightGreen);
    return f;
}

QsciScintilla *editor(QWidget *parent) {
    auto *e = named(new QsciScintilla(parent), controlName(MainControl::Txt_edit));
    e->setUtf8(true);
    e->setLexer(new QsciLexerJava(e));
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    e->setWrapMode(QsciScintilla::WrapNone);
    setUpEditing(e);
    setEditorFont(e, editorFont(1, e->logicalDpiY()));
    return e;
}

void buildSettingsRow(MainForm &f) {
    QWidget *row = f.Fra_set;
    f.Lab_table = label(row, MainControl::Lab_table, QStringLiteral("目录"));
    f.Txt_table = field(row, MainControl::Txt_table, QString());
    f.Lab_file = label(row, MainControl::Lab_file, QStringLiteral("文件"));
    f.Txt_file = field(row, MainControl::Txt_file, QStringLiteral("Class_Name"));
    setPaletteColor(f.Txt_file, QPalette::Base, QColor(224, 224, 224));
    f.Txt_file->setToolTip(f.Txt_file->text());
    f.Txt_backname = field(row, MainControl::Txt_backname, QStringLiteral(".java"));
    f.Txt_backname->setReadOnly(true);
    f.Txt_backname->setEnabled(false);
    f.Cmd_open = button(row, MainControl::Cmd_open, QStringLiteral("打开"), QColor(0, 0, 192));
    f.Cmd_set = button(row, MainControl::Cmd_set, QStringLiteral("保存设置"), QColor(255, 128, 0));
    f.Cmd_set->setEnabled(false);
    f.Cmd_help = button(row, MainControl::Cmd_help, QStringLiteral("帮助"), Qt::magenta);
    f.Cmd_end = button(row, MainControl::Cmd_end, QStringLiteral("退出"), Qt::red);
}

void setFocusOrder(const MainForm &f) {
    const QList<QWidget *> order = {f.Txt_edit, f.Cmd_save, f.Cmd_byyx, f.Cmd_about, f.Txt_table,
                                    f.Cmd_open, f.Cmd_set,  f.Cmd_help, f.Cmd_end,   f.Txt_file};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

void fitFontsToLayout(const MainForm &f, double scale) {
    for (QLineEdit *field : {f.Txt_table, f.Txt_file, f.Txt_backname})
        field->setFont(fixedFont(scale));
    setEditorFont(f.Txt_edit, editorFont(scale, f.Txt_edit->logicalDpiY()));
}

QM_DEFINE_FORM_LOOKUP(MainForm, MainControl, QM_MAIN_CONTROLS)

MainForm buildMainForm(QWidget *window) {
    initResources();
    paintBackground(window, kLightGreen);
    MainForm f;
    f.Cmd_save = button(window, MainControl::Cmd_save, QStringLiteral("保存"), Qt::red);
    f.Cmd_byyx = button(window, MainControl::Cmd_byyx, QStringLiteral("编译+运行"), kBlue);
    f.Cmd_about =
        button(window, MainControl::Cmd_about, QStringLiteral("关于"), QColor(192, 64, 0));
    f.Pic_sky = named(new QLabel(window), controlName(MainControl::Pic_sky));
    f.Pic_sky->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f.Fra_edit = frame(window, MainControl::Fra_edit, QStringLiteral("编辑区"));
    f.Txt_edit = editor(f.Fra_edit);
    f.Fra_set = frame(window, MainControl::Fra_set, QStringLiteral("设置区"));
    buildSettingsRow(f);
    f.Tim_color = named(new QTimer(window), "Tim_color");
    f.Tim_color->setSingleShot(true);
    f.Tim_color->setInterval(150);
    setFocusOrder(f);
    return f;
}

} // namespace qm
