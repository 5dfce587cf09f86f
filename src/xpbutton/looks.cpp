#include "xpbutton/looks.h"

namespace quellan::xp {

void paintLook(Canvas& canvas, const ButtonState& state) {
    using Painter = void (*)(Canvas&, const ButtonState&);
    static constexpr Painter kPainters[kButtonStyleCount] = {
        paintClassicLook,   paintTwoToneLook,    paintThemeLook,       paintFlatFramedLook,
        paintThinBevelLook, paintHoverFrameLook, paintDoubleBevelLook, paintBlackFrameLook,
    };
    const int style = state.props.buttonStyle();
    if (style < 0 || style >= kButtonStyleCount) return;
    kPainters[style](canvas, state);
}

}  // namespace quellan::xp
