#pragma once
// One player move: the selected piece steps one cell toward the pressed
// point when that point lies in the strip beside it and the cells it would
// enter are free.
#include "setup/game_host.h"
#include "setup/game_state.h"

namespace quellan {

enum class MoveOutcome {
    NoSelection,  // nothing selected: nothing changes, not even the selection
    Refused,      // no strip hit, blocked, or a general with equal sides
    Moved,        // one step made, the move effect requested
    Solved,       // one step made onto the solved position; the win sequence ran
};

// The strips are tested up, down, left, right with strict bounds; the cells
// the piece would newly cover are tested in order. After a step: history
// append, step count and label, then the win sequence or the move effect.
// Every call with a selection ends with the selection cleared.
MoveOutcome QZMove(GameState& state, GameHost& host, const GamePaths& paths, float tx, float ty);

}  // namespace quellan
