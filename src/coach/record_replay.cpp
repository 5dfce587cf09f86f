#include "coach/record_replay.h"

#include <cstdlib>

#include "coach/arrangement.h"

namespace quellan {

namespace {

// True when exactly one piece moved, by one cell up, down, left or right.
// With both boards proper arrangements, the cells it entered were free.
bool oneStepApart(const Board& from, const Board& to) {
    int moved = 0;
    for (int i = 1; i <= kPieceCount; ++i) {
        const long long dx =
            std::llabs(static_cast<long long>(to.piece(i).left) - from.piece(i).left);
        const long long dy =
            std::llabs(static_cast<long long>(to.piece(i).top) - from.piece(i).top);
        if (dx == 0 && dy == 0) continue;
        if (dx + dy != kCell) return false;
        ++moved;
    }
    return moved == 1;
}

}  // namespace

std::optional<std::vector<Board>> replayBoards(const std::vector<std::string>& entries,
                                               const Board& setUp) {
    if (entries.empty()) return std::nullopt;
    std::vector<Board> boards;
    boards.reserve(entries.size());
    for (const std::string& entry : entries) {
        Board board = setUp;
        if (!board.applyPositionEntry(entry) || !isProperArrangement(board)) return std::nullopt;
        if (boards.empty() ? board != setUp : !oneStepApart(boards.back(), board))
            return std::nullopt;
        boards.push_back(board);
    }
    return boards;
}

}  // namespace quellan
