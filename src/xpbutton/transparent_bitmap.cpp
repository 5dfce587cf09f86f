#include "xpbutton/transparent_bitmap.h"

#include <algorithm>
#include <cmath>

namespace quellan::xp {

QSize drawnBitmapSize(int destWidth, int destHeight, int width, int height) {
    if (width <= 0 || height <= 0) return {0, 0};
    if (destWidth >= width && destHeight >= height) return {destWidth, destHeight};
    const double ratio =
        std::min(static_cast<double>(destWidth) / width, static_cast<double>(destHeight) / height);
    return {static_cast<int>(std::lround(width * ratio)),
            static_cast<int>(std::lround(height * ratio))};
}

void DrawTransparentBitmap(Canvas& target, const Box& destRect, const QImage& bitmap, int width,
                           int height) {
    width = std::min(width, bitmap.width());
    height = std::min(height, bitmap.height());
    if (width <= 0 || height <= 0) return;
    const int destWidth = destRect.right == 0 ? width : destRect.right - destRect.left;
    const int destHeight = destRect.bottom == 0 ? height : destRect.bottom - destRect.top;
    const QSize drawn = drawnBitmapSize(destWidth, destHeight, width, height);
    if (drawn.isEmpty()) return;

    // The mask holds the pixels of the key colour; the others replace what
    // lies below them. Both are stretched by picking the nearest source
    // pixel, so the key stays exact at any size.
    const Rgb key = fromQColor(QColor(bitmap.pixel(0, 0)));
    const QImage source = bitmap.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        const int sy = y * height / drawn.height();
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        for (int x = 0; x < drawn.width(); ++x) {
            const Rgb colour = fromQColor(QColor(line[x * width / drawn.width()]));
            if (colour != key) target.SetPixel(destRect.left + x, destRect.top + y, colour);
        }
    }
}

}  // namespace quellan::xp
