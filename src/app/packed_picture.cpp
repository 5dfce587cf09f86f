#include "app/packed_picture.h"

#include <algorithm>
#include <cmath>

#include "platform/plain_png.h"

namespace quellan {

namespace {

// Each byte is packed as its difference from PNG's Paeth prediction, from
// the pixel to its left and the row above within the tile (none above the
// first row): the board then packs a fifth smaller.
int predicted(const uchar* line, const uchar* above, int i) {
    constexpr int kPixelBytes = 3;
    const int left = i >= kPixelBytes ? line[i - kPixelBytes] : 0;
    if (!above) return left;
    return paethPredictor(left, above[i], i >= kPixelBytes ? above[i - kPixelBytes] : 0);
}

}  // namespace

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
            for (int y = 0; y < height; ++y) {
                const uchar* line = pixels.constScanLine(top + y) + left * 3;
                const uchar* above = y > 0 ? pixels.constScanLine(top + y - 1) + left * 3 : nullptr;
                auto* out = reinterpret_cast<uchar*>(tile.data()) + qsizetype(y) * rowBytes;
                for (int i = 0; i < rowBytes; ++i)
                    out[i] = uchar(line[i] - predicted(line, above, i));
            }
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
            for (int y = 0; y < height; ++y) {
                uchar* line = picture.scanLine(top + y) + left * 3;
                const uchar* above =
                    y > 0 ? picture.constScanLine(top + y - 1) + left * 3 : nullptr;
                const auto* in =
                    reinterpret_cast<const uchar*>(tile.constData()) + qsizetype(y) * rowBytes;
                for (int i = 0; i < rowBytes; ++i)
                    line[i] = uchar(in[i] + predicted(line, above, i));
            }
        }
    }
    return picture;
}

}  // namespace quellan
