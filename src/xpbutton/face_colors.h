#pragma once
// The cached face colours of a look, from the resolved back and hover colours.
#include "xpbutton/render_state.h"

namespace quellan::xp {

// face and hover are RGB values (already resolved through ToRGB).
[[nodiscard]] FaceColors computeFaceColors(int buttonStyle, Rgb face, Rgb hover);

}  // namespace quellan::xp
