#include "skin.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <vector>

#include "frame_model/frame_geometry.h"
#include "tiles.h"
#include "wood.h"

namespace art {

namespace {

// The window shows 27 pixels of title bar above the game panel and 24 of
// the bottom bar below it; the gold lines sit at those seams.
constexpr int kTitleVisible = 27;
constexpr int kBottomVisible = 24;
// Where the caption buttons stand inside the skin's top-right corner, so
// the game's Immin and Imclose fall on them.
constexpr QPoint kMinimiseAt(229, 5);
constexpr QPoint kCloseAt(250, 5);
constexpr QSize kButtonSize(17, 16);

const QColor kOutline(26, 9, 4);
const QColor kGold(222, 178, 96);
const QColor kLacquerTop(162, 46, 30);
const QColor kLacquerLow(98, 24, 14);
const QColor kInner(64, 20, 10);

// Steps from each pixel of the skin to the nearest pixel outside the
// window's outline (8-neighbour steps, at most `limit`).
std::vector<int> insideDepth(int limit) {
    const auto shapes = quellan::frame::windowRegionShapes(kSkinWidth * 15, kSkinHeight * 15);
    std::vector<int> depth(kSkinWidth * kSkinHeight, 0);
    for (int y = 0; y < kSkinHeight; ++y)
        for (int x = 0; x < kSkinWidth; ++x)
            depth[y * kSkinWidth + x] = quellan::frame::regionContains(shapes, x, y) ? limit : 0;
    for (int d = 1; d < limit; ++d) {
        std::vector<int> next = depth;
        for (int y = 0; y < kSkinHeight; ++y) {
            for (int x = 0; x < kSkinWidth; ++x) {
                if (depth[y * kSkinWidth + x] <= d) continue;
                bool nearOutside = false;
                for (int dy = -1; dy <= 1 && !nearOutside; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        const bool outside = nx < 0 || ny < 0 || nx >= kSkinWidth ||
                                             ny >= kSkinHeight || depth[ny * kSkinWidth + nx] < d;
                        if (outside) {
                            nearOutside = true;
                            break;
                        }
                    }
                }
                if (nearOutside) next[y * kSkinWidth + x] = d;
            }
        }
        depth = std::move(next);
    }
    return depth;
}

// The lacquer of a bar `height` pixels high at row `y` from its outer edge.
QColor lacquer(int y, int height) {
    const double t = std::clamp(double(y) / height, 0.0, 1.0);
    QColor c = mix(kLacquerTop, kLacquerLow, t);
    if (y == 1) c = mix(c, QColor(255, 214, 170), 0.35);  // the sheen along the top
    return c;
}

QColor skinPixel(int x, int y, int depth) {
    if (depth == 1) return kOutline;
    if (depth == 2) return kGold;
    const int fromBottom = kSkinHeight - 1 - y;
    if (y == kTitleVisible - 2 || fromBottom == kBottomVisible) return kGold;
    if (y < kTitleVisible - 2) return lacquer(y, kTitleVisible);
    if (fromBottom < kBottomVisible) return lacquer(fromBottom, kBottomVisible + 8);
    if (depth == 3) return QColor(132, 38, 22);
    if (x < 4 || x >= kSkinWidth - 4) return kInner;
    return kInner.darker(130);  // under the game panel: never seen
}

QPainterPath buttonShape(const QRectF& r) {
    QPainterPath path;
    path.addRoundedRect(r, 3, 3);
    return path;
}

void paintCaptionButton(QPainter& p, QPoint at, CaptionKind kind, CaptionLook look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(at);
    const QRectF face(0.5, 0.5, kButtonSize.width() - 1, kButtonSize.height() - 1);
    QColor top, bottom, ink = QColor(250, 226, 170);
    switch (look) {
        case CaptionLook::Normal:
            top = QColor(128, 34, 22);
            bottom = QColor(82, 18, 10);
            break;
        case CaptionLook::Hover:
            top = kind == CaptionKind::Close ? QColor(232, 72, 48) : QColor(214, 150, 62);
            bottom = kind == CaptionKind::Close ? QColor(168, 26, 18) : QColor(150, 88, 28);
            ink = QColor(255, 255, 255);
            break;
        case CaptionLook::Pressed:
            top = QColor(58, 12, 6);
            bottom = kind == CaptionKind::Close ? QColor(140, 20, 12) : QColor(112, 60, 20);
            break;
    }
    QLinearGradient fill(0, 0, 0, kButtonSize.height());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(kGold, 1.0));
    p.setBrush(fill);
    p.drawPath(buttonShape(face));
    const double shift = look == CaptionLook::Pressed ? 1.0 : 0.0;
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    if (kind == CaptionKind::Minimise) {
        p.drawLine(QPointF(5 + shift, 11 + shift), QPointF(12 + shift, 11 + shift));
    } else {
        p.drawLine(QPointF(5.5 + shift, 4.5 + shift), QPointF(11.5 + shift, 10.5 + shift));
        p.drawLine(QPointF(11.5 + shift, 4.5 + shift), QPointF(5.5 + shift, 10.5 + shift));
    }
    p.restore();
}

