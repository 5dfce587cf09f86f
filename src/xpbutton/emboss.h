#pragma once
// The disabled look of a picture: its dark parts embossed into the face as
// a light shape one pixel up-left under a grey shape.
#include <QImage>

#include "xpbutton/canvas.h"

namespace quellan::xp {

// The raster operation 0xB8074A ("PSDPxax") on one pixel: every bit of the
// destination where the source bit is set, the brush's bit where it is
// clear. A white source keeps the destination, a black one paints the brush.
[[nodiscard]] constexpr Rgb ropKeepWhereSourceSet(Rgb destination, Rgb source, Rgb brush) {
    return (((destination ^ brush) & source) ^ brush) & 0xFFFFFFu;
}

// The silhouette of a picture drawn on white, as a one-bit surface holds
// it: white where the picture left the white ground, black everywhere else.
[[nodiscard]] QImage silhouetteOf(const QImage& onWhite);

// Blends cx x cy pixels of source into the canvas at (x, y) with the raster
// operation above and the given brush.
void blitWithBrush(Canvas& canvas, int x, int y, const QImage& source, int cx, int cy, Rgb brush);

// The two passes of the embossed silhouette of a picture drawn on white: a
// light brush at (left - 1, top - 1), then a grey brush at (left, top).
void drawEmbossed(Canvas& canvas, const QImage& onWhite, int left, int top, int cx, int cy);

}  // namespace quellan::xp
