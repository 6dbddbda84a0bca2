#include "about/about_layout.h"

namespace qm {

namespace {
constexpr double kFrameLeft = 160;
constexpr double kFrameTop = 1110;
constexpr double kFrameWidth = 4950;
constexpr double kFrameHeight = 1140;
constexpr double kBaseHeightTwips = 3250;
} // namespace

AboutLayout aboutLayout(int Mode) {
    using enum AboutControl;
    AboutLayout l;
    l[Image1] = {kFrameLeft, 105, kFrameWidth, 600};
    l[Lab_softname] = {kFrameLeft, 750, 3300, 330};
    l[Lab_date] = {kFrameLeft + 3300, 780, 1650, 270};
    l[Fra_inform] = {kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight};
    l[Lab_myname] = {150, 150, 700, 240};
    l[Txt_myname] = {870, 135, 2010, 270};
    l[Lab_group] = {150, 465, 700, 240};
    l[Txt_group] = {870, 450, 2010, 270};
    l[Lab_qq] = {3030, 150, 480, 240};
    l[Txt_qq] = {3510, 135, 1290, 270};
    l[Lab_email] = {150, 780, 700, 240};
    l[Txt_email] = {870, 780, 2010, 240};
    l[Lab_any] = {3030, 465, 1770, 240};
    l[Txt_homepage] = {3030, 780, 780, 240};
    l[Txt_update] = {3930, 780, 780, 240};
    l[Cmd_close1] = {kFrameLeft + kFrameWidth - 1000, kFrameTop + kFrameHeight + 90, 1000, 345};
    l.window = {l[Fra_inform].width() + 320, kBaseHeightTwips + Mode};
    return l;
}

} // namespace qm
