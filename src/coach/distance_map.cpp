#include "coach/distance_map.h"

#include <vector>

namespace quellan {

using namespace packed;

namespace {

// The working lists of a build. Each thread keeps its own between builds
// (at most about 3 MB, for the largest groups), so that the next build, and
// the workshop draws many, finds its memory ready instead of asking the
// system for every page again.
struct BuildSpace {
    std::vector<Position> positions;        // breadth first from the start
    std::vector<std::uint32_t> parents;     // the place each was found from
    std::vector<std::uint32_t> numbers;     // of the positions, then dense
    std::vector<std::uint32_t> rowStart;    // of each position's neighbours
    std::vector<std::uint32_t> neighbours;  // their places or numbers, then places
    std::vector<std::uint32_t> placeOf;     // by dense number; then a queue
    std::vector<std::uint16_t> distances;   // by place
};

// Room for the positions of most layouts; the lists grow for the rest.
inline constexpr std::size_t kUsualPositions = std::size_t{1} << 17;
inline constexpr std::size_t kUsualNeighbours = 4 * kUsualPositions;
// Marks a neighbour kept by its number (below 2^20) rather than its place.
inline constexpr std::uint32_t kByNumber = std::uint32_t{1} << 31;

BuildSpace& buildSpace() {
    thread_local BuildSpace space;
    space.positions.reserve(kUsualPositions);
    space.parents.reserve(kUsualPositions);
    space.numbers.reserve(kUsualPositions);
    space.rowStart.reserve(kUsualPositions);
    space.neighbours.reserve(kUsualNeighbours);
    space.positions.clear();
    space.parents.clear();
    space.numbers.clear();
    space.rowStart.clear();
    space.neighbours.clear();
    return space;
}

}  // namespace

DistanceMap::DistanceMap(const Board& start) {
    const auto first = packBoard(start);
    if (!first) return;
    BuildSpace& space = buildSpace();
    // Plain references, not a structured binding: the steps below are a
    // lambda, and not every compiler lets a lambda capture a binding.
    auto& positions = space.positions;
    auto& parents = space.parents;
    auto& numbers = space.numbers;
    auto& rowStart = space.rowStart;
    auto& neighbours = space.neighbours;
    auto& placeOf = space.placeOf;
    auto& distances = space.distances;

    // Every reachable position, found breadth first, with its neighbours
    // kept row by row so the second pass needs no spelling: by their places
    // in `positions` where known (the one found from and those found first
    // from here), otherwise by their numbers until the set is complete.
    m_numbering = PositionNumbering(lyingGenerals(*first));
    m_reached = RankSet(m_numbering.count());
    positions.push_back(*first);
    parents.push_back(0);
    numbers.push_back(m_numbering.numberOf(*first));
    rowStart.push_back(0);
    m_reached.insert(numbers[0]);
    for (std::uint32_t next = 0; next < positions.size(); ++next) {
        const std::uint32_t parent = parents[next];
        forEachStep(positions[next], [&](Position after) {
            if (after == positions[parent]) {
                neighbours.push_back(parent);
                return;
            }
            const std::uint32_t number = m_numbering.numberOf(after);
            if (!m_reached.insert(number)) {
                neighbours.push_back(number | kByNumber);
                return;
            }
            neighbours.push_back(static_cast<std::uint32_t>(positions.size()));
            positions.push_back(after);
            parents.push_back(next);
            numbers.push_back(number);
        });
        rowStart.push_back(static_cast<std::uint32_t>(neighbours.size()));
    }
    m_reached.number();

    // From here on a position goes by its place in `positions`.
    const auto count = static_cast<std::uint32_t>(positions.size());
    placeOf.resize(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        numbers[k] = m_reached.numberOfMember(numbers[k]);
        placeOf[numbers[k]] = k;
    }
    for (std::uint32_t& other : neighbours)
        if ((other & kByNumber) != 0) other = placeOf[m_reached.numberOfMember(other & ~kByNumber)];

    // Steps are reversible, so the distance to the nearest solved position
    // is a breadth-first search from all of them at once.
    distances.assign(count, kNoWay);
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
    for (std::uint32_t k = 0; k < count; ++k) m_distances[numbers[k]] = distances[k];
}

std::optional<int> DistanceMap::distanceOf(Position pos) const {
    if (!m_numbering.numbers(pos)) return std::nullopt;
    const auto number = m_reached.find(m_numbering.numberOf(pos));
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
