#pragma once
// A plain breadth-first solver the tests measure the game's own searches
// against. It shares only the packing of a board and its step tables with
// the core: no position numbering, no bit-parallel step search, no distance
// map. Positions are kept in a hash map, which is slow beside the distance
// map but plainly right. Pieces of one kind (commander, lying general,
// upright general, soldier) are interchangeable while searching; the path
// found is then replayed on the real board to name the piece of every step.
#include <cstddef>
#include <optional>
#include <vector>

#include "setup/board.h"
#include "setup/step.h"

namespace quellan::testing {

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
[[nodiscard]] std::optional<Solution> solve(const Board& board);

// Number of distinct positions reachable from `board` (pieces of one kind
// interchangeable), the start included; 0 when the board is not a proper
// arrangement.
std::size_t countReachable(const Board& board);

}  // namespace quellan::testing
