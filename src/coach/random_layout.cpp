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
        std::array<PieceKind, 12> things = {
            PieceKind::Commander, PieceKind::Soldier, PieceKind::Soldier, PieceKind::Soldier,
            PieceKind::Soldier,   PieceKind::None,    PieceKind::None,    PieceKind::Upright,
            PieceKind::Upright,   PieceKind::Upright, PieceKind::Upright, PieceKind::Upright};
        for (std::size_t k = 7; k < things.size(); ++k)
            if (below(random, 2) == 0) things[k] = PieceKind::Lying;
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
            const PieceKind thing = things[next++];
            corners[static_cast<std::size_t>(cell)] = thing;
            const Footprint fp = readingFootprint(thing);
            fits = staysOnBoard(fp, cell);
            if (fits)
                forEachCoveredCell(fp, cell, [&](int c, int, int) {
                    bool& taken = covered[static_cast<std::size_t>(c)];
                    fits = fits && !taken;
                    taken = true;
                });
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
