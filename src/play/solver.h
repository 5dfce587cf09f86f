#pragma once
// The solver: the fewest single-cell steps from an arrangement to the solved
// position, found by a breadth-first search. Pieces of one kind (commander,
// lying general, upright general, soldier) are interchangeable while
// searching, so two positions that differ only in which soldier stands where
// count once; the path found is then replayed on the real board to name the
// piece of every step.
#include <cstddef>
#include <optional>
#include <vector>

#include "coach/step.h"
#include "setup/board.h"

namespace quellan {

struct Solution {
    int steps = 0;
    std::vector<BoardStep> path;
};

// Fewest single-cell steps from `board` to a solved position and one shortest
// path; nullopt when no solved position can be reached, or when the board is
// not a proper arrangement (pieces overlapping, off the grid or past the
// board's edge, a general with equal sides). An arrangement that is already
// solved gives 0 steps and an empty path. Every step of the path is a move
// `CheckXY` allows, and after the last one `isSolved` holds.
// `reachable`, when given, receives how many distinct positions the search
// saw before it stopped: all positions reachable from `board` when there is
// no solution, fewer when it stopped at the first solved position; 0 for a
// board that is not a proper arrangement.
[[nodiscard]] std::optional<Solution> solve(const Board& board, std::size_t* reachable = nullptr);

// Number of distinct positions reachable from `board` (pieces of one kind
// interchangeable), the start included; 0 when the board is not a proper
// arrangement.
std::size_t countReachable(const Board& board);

}  // namespace quellan
