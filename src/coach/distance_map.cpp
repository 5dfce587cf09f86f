#include "coach/distance_map.h"

#include <vector>

namespace quellan {

using namespace packed;

std::optional<int> DistanceMap::distanceOf(Position pos) const {
    if (!m_numbering.numbers(pos)) return std::nullopt;
    const auto rank = m_reached.find(m_numbering.numberOf(pos));
    if (!rank || m_distances[*rank] == kNoWay) return std::nullopt;
    return m_distances[*rank];
}

std::optional<int> DistanceMap::stepsToSolve(const Board& board) const {
    if (m_distances.empty()) return std::nullopt;
    const auto pos = packBoard(board);
    if (!pos) return std::nullopt;
    return distanceOf(*pos);
}

std::vector<BoardStep> DistanceMap::bestSteps(const Board& board) const {
    std::vector<BoardStep> steps;
    if (m_distances.empty()) return steps;
    const auto pos = packBoard(board);
    if (!pos) return steps;
    const auto here = distanceOf(*pos);
    if (!here || *here == 0) return steps;
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& piece = board.piece(i);
        const int code = codeOfPiece(i, footprintOf(i, piece));
        const int cell = cellOfPiece(piece);
        for (int d = 0; d < kDirectionCount; ++d) {
            const Position after = stepped(*pos, code, cell, d);
            if (after == 0) continue;
            const auto there = distanceOf(after);
            if (there && *there == *here - 1)
                steps.push_back({i, kDirections[static_cast<std::size_t>(d)]});
        }
    }
    return steps;
}

std::size_t DistanceMap::bytes() const {
    return sizeof(*this) + m_reached.bytes() + m_distances.capacity() * sizeof(std::uint16_t);
}

std::vector<BoardStep> fewestStepsPath(const DistanceMap& map, Board board) {
    std::vector<BoardStep> path;
    for (auto best = map.bestSteps(board); !best.empty(); best = map.bestSteps(board)) {
        path.push_back(best.front());
        applyStep(board, best.front());
    }
    return path;
}

void applyStep(Board& board, const BoardStep& step) {
    Piece& piece = board.piece(step.piece);
    const PieceStep move =
        stepOf({piece.left, piece.top}, footprintOf(step.piece, piece), step.direction);
    piece.left = move.to.left;
    piece.top = move.to.top;
}

}  // namespace quellan
