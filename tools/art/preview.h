#pragma once
// Looking at the pictures the way the player will: the panel with the pieces
// of "横刀立马" on it and the controls drawn roughly where they stand.
#include <QImage>
#include <array>

namespace art {

struct PieceArt {
    QImage commander;
    std::array<QImage, 5> upright;  // generals 2..6
    std::array<QImage, 5> lying;
    QImage soldier;
};

QImage gamePreview(const QImage& board, const PieceArt& pieces, const QImage& undo,
                   const QImage& cursor);

// The small pictures enlarged `zoom` times side by side, pixel for pixel.
QImage magnified(const std::array<QImage, 4>& images, int zoom);

}  // namespace art
