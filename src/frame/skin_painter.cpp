#include "frame/skin_painter.h"

#include <QPainter>

#include "platform/built_in_picture.h"

namespace quellan {

namespace {
QRect toRect(const frame::Box& twips) {
    const frame::Box px = frame::toPixels(twips);
    return {px.x, px.y, px.width, px.height};
}

}  // namespace

QImage paintFrame(QSize pixels, double ratio, const QImage& skin, const QImage& icon,
                  const QString& caption, const QFont& font) {
    // On a scaled display the surface has the display's pixels, so the
    // frame is as sharp as the rest of the window.
    QImage surface(ratio == 1.0 ? pixels : (QSizeF(pixels) * ratio).toSize(),
                   QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::transparent);
    const int W = pixelsToTwips(pixels.width());
    const int H = pixelsToTwips(pixels.height());
    QPainter p(&surface);
    // Stretched without smoothing, as a plain stretching copy does: the
    // edge strips keep their crisp lines.
    for (const frame::SkinCopy& copy : frame::skinCopies(W, H)) {
        const QImage& from = copy.fromIcon ? icon : skin;
        if (from.isNull()) continue;
        p.drawImage(QRectF(toRect(copy.destination)), from,
                    pictureArea(toRect(copy.source), from.devicePixelRatio()));
    }
    const frame::FrameLayout layout = frame::frameLayout(W, H, 0, 0);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255));
    const QPoint at(twipsToPixels(layout.caption.x), twipsToPixels(layout.caption.y));
    p.drawText(at + QPoint(0, QFontMetrics(font).ascent()), caption);
    return surface;
}

QRegion toRegion(const std::array<frame::RegionShape, 6>& shapes) {
    QRegion region;
    for (const frame::RegionShape& s : shapes) {
        const QRect box(s.left, s.top, s.right - s.left, s.bottom - s.top);
        region = region.united(QRegion(box, s.kind == frame::RegionShape::Kind::Ellipse
                                                ? QRegion::Ellipse
                                                : QRegion::Rectangle));
    }
    return region;
}

}  // namespace quellan
