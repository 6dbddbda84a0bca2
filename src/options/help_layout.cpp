#include "options/help_layout.h"

namespace qm {

HelpLayout helpLayout(int Mode) {
    constexpr double kWidthTwips = 5950;
    constexpr double kBaseHeightTwips = 3759;
    using enum HelpControl;
    HelpLayout l;
    l.window = {kWidthTwips, kBaseHeightTwips + Mode};
    l[Fra_help] = {60, 60, 5760, 3270};
    l[Text1] = {120, 240, 5505, 1995};
    l[Line2] = QRectF(QPointF(0, 2325), QPointF(5745, 2325));
    l[Line3] = QRectF(QPointF(4860, 2325), QPointF(4860, 2790));
    l[Line1] = QRectF(QPointF(0, 2790), QPointF(4860, 2790));
    l[Chk_class] = {135, 2490, 1515, 195};
    l[Lab_Height] = {1890, 2490, 1095, 195};
    l[Txt_Height] = {3150, 2445, 495, 270};
    l[UD_turn] = {3630, 2445, 240, 270};
    l[Lab_ti] = {3990, 2490, 735, 195};
    l[Cmd_apply] = {5055, 2400, 615, 345};
    l[Lab_option] = {135, 2940, 795, 195};
    l[Com_option] = {1110, 2940, 1740, 300};
    l[Lab_apheight] = {3345, 2940, 375, 195};
    l[Txt_apheight] = {3825, 2895, 540, 270};
    l[Lab_apwidth] = {4605, 2925, 375, 195};
    l[Txt_apwidth] = {5085, 2895, 540, 270};
    return l;
}

} // namespace qm
