#include "xpbutton/paint_picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "xpbutton/emboss.h"
#include "xpbutton/transparent_bitmap.h"

namespace quellan::xp {

PictureMetrics pictureMetrics(const QPixmap& picture) {
    if (picture.isNull()) return {};
    // A picture made for scaled displays reports the size it stands for.
    const QSize size = picture.deviceIndependentSize().toSize();
    return {size.width(), size.height(), picture.hasAlphaChannel()};
}

QRect pictureTarget(const ButtonState& state, const Box& rect, const UsableSpan& span) {
    const int pw = state.pictureWidth;
    const int ph = state.pictureHeight;
    // The content was press-shifted when its box left its stored place.
    const int s = rect.left != state.pictureRect.left ? 1 : 0;
    const int W = state.width;
    const int H = state.height;
    switch (state.props.storedPictureSize()) {
        case kPictureSizeStretch:
            return {s, s, W + s, H + s};
        case kPictureSizeFit: {
            if (pw <= 0 || ph <= 0) return {};
            const int margin = 2 * kContentMargin;
            const double k = std::min(static_cast<double>(span.usableWidth - margin) / pw,
                                      static_cast<double>(H - margin) / ph);
            const int cx = static_cast<int>(std::lround(k * pw));
            const int cy = static_cast<int>(std::lround(k * ph));
            return {(span.usableWidth - cx) / 2 + span.leftOffset + s, (H - cy) / 2 + s, cx, cy};
        }
        default: {
            const int size = state.props.storedPictureSize();
            return {rect.left, rect.top, size, size};
        }
    }
}

void PaintPicture(Canvas& canvas, const ButtonState& state, const Box& rect,
                  const UsableSpan& span) {
    if (state.pictureWidth + state.pictureHeight == 0) return;
    const QRect target = pictureTarget(state, rect, span);
    const int cx = target.width();
    const int cy = target.height();
    if (cx <= 0 || cy <= 0) return;

    // The scaled copy: bitmaps are stretched without blending so that their
    // key colour stays exact; icons are resampled smoothly, straight to the
    // pixels the surface has for them on a scaled display.
    const QSize size = state.pictureIsIcon && state.enabled
                           ? canvas.imageRect(QRect(target.x(), target.y(), cx, cy)).size()
                           : QSize(cx, cy);
    const QImage scaled = state.props.picture().toImage().scaled(
        size, Qt::IgnoreAspectRatio,
        state.pictureIsIcon ? Qt::SmoothTransformation : Qt::FastTransformation);
    if (scaled.isNull()) return;

    auto draw = [&](Canvas& into, int x, int y) {
        if (state.pictureIsIcon) {
            into.drawPicture(x, y, scaled);
        } else {
            DrawTransparentBitmap(into, {x, y, x + cx, y + cy}, scaled, cx, cy);
        }
    };
    if (state.enabled) {
        draw(canvas, target.x(), target.y());
        return;
    }
    // Disabled: the picture on white in a scratch image, then embossed.
    QImage scratch(cx + 1, cy + 1, QImage::Format_RGB32);
    scratch.fill(Qt::black);
    Canvas onWhite(scratch);
    onWhite.FillBox(0, 0, cx, cy, 0xFFFFFF);
    draw(onWhite, 0, 0);
    drawEmbossed(canvas, scratch, target.x(), target.y(), cx, cy);
}

}  // namespace quellan::xp
