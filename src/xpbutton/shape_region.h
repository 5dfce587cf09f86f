#pragma once
// The outline of a widget: the window region (which also limits where the
// widget receives the mouse), the two measures of slanted edges and the
// inner clip of elliptic shapes.
#include <QRegion>

namespace quellan::xp {

struct ShapeRegion {
    QRegion region;
    int shapeLeftInset = 0;   // x of the bottom-left corner (slanted left edge)
    int shapeRightEdge = 0;   // x of the top-right corner (slanted right edge)
    QRegion innerClipRegion;  // elliptic shapes only, empty otherwise
};

// The width a slanted widget needs so that its straight top or bottom edge
// keeps at least 5 pixels; other shapes keep their width.
[[nodiscard]] int widenedWidth(int width, int height, int shape);

// The window region of the elliptic shapes: the ellipse in (0, 0, W + 1, H + 1).
[[nodiscard]] QRegion ellipticRegion(int width, int height);

// The region of a width x height widget of the given shape, with the corner
// trimming of its look (styles 1, 2, 3 and 7 trim corners).
[[nodiscard]] ShapeRegion BuildShapeRegion(int width, int height, int shape, int buttonStyle,
                                           bool enabled);

}  // namespace quellan::xp
