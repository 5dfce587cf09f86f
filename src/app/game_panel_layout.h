#pragma once
// Where everything stands on the main window, in twips (15 per pixel):
// on the game panel Picture1 unless said otherwise.
#include <QRect>

#include "common/units_and_codes.h"

namespace quellan::layout {

inline constexpr int kWindowWidth = 6960;
inline constexpr int kWindowHeight = 6165;

struct TwipsRect {
    int left, top, width, height;
};

inline constexpr TwipsRect kPicture1{60, 405, 6840, 5400};
inline constexpr TwipsRect kLabel1{4680, 510, 900, 180};
inline constexpr TwipsRect kCombo1{4440, 720, 1335, 300};
inline constexpr TwipsRect kLabel2{4320, 1320, 1260, 180};
inline constexpr TwipsRect kLabel5{5580, 1320, 540, 180};
inline constexpr TwipsRect kLabel3{4320, 1680, 1080, 180};
inline constexpr TwipsRect kLabel6{5400, 1680, 540, 180};
inline constexpr TwipsRect kLabel4{4320, 2280, 1080, 180};
inline constexpr TwipsRect kLabel7{5460, 2280, 90, 180};
inline constexpr TwipsRect kXPButton1{4440, 2640, 1455, 495};
inline constexpr TwipsRect kCheck2{4680, 3600, 1200, 255};
inline constexpr TwipsRect kCheck1{4680, 3960, 1200, 255};
// The help, about and web icons in the lower right of the panel.
inline constexpr TwipsRect kImage8{4680, 4800, 240, 240};
inline constexpr TwipsRect kImage9{5280, 4800, 240, 240};
inline constexpr TwipsRect kImage10{5880, 4680, 465, 465};

// The coach in the free rows of the right column: between Label3 and
// Label4, and between the undo button and Check2; the steps to go sit in
// the frame's bottom bar (on the window, not the panel).
inline constexpr TwipsRect kFewestCaption{4320, 1950, 900, 180};
inline constexpr TwipsRect kFewestValue{5220, 1950, 900, 180};
inline constexpr TwipsRect kHintButton{4380, 3195, 720, 360};
inline constexpr TwipsRect kDemoButton{5160, 3195, 720, 360};
inline constexpr TwipsRect kReplayButton{5940, 3195, 720, 360};
inline constexpr TwipsRect kStepsToGo{300, 5880, 2400, 180};
// The workshop's 布阵 in the bottom bar, between the steps to go and the
// notice (on the window).
inline constexpr TwipsRect kWorkshopButton{3300, 5820, 780, 330};

inline QRect pixels(const TwipsRect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

}  // namespace quellan::layout
