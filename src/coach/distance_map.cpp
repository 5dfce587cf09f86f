#include "coach/distance_map.h"

#include <vector>

namespace quellan {

using namespace packed;

namespace {

// Room for the positions of most layouts; the queue grows for the rest.
inline constexpr std::size_t kUsualPositions = std::size_t{1} << 16;

}  // namespace

DistanceMap::DistanceMap(const Board& start) {
    const auto first = packBoard(start);
    if (!first) return;

    // Every reachable position, found breadth first, with the numbers of
    // its neighbours kept row by row so the second pass needs no spelling.
    m_lying = lyingGenerals(*first);
    m_reached = RankSet(rankCount(m_lying));
    std::vector<Position> positions{*first};
    std::vector<std::uint32_t> ranks{rankOf(*first, m_lying)};
    std::vector<std::uint32_t> rowStart{0};
    std::vector<std::uint32_t> neighbours;
    positions.reserve(kUsualPositions);
    ranks.reserve(kUsualPositions);
    rowStart.reserve(kUsualPositions);
    neighbours.reserve(4 * kUsualPositions);
    m_reached.insert(ranks[0]);
    for (std::size_t next = 0; next < positions.size(); ++next) {
        forEachStep(positions[next], [&](Position after) {
            const std::uint32_t rank = rankOf(after, m_lying);
            neighbours.push_back(rank);
            if (!m_reached.insert(rank)) return;
            positions.push_back(after);
            ranks.push_back(rank);
        });
        rowStart.push_back(static_cast<std::uint32_t>(neighbours.size()));
    }
    m_reached.number();

    // From here on a position goes by its place in `positions`.
    const auto count = static_cast<std::uint32_t>(positions.size());
    std::vector<std::uint32_t> placeOf(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        ranks[k] = m_reached.numberOfMember(ranks[k]);
        placeOf[ranks[k]] = k;
    }
    for (std::uint32_t& other : neighbours) other = placeOf[m_reached.numberOfMember(other)];

    // Steps are reversible, so the distance to the nearest solved position
    // is a breadth-first search from all of them at once.
    std::vector<std::uint16_t> distances(count, kNoWay);
    std::vector<std::uint32_t>& queue = placeOf;  // no longer needed as it was
    queue.clear();
    for (std::uint32_t k = 0; k < count; ++k) {
        if (isHome(positions[k])) {
            distances[k] = 0;
            queue.push_back(k);
        }
    }
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const std::uint32_t k = queue[next];
        const auto further = static_cast<std::uint16_t>(distances[k] + 1);
        for (std::uint32_t e = rowStart[k]; e < rowStart[k + 1]; ++e) {
            const std::uint32_t other = neighbours[e];
            if (distances[other] != kNoWay) continue;
            distances[other] = further;
            queue.push_back(other);
        }
    }
    m_distances.resize(count);
    for (std::uint32_t k = 0; k < count; ++k) m_distances[ranks[k]] = distances[k];
}

std::optional<int> DistanceMap::distanceOf(Position pos) const {
    if (lyingGenerals(pos) != m_lying) return std::nullopt;
    const auto number = m_reached.find(rankOf(pos, m_lying));
    if (!number || m_distances[*number] == kNoWay) return std::nullopt;
    return m_distances[*number];
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