QImage transparent(int w, int h) {
    QImage image = newPicture(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A round enamel badge with a white sign on it.
QImage badge(const QString& sign, const QColor& colour) {
    QImage image = transparent(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glaze(QPointF(6, 5), 10);
    glaze.setColorAt(0, colour.lighter(150));
    glaze.setColorAt(1, colour.darker(130));
    p.setPen(QPen(QColor(40, 20, 8), 1.0));
    p.setBrush(glaze);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 16.5), Qt::AlignCenter, sign);
    return image;
}

}  // namespace

QImage skinPicture() {
    const std::vector<int> depth = insideDepth(4);
    // The rings follow the window's outline, which is cut in whole pixels
    // of the window, so they keep that grain in the larger picture too.
    QImage skin = newPicture(kSkinWidth, kSkinHeight, QImage::Format_ARGB32);
    const int s = drawingScale();
    for (int py = 0; py < skin.height(); ++py) {
        for (int px = 0; px < skin.width(); ++px) {
            const int x = px / s, y = py / s;
            const int d = depth[y * kSkinWidth + x];
            // Outside the outline: the game cuts it away; paint it like the
            // outline so no odd colour can show at the corners.
            skin.setPixelColor(px, py, d == 0 ? kOutline : skinPixel(x, y, d));
        }
    }
    QPainter p(&skin);
    paintCaptionButton(p, kMinimiseAt, CaptionKind::Minimise, CaptionLook::Normal);
    paintCaptionButton(p, kCloseAt, CaptionKind::Close, CaptionLook::Normal);
    return skin;
}

QImage captionButton(CaptionKind kind, CaptionLook look) {
    // The button on its own piece of title bar, so it covers the skin's
    // normal look exactly.
    const QPoint at = kind == CaptionKind::Minimise ? kMinimiseAt : kCloseAt;
    QImage image = newPicture(kButtonSize, QImage::Format_ARGB32);
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px)
            image.setPixelColor(px, py, lacquer(at.y() + py / drawingScale(), kTitleVisible));
    QPainter p(&image);
    paintCaptionButton(p, QPoint(0, 0), kind, look);
    return image;
}

QImage helpIcon() { return badge(QStringLiteral("?"), QColor(30, 110, 150)); }

QImage aboutIcon() { return badge(QStringLiteral("i"), QColor(40, 130, 70)); }

QImage webPicture() {
    QImage image = transparent(31, 31);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF globe(2.5, 2.5, 26, 26);
    QRadialGradient sea(QPointF(11, 10), 20);
    sea.setColorAt(0, QColor(120, 190, 230));
    sea.setColorAt(1, QColor(24, 80, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(globe.translated(1.2, 1.2));
    p.setBrush(sea);
    p.drawEllipse(globe);
    // Lines of latitude and longitude in gold, as on an old bronze globe.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(236, 200, 120, 220), 1.0));
    p.drawEllipse(QRectF(9.5, 2.5, 12, 26));
    p.drawLine(QPointF(15.5, 2.5), QPointF(15.5, 28.5));
    p.drawLine(QPointF(2.5, 15.5), QPointF(28.5, 15.5));
    p.drawArc(QRectF(4, 7, 23, 8), 0, 180 * 16);
    p.drawArc(QRectF(4, 16, 23, 8), 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(30, 16, 6), 1.2));
    p.drawEllipse(globe);
    return image;
}

}  // namespace art
