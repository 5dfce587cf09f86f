// Style 4, the thin bevel: a single raised ring, sunken while down or on.
#include "xpbutton/look_parts.h"
#include "xpbutton/looks.h"

namespace quellan::xp {

void paintThinBevelLook(Canvas& canvas, const ButtonState& state) {
    const Rgb fill = plainFace(state);
    const int visualState = paintPlainBackground(canvas, state, fill);
    BorderTables t;
    setThinFrame(t, raisedOrSunken(state, visualState));
    paintBordersOfShape(canvas, state, t);
    finishBevelledLook(canvas, state, fill, slantedFocusColour(state, fill));
}

}  // namespace quellan::xp
