#pragma once
// The game's own pictures are PNG files of one plain kind: eight bits a
// channel, RGB or RGBA, not interlaced, no palette and no colour profile.
// This reads that kind alone, with the zlib that Qt already uses, so the
// PNG library's decoder is never paged in at start-up. It gives the same
// image Qt's PNG reader gives (format, pixels, dots per metre).
#include <QByteArray>
#include <QImage>
#include <cstdlib>

namespace quellan {

// The picture in `png`; a null image when the file is not of that kind or
// is damaged (a caller then asks Qt's reader, which reads every PNG).
QImage decodePlainPng(const QByteArray& png);

// PNG's Paeth predictor: of the bytes to the left (`left`), above (`above`)
// and above to the left (`corner`), the one nearest to left + above - corner.
inline int paethPredictor(int left, int above, int corner) {
    const int estimate = left + above - corner;
    const int toLeft = std::abs(estimate - left), toAbove = std::abs(estimate - above),
              toCorner = std::abs(estimate - corner);
    if (toLeft <= toAbove && toLeft <= toCorner) return left;
    return toAbove <= toCorner ? above : corner;
}

}  // namespace quellan
