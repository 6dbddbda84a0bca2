#include "workspace/main_layout.h"

#include <algorithm>

namespace qm {

namespace {

using enum MainControl;

constexpr double kReferenceWidth = 7420;
constexpr double kReferenceHeight = 10350;
constexpr double kReferenceScreenHeight = 13500;
constexpr double kSmallScreenWidth = 12000;
constexpr double kSmallScreenHeight = 9000;
constexpr double kSmallScreenExtraHeight = 1150;

// Assignments behave like the window system's: a negative size is refused
// and the old value stays.
void setWidth(QRectF &r, double v) {
    if (v >= 0)
        r.setWidth(v);
}
void setHeight(QRectF &r, double v) {
    if (v >= 0)
        r.setHeight(v);
}
void setWindowWidth(MainLayout &l, double v) {
    if (v >= 0)
        l.window.setWidth(v);
}
void setWindowHeight(MainLayout &l, double v) {
    if (v >= 0)
        l.window.setHeight(v);
}

void stretch(MainLayout &l, double dW, double dH) {
    setWidth(l[Pic_sky], 4155 + dW);
    setWidth(l[Txt_edit], 6975 + dW);
    setWidth(l[Fra_edit], 7215 + dW);
    setWidth(l[Txt_table], 6495 + dW);
    setWidth(l[Txt_file], 2595 + dW);
    l[Cmd_open].moveLeft(3960 + dW);
    l[Txt_backname].moveLeft(l[Cmd_open].left() - 780);
    l[Cmd_set].moveLeft(4740 + dW);
    l[Cmd_help].moveLeft(5700 + dW);
    l[Cmd_end].moveLeft(6480 + dW);
    setWidth(l[Fra_set], 7215 + dW);
    setHeight(l[Txt_edit], 7755 + dH);
    setHeight(l[Fra_edit], 8115 + dH);
    l[Fra_set].moveTop(8760 + dH);
}

// The button row of an 800 x 600 screen needs narrower buttons and a taller window.
void compactButtonRow(MainLayout &l) {
    setWindowHeight(l, l.window.height() + kSmallScreenExtraHeight);
    setWidth(l[Cmd_end], l[Cmd_end].width() - 180);
    l[Cmd_end].moveLeft(l[Cmd_end].left() + 180);
    setWidth(l[Cmd_help], l[Cmd_help].width() - 180);
    setWidth(l[Cmd_open], l[Cmd_open].width() - 180);
    l[Cmd_help].moveLeft(l[Cmd_help].left() + 490);
    l[Cmd_set].moveLeft(l[Cmd_set].left() + 630);
    l[Cmd_open].moveLeft(l[Cmd_open].left() + 950);
    l[Txt_backname].moveLeft(l[Txt_backname].left() + 990);
    setWidth(l[Txt_file], l[Txt_backname].left() - l[Txt_file].left());
}

// Where the stretched file row no longer fits its frame (a screen of fewer
// twips than 800 x 600 at 96 dpi has: a larger system font, 640 x 480, a
// netbook), the suffix would cover the 文件 label and the field lie under the
// buttons. Then the buttons take their narrow widths at the row's right end,
// as on an 800 x 600 screen, and the field and the suffix share what is left.
constexpr double kRowGap = 30;
constexpr double kNarrowButton = 435;
constexpr double kSuffixWidth = 705;

void packFileRow(MainLayout &l) {
    if (l[Txt_backname].left() >= l[Txt_file].left() + kSuffixWidth)
        return;
    double right = l[Txt_table].right();
    for (const MainControl c : {Cmd_end, Cmd_help, Cmd_set, Cmd_open}) {
        if (c != Cmd_set)
            setWidth(l[c], kNarrowButton);
        l[c].moveLeft(right - l[c].width());
        right = l[c].left() - kRowGap;
    }
    const double room = std::max(0.0, right - l[Txt_file].left());
    const double suffix = std::min(kSuffixWidth, room / 2);
    setWidth(l[Txt_backname], suffix);
    l[Txt_backname].moveLeft(right - suffix);
    setWidth(l[Txt_file], room - suffix);
}

} // namespace

MainLayout designLayout() {
    MainLayout l;
    l[Cmd_save] = {60, 120, 795, 435};
    l[Cmd_byyx] = {1020, 120, 975, 435};
    l[Cmd_about] = {2160, 120, 795, 435};
    l[Pic_sky] = {3120, 60, 4155, 555};
    l[Fra_edit] = {60, 600, 7215, 8115};
    l[Txt_edit] = {120, 240, 6975, 7755};
    l[Fra_set] = {60, 8760, 7215, 1155};
    l[Lab_table] = {120, 315, 435, 255};
    l[Txt_table] = {600, 240, 6495, 315};
    l[Lab_file] = {120, 750, 435, 255};
    l[Txt_file] = {600, 675, 2475, 315};
    l[Txt_backname] = {3060, 675, 705, 315};
    l[Cmd_open] = {3975, 660, 615, 375};
    l[Cmd_set] = {4755, 660, 795, 375};
    l[Cmd_help] = {5700, 660, 615, 375};
    l[Cmd_end] = {6480, 660, 615, 375};
    return l;
}

double fontScale(QSizeF screenTwips) {
    return std::clamp(screenTwips.height() / kReferenceScreenHeight, 0.5, 1.0);
}

MainLayout ResizeInit(QSizeF screenTwips, int Mode) {
    MainLayout l = designLayout();
    setWindowHeight(l, kReferenceHeight);
    setWindowWidth(l, kReferenceWidth);
    const double ratio = l.window.width() / l.window.height();
    const double scale = screenTwips.height() / kReferenceScreenHeight;

    const double height = l.window.height();
    const double dH = height * scale - height;
    setWindowHeight(l, height + dH);

    const double width = l.window.width();
    const double newWidth = l.window.height() * ratio;
    const double dW = newWidth - width;
    setWindowWidth(l, newWidth);

    stretch(l, dW, dH);
    // Exact on purpose: 800 x 600 pixels at 15 twips per pixel and nothing else.
    if (screenTwips.width() == kSmallScreenWidth && screenTwips.height() == kSmallScreenHeight)
        compactButtonRow(l);
    packFileRow(l);
    setWindowHeight(l, l.window.height() + Mode);
    return l;
}

} // namespace qm
