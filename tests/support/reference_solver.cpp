#include "support/reference_solver.h"

#include <unordered_map>

#include "coach/packed_position.h"
#include "play/occupancy.h"

namespace quellan::testing {

namespace {

using namespace packed;

// Every position the search saw, with the one it was first reached from
// (the start with itself).
using Parents = std::unordered_map<Position, Position>;

// Calls `visit(after)` for every position one step from `pos`, asking the
// step tables piece by piece.
template <class Visit>
void forEachPlainStep(Position pos, Visit&& visit) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int code = codeAt(pos, cell);
        if (code == kEmpty || code > kSoldierCode) continue;  // not a top-left cell
        for (int d = 0; d < kDirectionCount; ++d)
            if (const Position after = stepped(pos, code, cell, d)) visit(after);
    }
}

// Breadth first from `start`; stops at the first solved position when
// `stopAtHome` and gives it.
std::optional<Position> explore(Position start, bool stopAtHome, Parents& parents) {
    parents.emplace(start, start);
    if (stopAtHome && isHome(start)) return start;
    std::vector<Position> layer{start}, nextLayer;
    while (!layer.empty()) {
        nextLayer.clear();
        for (Position pos : layer) {
            std::optional<Position> home;
            forEachPlainStep(pos, [&](Position after) {
                if (home || !parents.emplace(after, pos).second) return;
                nextLayer.push_back(after);
                if (stopAtHome && isHome(after)) home = after;
            });
            if (home) return home;
        }
        layer.swap(nextLayer);
    }
    return std::nullopt;
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

std::optional<Solution> solve(const Board& board) {
    const auto start = packBoard(board);
    if (!start) return std::nullopt;
    Parents parents;
    const auto home = explore(*start, true, parents);
    if (!home) return std::nullopt;

    std::vector<Position> chain{*home};
    while (chain.back() != *start) chain.push_back(parents.at(chain.back()));
    auto path = replay(board, {chain.rbegin(), chain.rend()});
    if (!path) return std::nullopt;
    Solution solution;
    solution.steps = static_cast<int>(path->size());
    solution.path = std::move(*path);
    return solution;
}

std::size_t countReachable(const Board& board) {
    const auto start = packBoard(board);
    if (!start) return 0;
    Parents parents;
    explore(*start, false, parents);
    return parents.size();
}

}  // namespace quellan::testing
