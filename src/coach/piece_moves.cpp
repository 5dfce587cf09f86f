#include "coach/piece_moves.h"

#include <cstdint>
#include <vector>

#include "coach/position_numbering.h"
#include "coach/rank_set.h"

namespace quellan {

using namespace packed;

namespace {

// Calls `visit(after)` for every position one whole-piece move from `pos`:
// each piece in turn is lifted off the board and walked cell by cell
// through the free cells; every cell it reaches other than its own is one
// move.
template <class Visit>
void forEachPieceMove(Position pos, Visit&& visit) {
    for (int origin = 0; origin < kCellCount; ++origin) {
        const int code = codeAt(pos, origin);
        if (code == kEmpty || code > kSoldierCode) continue;  // not a top-left cell
        const Position rest = pos & ~kTables.place[code][origin].mask;
        std::uint32_t reached = 1u << origin;
        int queue[kCellCount];
        int head = 0, tail = 0;
        queue[tail++] = origin;
        while (head < tail) {
            const int cell = queue[head++];
            for (int d = 0; d < kDirectionCount; ++d) {
                const StepRule& rule = kTables.step[code][cell][d];
                if (!rule.fits || (reached >> rule.to & 1u) != 0) continue;
                const Placement& there = kTables.place[code][rule.to];
                if ((rest & there.mask) != 0) continue;
                reached |= 1u << rule.to;
                queue[tail++] = rule.to;
                visit(rest | there.bits);
            }
        }
    }
}

}  // namespace

std::optional<int> fewestPieceMoves(const Board& board) {
    const auto start = packBoard(board);
    if (!start) return std::nullopt;
    if (isHome(*start)) return 0;
    // A move never turns a general, so every position has the start's
    // numbering, and a bit for each of its numbers says what was seen.
    const PositionNumbering numbering(lyingGenerals(*start));
    RankSet seen(numbering.count());
    seen.insert(numbering.numberOf(*start));
    std::vector<Position> layer{*start}, nextLayer;
    for (int moves = 1; !layer.empty(); ++moves) {
        nextLayer.clear();
        bool home = false;
        for (Position pos : layer) {
            forEachPieceMove(pos, [&](Position after) {
                if (!seen.insert(numbering.numberOf(after))) return;
                home = home || isHome(after);
                nextLayer.push_back(after);
            });
            if (home) return moves;
        }
        layer.swap(nextLayer);
    }
    return std::nullopt;
}

}  // namespace quellan
