#include "app/packed_picture.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quellan {

PackedPicture::PackedPicture(const QImage& picture) {
    if (picture.isNull()) return;
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB888);
    m_pixels = pixels.size();
    m_ratio = picture.devicePixelRatio();
    m_size = picture.deviceIndependentSize().toSize();
    m_columns = (m_pixels.width() + kTile - 1) / kTile;
    const int rows = (m_pixels.height() + kTile - 1) / kTile;
    m_tiles.reserve(static_cast<size_t>(m_columns * rows));
    QByteArray tile;
    for (int top = 0; top < m_pixels.height(); top += kTile) {
        const int height = std::min(kTile, m_pixels.height() - top);
        for (int left = 0; left < m_pixels.width(); left += kTile) {
            const int rowBytes = std::min(kTile, m_pixels.width() - left) * 3;
            tile.resize(qsizetype(rowBytes) * height);
            for (int y = 0; y < height; ++y)
                std::memcpy(tile.data() + qsizetype(y) * rowBytes,
                            pixels.constScanLine(top + y) + left * 3, size_t(rowBytes));
            m_tiles.push_back(qCompress(tile));
            m_tiles.back().squeeze();  // packing leaves room for the worst case
        }
    }
}

QImage PackedPicture::unpack(const QRect& area) const {
    if (isNull()) return {};
    QImage picture(m_pixels, QImage::Format_RGB888);
    picture.setDevicePixelRatio(m_ratio);
    // The area in image pixels, a pixel wider each way for rounding.
    const QRect wanted = QRect(QPoint(int(std::floor(area.left() * m_ratio)) - 1,
                                      int(std::floor(area.top() * m_ratio)) - 1),
                               QPoint(int(std::ceil((area.right() + 1) * m_ratio)),
                                      int(std::ceil((area.bottom() + 1) * m_ratio)))) &
                         QRect(QPoint(0, 0), m_pixels);
    if (wanted.isEmpty()) return picture;
    for (int row = wanted.top() / kTile; row <= wanted.bottom() / kTile; ++row) {
        for (int column = wanted.left() / kTile; column <= wanted.right() / kTile; ++column) {
            const QByteArray tile = qUncompress(m_tiles[size_t(row * m_columns + column)]);
            const int left = column * kTile;
            const int top = row * kTile;
            const int rowBytes = std::min(kTile, m_pixels.width() - left) * 3;
            const int height = std::min(kTile, m_pixels.height() - top);
            if (tile.size() != qsizetype(rowBytes) * height) continue;
            for (int y = 0; y < height; ++y)
                std::memcpy(picture.scanLine(top + y) + left * 3,
                            tile.constData() + qsizetype(y) * rowBytes, size_t(rowBytes));
        }
    }
    return picture;
}

}  // namespace quellan
