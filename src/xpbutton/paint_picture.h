#pragma once
// The picture of a button: its metrics, and drawing it at its stored size
// (16, 24, 32 in its box; 40 stretched over the widget; 48 fitted inside a
// 6-pixel margin with its aspect ratio kept), embossed when disabled.
#include <QPixmap>

#include "xpbutton/canvas.h"
#include "xpbutton/content_layout.h"

namespace quellan::xp {

// RefreshResources("Picture"): the native size of the picture (0 x 0
// without one) and whether it draws as an icon. Pictures with their own
// transparency are icons; the others are bitmaps, whose top-left colour is
// transparent.
struct PictureMetrics {
    int width = 0;
    int height = 0;
    bool isIcon = false;
};
[[nodiscard]] PictureMetrics pictureMetrics(const QPixmap& picture);

// Where and how large the picture is drawn for the (possibly press-shifted)
// picture box rect: x, y and the target size cx x cy.
[[nodiscard]] QRect pictureTarget(const ButtonState& state, const Box& rect,
                                  const UsableSpan& span);

// Draws the picture for the (possibly press-shifted) picture box.
void PaintPicture(Canvas& canvas, const ButtonState& state, const Box& rect,
                  const UsableSpan& span);

}  // namespace quellan::xp
