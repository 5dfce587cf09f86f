// Style 1, the two-tone bevel: white over grey inside a black frame, the
// two swapped while the button is down or on.
#include <utility>

#include "xpbutton/look_parts.h"
#include "xpbutton/looks.h"

namespace quellan::xp {

void paintTwoToneLook(Canvas& canvas, const ButtonState& state) {
    const Rgb fill = plainFace(state);
    const int visualState = raisedOrSunken(state, paintPlainBackground(canvas, state, fill));
    Rgb light = kWhite;
    Rgb dark = kGrey;
    if (visualState == kStatePressed) std::swap(light, dark);
    BorderTables t;
    setLines(t, {1, 2, 5, 6}, light);
    setLines(t, {3, 4, 7, 8}, dark);
    setLines(t, {9, 10, 11, 12}, kBlack);
    paintBordersOfShape(canvas, state, t);
    finishBevelledLook(canvas, state, fill, slantedFocusColour(state, fill));
}

}  // namespace quellan::xp
