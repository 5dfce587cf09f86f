// Style 3, flat framed: a dark frame with a white edge below and right, a
// grey face while pressed, and a lilac focus frame around the caption. The
// contents never move when the button goes down.
#include <algorithm>

#include "xpbutton/look_parts.h"
#include "xpbutton/looks.h"
#include "xpbutton/paint_background.h"
#include "xpbutton/paint_content.h"

namespace quellan::xp {

void paintFlatFramedLook(Canvas& canvas, const ButtonState& state) {
    const ButtonProperties& p = state.props;
    const bool on = p.value();
    const FaceColors& fc = state.colors;
    Rgb fill = fc.face;
    if (state.canBeOn()) {
        if (on) fill = fc.value;
    } else if (state.pressedLook()) {
        fill = fc.pressed;
    }
    int visualState = paintPlainBackground(canvas, state, fill);
    const Rgb dark = AdjustColor(kGrey, -26);
    Rgb caption = kGrey;

    BorderTables t;
    if (state.enabled || state.canBeOn()) {
        if (state.canBeOn()) visualState = (on || state.isPressed) ? kStatePressed : kStateHot;
        visualState = std::max(visualState, int{kStateDefault});
        setLines(t, {5, 6}, visualState == kStatePressed ? fill : kWhite);
        setLines(t, {7, 8, 9, 10}, dark);
        setLines(t, {11, 12}, kWhite);
        if (!state.enabled) caption = AdjustColor(kGrey, -16);
    } else {
        setLines(t, {1, 2, 3, 4, 5, 6, 7, 8}, fill);
        setLines(t, {9, 10, 11, 12}, dark);
    }
    paintBordersOfShape(canvas, state, t);
    PaintFocus(canvas, state, kFocusLilac, true, true);
    PaintContent(canvas, state, fill, caption, true, true);
}

}  // namespace quellan::xp
