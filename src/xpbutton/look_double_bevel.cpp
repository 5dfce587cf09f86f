// Style 6, the double bevel: two rings of light over grey, both reversed
// while the button is down or on.
#include "xpbutton/look_parts.h"
#include "xpbutton/looks.h"

namespace quellan::xp {

void paintDoubleBevelLook(Canvas& canvas, const ButtonState& state) {
    const Rgb fill = plainFace(state);
    paintPlainBackground(canvas, state, fill);
    const bool sunken = heldOrOn(state) || state.pressedLook();
    const Rgb light = AdjustColor(packRgb(223, 223, 223), 8);
    const Rgb dark = kGrey;
    BorderTables t;
    setLines(t, {5, 6, 9, 10}, sunken ? dark : light);
    setLines(t, {7, 8, 11, 12}, sunken ? light : dark);
    paintBordersOfShape(canvas, state, t);
    finishBevelledLook(canvas, state, fill, slantedFocusColour(state, fill));
}

}  // namespace quellan::xp
