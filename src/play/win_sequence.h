#pragma once
// What follows a move onto the solved position: the music falls silent, the
// win effect and the congratulation, and for a new best result the player's
// name and the record file with the whole winning path.
#include "setup/game_host.h"
#include "setup/game_state.h"

namespace quellan {

// A new record when the layout has no readable record file, or when the
// step count is strictly below the best on record.
bool isNewRecord(const GameState& state, const GamePaths& paths);

// Runs the whole win sequence. An assisted game is congratulated with a
// second line saying so, and neither asks for a name nor touches the record
// file. A record file that cannot be written is reported with a message;
// the labels show the new record anyway and the old file is kept.
void runWinSequence(GameState& state, GameHost& host, const GamePaths& paths);

}  // namespace quellan
