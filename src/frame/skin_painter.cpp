#include "frame/skin_painter.h"

#include <QPainter>

namespace quellan {

namespace {
QRect toRect(const frame::Box& twips) {
    const frame::Box px = frame::toPixels(twips);
    return {px.x, px.y, px.width, px.height};
}
}  // namespace

QImage paintFrame(QSize pixels, const QImage& skin, const QImage& icon, const QString& caption,
                  const QFont& font) {
    QImage surface(pixels, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::transparent);
    const int W = pixelsToTwips(pixels.width());
    const int H = pixelsToTwips(pixels.height());
    QPainter p(&surface);
    // Stretched without smoothing, as a plain stretching copy does: the
    // edge strips keep their crisp lines.
    for (const frame::SkinCopy& copy : frame::skinCopies(W, H)) {
        const QImage& from = copy.fromIcon ? icon : skin;
        if (from.isNull()) continue;
        p.drawImage(toRect(copy.destination), from, toRect(copy.source));
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
