#pragma once
// The face of every look: solid, the theme look's top-to-bottom shading, or
// band gradients along the GradientMode direction.
#include <vector>

#include "xpbutton/canvas.h"
#include "xpbutton/render_state.h"

namespace quellan::xp {

// Paints the face and returns the starting visual state: 2 for the pressed
// look, else 1 when the widget shows as the default button, else 0.
// gradientEnd and hoverFill may be kNoColor (they then fall back to fill).
int PaintBackground(Canvas& canvas, const ButtonState& state, Rgb fill, Rgb gradientEnd,
                    Rgb hoverFill);

// Band gradient from `from` to `to` over the whole widget.
void PaintGradient(Canvas& canvas, const ButtonState& state, Rgb from, Rgb to);

// count colours running evenly from `from` (exactly) towards `to`.
[[nodiscard]] std::vector<Rgb> BuildGradientTable(int count, Rgb from, Rgb to);

// The shading offset of face row i of a widget h pixels high: -25*i/h to
// the nearest integer, halves to the even neighbour.
[[nodiscard]] int shadingOffset(int row, int height);

}  // namespace quellan::xp
