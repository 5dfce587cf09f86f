#pragma once
// The state of one game on the board, shared by the loader, the move engine,
// undo and the win rules. Only these rules change it; the window shows it.
#include <cstdint>
#include <optional>
#include <string>

#include "setup/board.h"
#include "setup/game_paths.h"
#include "setup/move_history.h"

namespace quellan {

// The texts of the record labels: best steps and record holder (with its
// tooltip). They are set when a record is read or made, and "无记录" for a
// layout without one. The step label follows `stepCount` (stepLabelText).
struct GameLabels {
    std::string bestSteps = "0";  // Label5
    std::string holder;           // Label6
    std::string holderTip;        // Label6's tooltip
    bool operator==(const GameLabels&) const = default;
};

struct GameState {
    Board board;
    MoveHistory history;
    std::int16_t selectedQZ = 0;  // the selected piece, 0 when none
    std::int32_t stepCount = 0;
    std::int32_t bestSteps = 0;
    std::string currentMap;  // the layout last set up, or tried
    GameLabels labels;
    // A hint or the demonstration helped in this game: its win is not
    // recorded. Cleared when a layout is set up.
    bool assisted = false;
    // The board holds an arrangement tried out from the workshop, which has
    // no layout file: its win asks no name and writes no record. Cleared
    // when a layout is set up.
    bool trial = false;

    // A layout stands on the board: false before the first load and after
    // a load that failed.
    bool hasLayout() const { return !history.empty(); }
};

// The text of the step label (Label7): the step count as plain decimal text
// while a layout stands on the board. Without one (a load failed) nothing:
// the label keeps the text it had.
std::optional<std::string> stepLabelText(const GameState& state);

}  // namespace quellan
