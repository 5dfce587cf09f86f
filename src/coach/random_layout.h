#pragma once
// Layouts drawn at random from the solvable arrangements of the standard
// pieces, within a band of fewest single-cell steps. No table of all
// arrangements is kept: a random arrangement is drawn, its distance map
// built, and a position of the band picked from all the positions the map
// knows, which finds even the rare hardest ones in a few draws.
#include <cstdint>
#include <optional>
#include <random>

#include "setup/board.h"

namespace quellan {

struct StepBand {
    int fewest = 0;  // inclusive bounds of the fewest single-cell steps
    int most = 0;
};

// The workshop's difficulty bands, by fewest single-cell steps; the
// hardest arrangement of the standard pieces needs 179.
struct DifficultyBand {
    const char* name;
    StepBand steps;
};
inline constexpr DifficultyBand kDifficultyBands[] = {
    {"入门（40 步以内）", {1, 40}},
    {"中等（41–90 步）", {41, 90}},
    {"困难（91–140 步）", {91, 140}},
    {"极难（141 步以上）", {141, 179}},
};

// A proper arrangement whose fewest steps lie in `band`; nullopt when none
// turned up in `draws` distance maps (a band nothing reaches, such as
// more than 179 steps).
std::optional<Board> drawLayout(StepBand band, std::mt19937_64& random, int draws = 200);

}  // namespace quellan
