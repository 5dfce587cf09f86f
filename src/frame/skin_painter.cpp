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

void paintFrame(QPainter& p, QSize pixels, const QImage& skin, const QImage& icon,
                const QString& caption, const QFont& font) {
    const int W = pixelsToTwips(pixels.width());
    const int H = pixelsToTwips(pixels.height());
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
