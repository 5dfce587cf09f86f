#pragma once
// The occupancy test: may piece `index` enter the cell whose top-left corner
// is (x, y)? The board keeps no grid; the answer comes from the pieces'
// positions and sizes each time.
#include <cstdint>

#include "setup/board.h"

namespace quellan {

// 0 when (x, y) is on the board and no other piece covers it, 1 otherwise.
// The asking piece never blocks itself. Points that are not cell corners
// never match a piece.
std::int16_t CheckXY(const Board& board, int index, float x, float y);

}  // namespace quellan
