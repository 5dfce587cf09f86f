#include "coach/random_layout.h"

#include <algorithm>
#include <array>

#include "coach/arrangement.h"
#include "coach/distance_map.h"
#include "coach/packed_position.h"

namespace quellan {

namespace {

// A number below `n`, the same on every platform for the same seed.
std::uint64_t below(std::mt19937_64& random, std::uint64_t n) { return random() % n; }

// A random proper arrangement: the twelve things of a board (ten pieces,
// each general upright or lying at random, and two free cells) in random
// order, laid out cell by cell; tried again until they fit.
Board randomArrangement(std::mt19937_64& random) {
    for (;;) {
        std::array<CornerShape, 12> things = {
            CornerShape::Commander, CornerShape::Soldier, CornerShape::Soldier,
            CornerShape::Soldier,   CornerShape::Soldier, CornerShape::None,
            CornerShape::None,      CornerShape::Upright, CornerShape::Upright,
            CornerShape::Upright,   CornerShape::Upright, CornerShape::Upright};
        for (std::size_t k = 7; k < things.size(); ++k)
            if (below(random, 2) == 0) things[k] = CornerShape::Lying;
        for (std::size_t k = things.size(); k > 1; --k)
            std::swap(things[k - 1], things[below(random, k)]);

        Corners corners{};
        std::array<bool, kCellCount> covered{};
        std::size_t next = 0;
        bool fits = true;
        for (int cell = 0; cell < kCellCount && fits; ++cell) {
            if (covered[static_cast<std::size_t>(cell)]) continue;
            if (next == things.size()) {
                fits = false;
                break;
            }
            const CornerShape thing = things[next++];
            corners[static_cast<std::size_t>(cell)] = thing;
            const int w = thing == CornerShape::Commander || thing == CornerShape::Lying ? 2 : 1;
            const int h = thing == CornerShape::Commander || thing == CornerShape::Upright ? 2 : 1;
            const int col = cell % kColumns, row = cell / kColumns;
            if (col + w > kColumns || row + h > kRows) fits = false;
            for (int dy = 0; dy < h && fits; ++dy)
                for (int dx = 0; dx < w && fits; ++dx) {
                    bool& c = covered[static_cast<std::size_t>(cell + dy * kColumns + dx)];
                    fits = !c;
                    c = true;
                }
        }
        if (!fits || next != things.size()) continue;
        if (auto board = boardFromCorners(corners)) return *board;
    }
}

}  // namespace

std::optional<Board> drawLayout(StepBand band, std::mt19937_64& random, int draws) {
    for (int draw = 0; draw < draws; ++draw) {
        const DistanceMap map(randomArrangement(random));
        std::uint64_t inBand = 0;
        map.forEachSolvable([&](packed::Position, int steps) {
            if (steps >= band.fewest && steps <= band.most) ++inBand;
        });
        if (inBand == 0) continue;
        std::uint64_t pick = below(random, inBand);
        std::optional<packed::Position> chosen;
        map.forEachSolvable([&](packed::Position pos, int steps) {
            if (steps >= band.fewest && steps <= band.most && pick-- == 0) chosen = pos;
        });
        if (chosen) return packed::unpackBoard(*chosen);
    }
    return std::nullopt;
}

}  // namespace quellan
