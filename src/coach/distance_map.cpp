#include "coach/distance_map.h"

#include <limits>

namespace quellan {

using namespace packed;

namespace {

// Room for the positions of most layouts; the index grows for the rest.
inline constexpr std::size_t kIndexSlots = std::size_t{1} << 16;

}  // namespace

DistanceMap::DistanceMap(const Board& start) {
    const auto first = packBoard(start);
    if (!first) return;

    // Every reachable position, found breadth first, with the numbers of its
    // neighbours kept row by row so the second pass needs no look-ups.
    m_index = PositionIndex(kIndexSlots);
    std::vector<Position> positions{*first};
    std::vector<std::uint32_t> rowStart{0};
    std::vector<std::uint32_t> neighbours;
    positions.reserve(kIndexSlots / 2);
    neighbours.reserve(2 * kIndexSlots);
    m_index.insert(*first);
    for (std::size_t next = 0; next < positions.size(); ++next) {
        forEachStep(positions[next], [&](Position after) {
            const auto entry = m_index.insert(after);
            if (entry.added) positions.push_back(after);
            neighbours.push_back(entry.id);
        });
        rowStart.push_back(static_cast<std::uint32_t>(neighbours.size()));
    }

    // Steps are reversible, so the distance to the nearest solved position
    // is a breadth-first search from all of them at once.
    m_distances.assign(positions.size(), kNoWay);
    std::vector<std::uint32_t> queue;
    queue.reserve(positions.size());
    for (std::uint32_t id = 0; id < positions.size(); ++id) {
        if (isHome(positions[id])) {
            m_distances[id] = 0;
            queue.push_back(id);
        }
    }
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const std::uint32_t id = queue[next];
        const std::uint16_t further = static_cast<std::uint16_t>(m_distances[id] + 1);
        for (std::uint32_t k = rowStart[id]; k < rowStart[id + 1]; ++k) {
            const std::uint32_t other = neighbours[k];
            if (m_distances[other] != kNoWay) continue;
            m_distances[other] = further;
            queue.push_back(other);
        }
    }
}

std::optional<int> DistanceMap::distanceOf(Position pos) const {
    const std::uint32_t id = m_index.find(pos);
    if (id == PositionIndex::kAbsent || m_distances[id] == kNoWay) return std::nullopt;
    return m_distances[id];
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
    return sizeof(*this) + m_index.bytes() + m_distances.capacity() * sizeof(std::uint16_t);
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
