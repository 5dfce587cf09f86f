// Style 0, the classic three-dimensional button: a light and a grey bevel,
// a black frame around the default button, sunken while switched on.
#include "xpbutton/look_parts.h"
#include "xpbutton/looks.h"

namespace quellan::xp {

void paintClassicLook(Canvas& canvas, const ButtonState& state) {
    const Rgb fill = plainFace(state);
    int visualState = paintPlainBackground(canvas, state, fill);
    if (!state.isElliptic()) {
        const bool on = state.props.value();
        Rgb light = state.pressedLook() ? fill : kLightGrey233;
        if (heldOrOn(state)) {
            visualState = kStateHot;
            light = kLightGrey233;
        }
        BorderTables t;
        switch (visualState) {
            case kStateNormal:
                setLines(t, {5, 6}, light);
                setLines(t, {7, 8}, kGrey);
                break;
            case kStateDefault:
                setLines(t, {1, 2}, light);
                setLines(t, {3, 4}, kGrey);
                setLines(t, {5, 6}, kWhite);
                setLines(t, {7, 8}, kBlack);
                break;
            case kStatePressed:
                setLines(t, {7, 8}, kGrey);
                break;
            default:
                setLines(t, {7, 8}, light);
                break;
        }
        if (on || (state.canBeOn() && state.isPressed)) {
            setLines(t, {9, 10}, kBlack);  // sunken
            setLines(t, {11, 12}, kWhite);
        } else {
            setLines(t, {9, 10}, state.has(kShowsDefaultLook) ? kBlack : kWhite);
            setLines(t, {11, 12}, kBlack);
        }
        paintBordersOfShape(canvas, state, t);
    }
    finishBevelledLook(canvas, state, fill, slantedFocusColour(state, fill));
}

}  // namespace quellan::xp
