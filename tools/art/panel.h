#pragma once
// The game panel's background: the wooden tray that holds the pieces on the
// left and a sheet of parchment under the controls on the right.
#include <QImage>
#include <QRect>

namespace art {

inline constexpr int kPanelWidth = 456;  // 6840 x 5400 twips at 15 twips per pixel
inline constexpr int kPanelHeight = 360;
inline constexpr int kCellPixels = 60;
// The 4 x 5 cells of the board, in panel pixels.
inline constexpr QRect kBoardRect(30, 30, 4 * kCellPixels, 5 * kCellPixels);
// The exit below columns 2 and 3.
inline constexpr int kExitLeft = 90;
inline constexpr int kExitRight = 210;
// Where the controls stand: nothing but paper from here to the right edge.
inline constexpr int kControlsLeft = 283;

QImage boardPanel();

}  // namespace art
