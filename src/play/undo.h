#pragma once
// Taking back the last move that still stands.
#include "setup/game_host.h"
#include "setup/game_state.h"

namespace quellan {

// With more than one history entry: removes the last, puts all ten pieces
// where the entry now last says, updates the step count and its label and
// requests the move effect. At entry 0 the host shows "初始阵型，无法撤消！"
// and nothing changes. Returns whether a move was taken back.
bool undoMove(GameState& state, GameHost& host);

}  // namespace quellan
