#include "xpbutton/canvas.h"

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cstdlib>

namespace quellan::xp {

Canvas::Canvas(QImage& image) : m_image(image) {}

bool Canvas::visible(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return false;
    return !m_clipped || m_clip.contains(QPoint(x, y));
}

void Canvas::FillBox(int x1, int y1, int x2, int y2, Rgb colour) {
    m_pen = colour;
    const int left = std::max(x1, 0);
    const int top = std::max(y1, 0);
    const int right = std::min(x2, m_image.width());
    const int bottom = std::min(y2, m_image.height());
    if (left >= right || top >= bottom) return;
    const QRgb argb = toQColor(colour).rgb();
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        for (int x = left; x < right; ++x) {
            if (!m_clipped || m_clip.contains(QPoint(x, y))) line[x] = argb;
        }
    }
}

void Canvas::SetPixel(int x, int y, Rgb colour) {
    if (!visible(x, y)) return;
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = toQColor(colour).rgb();
}

Rgb Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return 0;
    return fromQColor(QColor(m_image.pixel(x, y)));
}

void Canvas::Line(QPoint from, QPoint to, Rgb colour, PenStyle style) {
    m_dotPhase = 0;
    segment(from, to, colour, style);
}

void Canvas::segment(QPoint from, QPoint to, Rgb colour, PenStyle style) {
    m_pen = colour;
    // Bresenham's walk from the start point; the end point itself is not set.
    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1;
    const int sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    while (x != to.x() || y != to.y()) {
        if (style == PenStyle::Solid || (m_dotPhase % (2 * kDotLength)) < kDotLength) {
            SetPixel(x, y, colour);
        }
        ++m_dotPhase;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::Polyline(const std::vector<QPoint>& points, Rgb colour, PenStyle style) {
    m_dotPhase = 0;
    for (size_t i = 1; i < points.size(); ++i) segment(points[i - 1], points[i], colour, style);
}

void Canvas::setClip(const QRegion& region) {
    m_clip = region;
    m_clipped = true;
}

void Canvas::clearClip() {
    m_clip = QRegion();
    m_clipped = false;
}

void Canvas::drawText(const QRect& box, int alignment, const QString& text, const QFont& font,
                      Rgb colour) {
    QPainter painter(&m_image);
    // Like the system's text drawing, nothing reaches past the box.
    painter.setClipRegion(m_clipped ? m_clip.intersected(box) : QRegion(box));
    painter.setFont(font);
    painter.setPen(toQColor(colour));
    painter.drawText(box, alignment | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
}

void Canvas::drawPicture(int x, int y, const QImage& picture) {
    QPainter painter(&m_image);
    if (m_clipped) painter.setClipRegion(m_clip);
    painter.drawImage(QPoint(x, y), picture);
}

}  // namespace quellan::xp
