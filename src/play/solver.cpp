#include "play/solver.h"

#include <cstdint>
#include <limits>

#include "coach/position_index.h"
#include "play/occupancy.h"

namespace quellan {

namespace {

using namespace packed;

inline constexpr std::uint32_t kNoParent = std::numeric_limits<std::uint32_t>::max();
inline constexpr std::size_t kUsualPositions = 1 << 15;

// The breadth-first search: every position seen, in the order found, with
// the one it was reached from.
struct Search {
    std::vector<Position> positions;
    std::vector<std::uint32_t> parents;
    std::optional<std::size_t> home;  // the first solved position found
};

Search explore(Position start, bool stopAtHome) {
    Search search;
    search.positions.reserve(kUsualPositions);
    search.parents.reserve(kUsualPositions);
    search.positions.push_back(start);
    search.parents.push_back(kNoParent);
    if (stopAtHome && isHome(start)) {
        search.home = 0;
        return search;
    }
    PositionIndex seen(2 * kUsualPositions);
    seen.insert(start);
    for (std::size_t next = 0; next < search.positions.size() && !search.home; ++next) {
        forEachStep(search.positions[next], [&](Position after) {
            if (search.home || !seen.insert(after).added) return;
            search.positions.push_back(after);
            search.parents.push_back(static_cast<std::uint32_t>(next));
            if (stopAtHome && isHome(after)) search.home = search.positions.size() - 1;
        });
    }
    return search;
}

// Whether piece `index` may step in `d` by the game's own occupancy test,
// asked for every cell the piece would newly cover.
bool allowedOnBoard(const Board& board, int index, Direction d) {
    const Piece& piece = board.piece(index);
    const PieceStep step = stepOf({piece.left, piece.top}, footprintOf(index, piece), d);
    for (int k = 0; k < step.enteredCount; ++k) {
        const Point& c = step.entered[static_cast<std::size_t>(k)];
        if (CheckXY(board, index, static_cast<float>(c.left), static_cast<float>(c.top)) != 0)
            return false;
    }
    return true;
}

// Names the piece of each step by replaying the positions `chain` on a copy
// of the real board: the step from one position to the next is the one
// piece step that turns the first into the second.
std::optional<std::vector<BoardStep>> replay(Board board, const std::vector<Position>& chain) {
    std::vector<BoardStep> path;
    path.reserve(chain.size());
    for (std::size_t k = 0; k + 1 < chain.size(); ++k) {
        bool found = false;
        for (int i = 1; i <= kPieceCount && !found; ++i) {
            Piece& piece = board.piece(i);
            const int code = codeOfPiece(i, footprintOf(i, piece));
            const int cell = cellOfPiece(piece);
            for (int d = 0; d < kDirectionCount && !found; ++d) {
                const Direction direction = kDirections[static_cast<std::size_t>(d)];
                if (stepped(chain[k], code, cell, d) != chain[k + 1]) continue;
                if (!allowedOnBoard(board, i, direction)) continue;
                const PieceStep step =
                    stepOf({piece.left, piece.top}, footprintOf(i, piece), direction);
                piece.left = step.to.left;
                piece.top = step.to.top;
                path.push_back({i, direction});
                found = true;
            }
        }
        if (!found) return std::nullopt;
    }
    return path;
}

}  // namespace

std::optional<Solution> solve(const Board& board, std::size_t* reachable) {
    if (reachable) *reachable = 0;
    const auto start = packBoard(board);
    if (!start) return std::nullopt;
    const Search search = explore(*start, true);
    if (reachable) *reachable = search.positions.size();
    if (!search.home) return std::nullopt;

    std::vector<Position> chain;
    for (std::uint32_t at = static_cast<std::uint32_t>(*search.home); at != kNoParent;
         at = search.parents[at])
        chain.push_back(search.positions[at]);
    std::vector<Position> forward(chain.rbegin(), chain.rend());
    auto path = replay(board, forward);
    if (!path) return std::nullopt;
    Solution solution;
    solution.steps = static_cast<int>(path->size());
    solution.path = std::move(*path);
    return solution;
}

std::size_t countReachable(const Board& board) {
    const auto start = packBoard(board);
    if (!start) return 0;
    return explore(*start, false).positions.size();
}

}  // namespace quellan
