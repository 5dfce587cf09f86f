#pragma once
// Whole-piece moves: the way players usually count, where one move slides
// one piece any distance, round corners too, as long as it only passes
// through free cells. 横刀立马 needs 81 such moves (116 single-cell steps).
#include <optional>

#include "setup/board.h"

namespace quellan {

// The fewest whole-piece moves from `board` to a solved position; nullopt
// when it cannot be solved or is not a proper arrangement.
std::optional<int> fewestPieceMoves(const Board& board);

}  // namespace quellan
