#include "xpbutton/canvas.h"

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quellan::xp {

Canvas::Canvas(QImage& image)
    : m_image(image),
      m_scale(image.devicePixelRatio()),
      m_width(m_scale == 1.0 ? image.width() : int(std::lround(image.width() / m_scale))),
      m_height(m_scale == 1.0 ? image.height() : int(std::lround(image.height() / m_scale))) {}

int Canvas::toImage(int v) const { return int(std::floor(v * m_scale + 0.5)); }

QRect Canvas::imageRect(const QRect& box) const {
    if (m_scale == 1.0) return box;
    const int left = toImage(box.left());
    const int top = toImage(box.top());
    return {left, top, toImage(box.left() + box.width()) - left,
            toImage(box.top() + box.height()) - top};
}

bool Canvas::visible(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return false;
    return !m_clipped || m_clip.contains(QPoint(x, y));
}

// Fills the image pixels under the widget pixels left..right-1, top..bottom-1
// (already inside the widget).
void Canvas::fillScaled(int left, int top, int right, int bottom, QRgb argb) {
    const int x1 = toImage(left);
    const int x2 = std::min(toImage(right), m_image.width());
    const int y1 = toImage(top);
    const int y2 = std::min(toImage(bottom), m_image.height());
    for (int y = y1; y < y2; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        for (int x = x1; x < x2; ++x) {
            if (!m_clipped || m_imageClip.contains(QPoint(x, y))) line[x] = argb;
        }
    }
}

void Canvas::FillBox(int x1, int y1, int x2, int y2, Rgb colour) {
    m_pen = colour;
    const int left = std::max(x1, 0);
    const int top = std::max(y1, 0);
    const int right = std::min(x2, m_width);
    const int bottom = std::min(y2, m_height);
    if (left >= right || top >= bottom) return;
    const QRgb argb = toQColor(colour).rgb();
    if (m_scale != 1.0) {
        fillScaled(left, top, right, bottom, argb);
        return;
    }
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        for (int x = left; x < right; ++x) {
            if (!m_clipped || m_clip.contains(QPoint(x, y))) line[x] = argb;
        }
    }
}

void Canvas::SetPixel(int x, int y, Rgb colour) {
    if (!visible(x, y)) return;
    if (m_scale != 1.0) {
        fillScaled(x, y, x + 1, y + 1, toQColor(colour).rgb());
        return;
    }
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = toQColor(colour).rgb();
}

Rgb Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    if (m_scale != 1.0) return fromQColor(QColor(m_image.pixel(toImage(x), toImage(y))));
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
    m_imageClip = QRegion();
    for (const QRect& r : region) m_imageClip += imageRect(r);
    m_clipped = true;
}

void Canvas::clearClip() {
    m_clip = QRegion();
    m_imageClip = QRegion();
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
    if (m_scale == 1.0) {
        QPainter painter(&m_image);
        if (m_clipped) painter.setClipRegion(m_clip);
        painter.drawImage(QPoint(x, y), picture);
        return;
    }
    // Placed on whole image pixels: a view of the same pixels without the
    // ratio, so nothing is resampled on the way.
    QImage pixels(m_image.bits(), m_image.width(), m_image.height(), m_image.bytesPerLine(),
                  m_image.format());
    QImage unscaled = picture;
    unscaled.setDevicePixelRatio(1.0);
    QPainter painter(&pixels);
    if (m_clipped) painter.setClipRegion(m_imageClip);
    painter.drawImage(imageRect(QRect(x, y, 1, 1)).topLeft(), unscaled);
}

}  // namespace quellan::xp
