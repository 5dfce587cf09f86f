#include "xpbutton/emboss.h"

#include <algorithm>

namespace quellan::xp {

namespace {
constexpr Rgb kSilver = 0xC0C0C0;
}  // namespace

QImage silhouetteOf(const QImage& onWhite) {
    QImage mono(onWhite.size(), QImage::Format_RGB32);
    for (int y = 0; y < onWhite.height(); ++y) {
        for (int x = 0; x < onWhite.width(); ++x) {
            const bool ground = (onWhite.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
            mono.setPixel(x, y, ground ? 0xFFFFFFFFu : 0xFF000000u);
        }
    }
    return mono;
}

void blitWithBrush(Canvas& canvas, int x, int y, const QImage& source, int cx, int cy, Rgb brush) {
    cx = std::min(cx, source.width());
    cy = std::min(cy, source.height());
    for (int j = 0; j < cy; ++j) {
        for (int i = 0; i < cx; ++i) {
            const Rgb s = fromQColor(QColor(source.pixel(i, j)));
            canvas.SetPixel(x + i, y + j,
                            ropKeepWhereSourceSet(canvas.pixel(x + i, y + j), s, brush));
        }
    }
}

void drawEmbossed(Canvas& canvas, const QImage& onWhite, int left, int top, int cx, int cy) {
    // The scratch surface is a one-bit bitmap, so every pixel the picture
    // coloured in counts as dark.
    const QImage mono = silhouetteOf(onWhite);
    blitWithBrush(canvas, left - 1, top - 1, mono, cx, cy, AdjustColor(kSilver, 36));
    blitWithBrush(canvas, left, top, mono, cx, cy, AdjustColor(kSilver, -36));
}

}  // namespace quellan::xp
