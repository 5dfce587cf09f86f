#pragma once
// A picture without transparency kept packed: tiles of 64 x 64 pixels with
// three bytes a pixel, each filtered as a PNG line is and packed on its own
// with zlib. The board packs to about a quarter of its decoded size, and a
// tile unpacks in a few tens of microseconds, so a repaint unpacks only the
// tiles under it.
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

namespace quellan {

class PackedPicture {
  public:
    PackedPicture() = default;
    explicit PackedPicture(const QImage& picture);

    bool isNull() const { return m_tiles.empty(); }
    // The whole picture as it was packed (its device pixel ratio too), with
    // the pixels of only the tiles under `area` (in the picture's device
    // independent pixels) filled in; the rest is left as it comes.
    QImage unpack(const QRect& area) const;
    QImage unpackAll() const { return unpack(QRect(QPoint(0, 0), m_size)); }

  private:
    static constexpr int kTile = 64;

    QSize m_size;                     // in device independent pixels
    QSize m_pixels;                   // in image pixels
    qreal m_ratio = 1.0;              // image pixels per device independent pixel
    int m_columns = 0;                // tiles in a row
    std::vector<QByteArray> m_tiles;  // row by row
};

}  // namespace quellan
