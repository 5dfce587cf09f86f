#pragma once
// Bitmaps drawn with a key colour: the colour of the bitmap's top-left
// pixel is transparent, every other pixel is copied exactly.
#include <QImage>

#include "xpbutton/canvas.h"
#include "xpbutton/render_state.h"

namespace quellan::xp {

// The size a width x height bitmap is drawn at for a destination box of
// destWidth x destHeight: the destination size, but a destination smaller
// than the bitmap in either direction keeps the bitmap's aspect ratio (the
// smaller of the two ratios, to the nearest pixel).
[[nodiscard]] QSize drawnBitmapSize(int destWidth, int destHeight, int width, int height);

// Draws the top-left width x height pixels of bitmap into destRect of
// target, stretched to the drawn size (nearest pixel, no blending) from
// destRect's top-left corner. A destRect whose right or bottom is 0 takes
// the bitmap's own width or height.
void DrawTransparentBitmap(Canvas& target, const Box& destRect, const QImage& bitmap, int width,
                           int height);

}  // namespace quellan::xp
