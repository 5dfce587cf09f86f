#pragma once
// What the coach says about a game: the layout's fewest steps, the hint,
// the steps still to go, and whether the game was helped.
#include <optional>
#include <string>

#include "coach/distance_map.h"
#include "setup/game_state.h"

namespace quellan {

// A hint or the demonstration was used: the game's win will not be
// recorded, until its layout is set up again.
void markAssisted(GameState& state);

// "116（81）": the fewest single-cell steps with the fewest whole-piece
// moves in brackets; "无解" when the layout cannot be solved.
std::string fewestStepsText(std::optional<int> steps, std::optional<int> pieceMoves);

// The steps still to go after a step or an undo, and whether the last
// change raised them (shown in red).
struct StepsToGo {
    std::string text;  // "23" or "无解"
    bool raised = false;
};
StepsToGo stepsToGo(std::optional<int> before, std::optional<int> now);

enum class HintKind { Step, Solved, NoWay };
struct Hint {
    HintKind kind = HintKind::NoWay;
    BoardStep step;    // the step to make, for HintKind::Step
    Point targetCell;  // the top-left corner of the first cell it enters
};

// The first of the best next steps on `board`, with the cell it enters.
Hint hintFor(const DistanceMap& map, const Board& board);

}  // namespace quellan
