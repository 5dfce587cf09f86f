#pragma once
// Setting a layout up on the board (InitMap): a new game with an empty
// selection, no steps, one history entry and the layout's record shown.
#include <string>

#include "setup/game_host.h"
#include "setup/game_state.h"

namespace quellan {

// Sets the layout `name` up; it becomes the current layout, also when it
// fails to load (it is the one remembered at shut-down). On success the pieces stand as the file
// says, all visible, history entry 0 is written, the set-up sound is requested and a music option
// suspended after a win is switched back on. On failure the host shows "初始化阵型出现错误！": the
// pieces stay hidden (lines before the faulty one have changed the pieces they name), the history
// is empty, the step label keeps its text and no sound plays. Returns whether it loaded.
bool InitMap(GameState& state, GameHost& host, const GamePaths& paths, const std::string& name);

// Sets an arrangement up that has no layout file (the workshop's trial): a
// new game as InitMap starts one, with no record shown; `CurrentMap` keeps
// the layout last set up, so that layout is the one remembered. The
// arrangement must be a proper one.
void setUpTrial(GameState& state, GameHost& host, const Board& arrangement);

// Shows the record of layout `name` in `state` (best steps and holder) as
// read from its record file.
void loadRecordInfo(GameState& state, const GamePaths& paths, const std::string& name);

}  // namespace quellan
