#include "coach/distance_map.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace quellan {

using namespace packed;

namespace {

// A working list written through a plain pointer, its room checked by the
// caller once a position rather than once an entry. Its memory is not
// cleared when it grows: a page the build never writes is never taken from
// the system.
template <class T>
class WorkList {
  public:
    // Makes room for `needed` entries, doubling, keeping the first `kept`.
    T* roomFor(std::size_t needed, std::size_t kept) {
        if (m_room < needed) {
            const std::size_t room = std::max(needed, 2 * m_room);
            auto fresh = std::make_unique_for_overwrite<T[]>(room);
            std::copy_n(m_entries.get(), std::min(kept, m_room), fresh.get());
            m_entries = std::move(fresh);
            m_room = room;
        }
        return m_entries.get();
    }
    std::size_t room() const { return m_room; }

  private:
    std::unique_ptr<T[]> m_entries;
    std::size_t m_room = 0;
};

// The working lists of a build. Each thread keeps its own between builds
// (at most about 4 MB, for the largest groups), so that the next build, and
// the workshop draws many, finds its memory ready instead of asking the
// system for every page again.
struct BuildSpace {
    WorkList<Position> positions;        // breadth first from the start
    WorkList<std::uint32_t> parents;     // the place each was found from
    WorkList<std::uint8_t> backs;        // the bit of the step back there
    WorkList<std::uint32_t> numbers;     // of the positions, then dense
    WorkList<std::uint32_t> rowStart;    // of each position's neighbours
    WorkList<std::uint32_t> neighbours;  // their places, or numbers for now
    WorkList<std::uint32_t> byNumber;    // where neighbours holds a number
    WorkList<std::uint32_t> placeOf;     // by dense number
    WorkList<std::uint32_t> queue;       // of the search from solved positions
    WorkList<std::uint16_t> distances;   // by place
};

// Room for the positions of most layouts; the lists grow for the rest.
inline constexpr std::size_t kUsualPositions = std::size_t{1} << 17;
inline constexpr std::size_t kNeighboursEach = 4;  // on average, with room to spare
// What one position can add at most.
inline constexpr std::size_t kMostNew = step_detail::kMostSteps;

BuildSpace& buildSpace() {
    thread_local BuildSpace space;
    return space;
}

}  // namespace

void releaseBuildMemory() { buildSpace() = BuildSpace{}; }

DistanceMap::DistanceMap(const Board& start) {
    const auto first = packBoard(start);
    if (!first) return;
    BuildSpace& space = buildSpace();
    m_numbering = PositionNumbering(lyingGenerals(*first));
    m_reached = RankSet(m_numbering.count());

    // Every reachable position, found breadth first, with its neighbours
    // kept row by row so the second pass needs no spelling: by their places
    // in `positions` where known (the one found from and those found first
    // from here), otherwise by their numbers until the set is complete. No
    // branch decides what a neighbour is: every one is written as if new,
    // and the count moves on only for the new ones.
    Position* positions = space.positions.roomFor(kUsualPositions, 0);
    std::uint32_t* parents = space.parents.roomFor(kUsualPositions, 0);
    std::uint8_t* backs = space.backs.roomFor(kUsualPositions, 0);
    std::uint32_t* numbers = space.numbers.roomFor(kUsualPositions, 0);
    std::uint32_t* rowStart = space.rowStart.roomFor(kUsualPositions + 1, 0);
    std::uint32_t* neighbours = space.neighbours.roomFor(kNeighboursEach * kUsualPositions, 0);
    std::uint32_t* byNumber = space.byNumber.roomFor(kNeighboursEach * kUsualPositions, 0);
    positions[0] = *first;
    parents[0] = 0;
    numbers[0] = m_numbering.numberOf(*first);
    rowStart[0] = 0;
    m_reached.insert(numbers[0]);
    // A copy the lists written below cannot share memory with, so its
    // tables stay in registers.
    const PositionNumbering numbering = m_numbering;
    std::uint32_t found = 1, edges = 0, kept = 0;
    for (std::uint32_t next = 0; next < found; ++next) {
        if (space.positions.room() < found + kMostNew) {
            positions = space.positions.roomFor(found + kMostNew, found);
            parents = space.parents.roomFor(found + kMostNew, found);
            backs = space.backs.roomFor(found + kMostNew, found);
            numbers = space.numbers.roomFor(found + kMostNew, found);
            rowStart = space.rowStart.roomFor(found + kMostNew + 1, next + 1);
        }
        if (space.neighbours.room() < edges + kMostNew) {
            neighbours = space.neighbours.roomFor(edges + kMostNew, edges);
            byNumber = space.byNumber.roomFor(edges + kMostNew, kept);
        }
        // The step back to the position this one was found from is known:
        // it is kept without being taken.
        if (next != 0) neighbours[edges++] = parents[next];
        const Position skip = next == 0 ? 0 : Position{1} << backs[next];
        forEachStepBut(positions[next], skip, [&](Position after, int back) {
            const std::uint32_t number = numbering.numberOf(after);
            const bool fresh = m_reached.insert(number);
            positions[found] = after;
            parents[found] = next;
            numbers[found] = number;
            backs[found] = static_cast<std::uint8_t>(back);
            neighbours[edges] = fresh ? found : number;
            byNumber[kept] = edges;
            kept += !fresh;
            found += fresh;
            ++edges;
        });
        rowStart[next + 1] = edges;
    }
    m_reached.number();

    // From here on a position goes by its place in `positions`.
    const std::uint32_t count = found;
    std::uint32_t* placeOf = space.placeOf.roomFor(count, 0);
    for (std::uint32_t k = 0; k < count; ++k) {
        numbers[k] = m_reached.numberOfMember(numbers[k]);
        placeOf[numbers[k]] = k;
    }
    for (std::uint32_t n = 0; n < kept; ++n) {
        std::uint32_t& other = neighbours[byNumber[n]];
        other = placeOf[m_reached.numberOfMember(other)];
    }

    // Steps are reversible, so the distance to the nearest solved position
    // is a breadth-first search from all of them at once. Every neighbour
    // is queued as if unseen, and the queue grows only for the unseen.
    std::uint16_t* distances = space.distances.roomFor(count, 0);
    std::uint32_t* queue = space.queue.roomFor(count + kMostNew, 0);
    std::fill(distances, distances + count, kNoWay);
    std::uint32_t queued = 0;
    for (std::uint32_t k = 0; k < count; ++k) {
        if (isHome(positions[k])) {
            distances[k] = 0;
            queue[queued++] = k;
        }
    }
    // Level by level, so the distance handed on is known without a look-up.
    for (std::uint32_t begin = 0, further = 1; begin < queued; ++further) {
        const std::uint32_t end = queued;
        for (std::uint32_t next = begin; next < end; ++next) {
            const std::uint32_t k = queue[next];
            // The queue says which rows come next, and they lie anywhere:
            // ask for them ahead, the start of a row first, then the row.
            if (next + 16 < end) __builtin_prefetch(&rowStart[queue[next + 16]]);
            if (next + 8 < end) __builtin_prefetch(&neighbours[rowStart[queue[next + 8]]]);
            for (std::uint32_t e = rowStart[k]; e < rowStart[k + 1]; ++e) {
                const std::uint32_t other = neighbours[e];
                const bool unseen = distances[other] == kNoWay;
                distances[other] = unseen ? static_cast<std::uint16_t>(further) : distances[other];
                queue[queued] = other;
                queued += unseen;
            }
        }
        begin = end;
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
