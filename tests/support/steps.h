#pragma once
// Where a player presses to make a step: the point the game's own step
// definition gives, in the strip beside the piece.
#include <utility>

#include "setup/step.h"

namespace quellan::testing {

inline Point pressPointFor(const Board& board, const BoardStep& step) {
    const Piece& p = board.piece(step.piece);
    return pressPointOf({p.left, p.top}, footprintOf(step.piece, p), step.direction);
}

// The same as the float pair the board's press handler receives.
inline std::pair<float, float> pressTwipsFor(const Board& board, const BoardStep& step) {
    const Point p = pressPointFor(board, step);
    return {static_cast<float>(p.left), static_cast<float>(p.top)};
}

}  // namespace quellan::testing
