#include "workspace/layout.h"

namespace qm {

namespace {

constexpr double kReferenceWidth = 7420;
constexpr double kReferenceHeight = 10350;
constexpr double kReferenceScreenHeight = 13500;
constexpr double kSmallScreenWidth = 12000;
constexpr double kSmallScreenHeight = 9000;
constexpr double kSmallScreenExtraHeight = 1150;

QMap<QString, QRectF> designGeometry() {
    return {
        {QStringLiteral("Cmd_save"), {60, 120, 795, 435}},
        {QStringLiteral("Cmd_byyx"), {1020, 120, 975, 435}},
        {QStringLiteral("Cmd_about"), {2160, 120, 795, 435}},
        {QStringLiteral("Pic_sky"), {3120, 60, 4155, 555}},
        {QStringLiteral("Fra_edit"), {60, 600, 7215, 8115}},
        {QStringLiteral("Txt_edit"), {120, 240, 6975, 7755}},
        {QStringLiteral("Fra_set"), {60, 8760, 7215, 1155}},
        {QStringLiteral("Lab_table"), {120, 315, 435, 255}},
        {QStringLiteral("Txt_table"), {600, 240, 6495, 315}},
        {QStringLiteral("Lab_file"), {120, 750, 435, 255}},
        {QStringLiteral("Txt_file"), {600, 675, 2475, 315}},
        {QStringLiteral("Txt_backname"), {3060, 675, 705, 315}},
        {QStringLiteral("Cmd_open"), {3975, 660, 615, 375}},
        {QStringLiteral("Cmd_set"), {4755, 660, 795, 375}},
        {QStringLiteral("Cmd_help"), {5700, 660, 615, 375}},
        {QStringLiteral("Cmd_end"), {6480, 660, 615, 375}},
    };
}

// Assignments behave like the window system's: a negative size is refused
// and the old value stays.
class Arrangement {
public:
    MainLayout layout{{}, designGeometry()};

    double width(const char *name) const { return layout.controls[QLatin1String(name)].width(); }
    double left(const char *name) const { return layout.controls[QLatin1String(name)].left(); }

    void setWidth(const char *name, double v) {
        if (v >= 0)
            layout.controls[QLatin1String(name)].setWidth(v);
    }
    void setHeight(const char *name, double v) {
        if (v >= 0)
            layout.controls[QLatin1String(name)].setHeight(v);
    }
    void setLeft(const char *name, double v) { layout.controls[QLatin1String(name)].moveLeft(v); }
    void setTop(const char *name, double v) { layout.controls[QLatin1String(name)].moveTop(v); }
    void setWindowWidth(double v) {
        if (v >= 0)
            layout.window.setWidth(v);
    }
    void setWindowHeight(double v) {
        if (v >= 0)
            layout.window.setHeight(v);
    }
};

void stretch(Arrangement &a, double dW, double dH) {
    a.setWidth("Pic_sky", 4155 + dW);
    a.setWidth("Txt_edit", 6975 + dW);
    a.setWidth("Fra_edit", 7215 + dW);
    a.setWidth("Txt_table", 6495 + dW);
    a.setWidth("Txt_file", 2595 + dW);
    a.setLeft("Cmd_open", 3960 + dW);
    a.setLeft("Txt_backname", a.left("Cmd_open") - 780);
    a.setLeft("Cmd_set", 4740 + dW);
    a.setLeft("Cmd_help", 5700 + dW);
    a.setLeft("Cmd_end", 6480 + dW);
    a.setWidth("Fra_set", 7215 + dW);
    a.setHeight("Txt_edit", 7755 + dH);
    a.setHeight("Fra_edit", 8115 + dH);
    a.setTop("Fra_set", 8760 + dH);
}

// The button row of an 800 x 600 screen needs narrower buttons and a taller window.
void compactButtonRow(Arrangement &a) {
    a.setWindowHeight(a.layout.window.height() + kSmallScreenExtraHeight);
    a.setWidth("Cmd_end", a.width("Cmd_end") - 180);
    a.setLeft("Cmd_end", a.left("Cmd_end") + 180);
    a.setWidth("Cmd_help", a.width("Cmd_help") - 180);
    a.setWidth("Cmd_open", a.width("Cmd_open") - 180);
    a.setLeft("Cmd_help", a.left("Cmd_help") + 490);
    a.setLeft("Cmd_set", a.left("Cmd_set") + 630);
    a.setLeft("Cmd_open", a.left("Cmd_open") + 950);
    a.setLeft("Txt_backname", a.left("Txt_backname") + 990);
    a.setWidth("Txt_file", a.left("Txt_backname") - a.left("Txt_file"));
}

} // namespace

MainLayout ResizeInit(QSizeF screenTwips, int mode) {
    Arrangement a;
    a.setWindowHeight(kReferenceHeight);
    a.setWindowWidth(kReferenceWidth);
    const double ratio = a.layout.window.width() / a.layout.window.height();
    const double scale = screenTwips.height() / kReferenceScreenHeight;

    const double height = a.layout.window.height();
    const double dH = height * scale - height;
    a.setWindowHeight(height + dH);

    const double width = a.layout.window.width();
    const double newWidth = a.layout.window.height() * ratio;
    const double dW = newWidth - width;
    a.setWindowWidth(newWidth);

    stretch(a, dW, dH);
    // Exact on purpose: 800 x 600 pixels at 15 twips per pixel and nothing else.
    if (screenTwips.width() == kSmallScreenWidth && screenTwips.height() == kSmallScreenHeight)
        compactButtonRow(a);
    a.setWindowHeight(a.layout.window.height() + mode);
    return a.layout;
}

} // namespace qm
