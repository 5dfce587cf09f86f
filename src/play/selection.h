#pragma once
// Selecting a piece and turning presses on the board into moves. A piece is
// selected by giving it the focus; a left press beside it moves it; a left
// press on the margin around the board drags the window.
#include "common/units_and_codes.h"
#include "setup/game_host.h"
#include "setup/game_state.h"

namespace quellan {

// The board rectangle, inclusive: 450..4050 x 450..4950 twips.
bool isOnBoard(float x, float y);

void QZ_GotFocus(GameState& state, GameHost& host, int index);
void QZ_LostFocus(GameState& state);

enum class BoardPress { Ignored, Move, DragWindow };

// What a press of `button` at (x, y) on the board surface means.
BoardPress classifyBoardPress(int button, float x, float y);

}  // namespace quellan
