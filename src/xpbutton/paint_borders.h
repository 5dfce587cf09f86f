#pragma once
// The line machinery every rectangular or slanted look shares: three rings
// of four lines (inner, middle, outer) and the focus indicator.
#include <QPoint>
#include <array>

#include "xpbutton/canvas.h"
#include "xpbutton/render_state.h"

namespace quellan::xp {

// Line indices of borderColors: 1..4 inner left, top, right, bottom; 5..8
// the middle ring; 9..12 the outer ring. kNoColor leaves a line out.
struct BorderTables {
    std::array<QPoint, 16> points{};
    std::array<Rgb, 13> colors{};  // index 0 unused

    BorderTables() { colors.fill(kNoColor); }
};

// The sixteen corner points of the rings for the widget's size and shape.
[[nodiscard]] std::array<QPoint, 16> borderPoints(const ButtonState& state);

// Draws the twelve lines (each without its end pixel) and finally retraces
// the bottom outer line from point 14 to point 15.
void PaintBorders(Canvas& canvas, const BorderTables& tables,
                  PenStyle outerStyle = PenStyle::Solid);

// The focus indicator; drawn only while the widget shows as the default button.
void PaintFocus(Canvas& canvas, const ButtonState& state, Rgb colour, bool solid,
                bool aroundContent);

}  // namespace quellan::xp
