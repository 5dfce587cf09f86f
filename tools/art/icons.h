#pragma once
// The small pictures: the hand cursor of the board and the pieces, the undo
// arrow of the undo button and the window icon.
#include <QImage>
#include <QPoint>

namespace art {

// 32 x 32 pointing hand; the tip of the index finger is the hot spot.
inline constexpr QPoint kCursorHotSpot(8, 0);
QImage handCursor();

QImage undoArrow();  // 16 x 16

QImage windowIcon(int size);  // a small commander tile, 32 or 16 pixels

}  // namespace art
