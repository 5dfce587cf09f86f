#include "xpbutton/looks.h"

#include "xpbutton/paint_background.h"
#include "xpbutton/paint_content.h"

namespace quellan::xp {

void paintLook(Canvas& canvas, const ButtonState& state) {
    switch (state.props.buttonStyle()) {
        case 2:
            paintThemeLook(canvas, state);
            break;
        default:
            paintPlainLook(canvas, state);
            break;
    }
}

void paintPlainLook(Canvas& canvas, const ButtonState& state) {
    const ButtonProperties& p = state.props;
    const bool on = p.value();
    const Rgb fill = (p.mode() > 0 && on) ? state.colors.value : state.colors.face;
    PaintBackground(canvas, state, fill, ToRGB(p.gradientColor()), state.colors.hover);
    PaintContent(canvas, state, fill, p.mode() == kModeCommand ? kNoColor : 0x808080, on,
                 p.mode() > 0);
}

}  // namespace quellan::xp
