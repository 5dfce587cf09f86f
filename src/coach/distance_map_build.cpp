// How a distance map is built, in three passes over the positions of one
// layout: find them all with their neighbours (breadth first from the
// start), give every neighbour its index, then hand the distance on from
// the solved positions outwards. The words number, rank and index are
// those of position_numbering.h.
#include <algorithm>
#include <memory>

#include "coach/distance_map.h"

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
    T* entries() const { return m_entries.get(); }

  private:
    std::unique_ptr<T[]> m_entries;
    std::size_t m_room = 0;
};

// The working lists of a build, all by index unless said otherwise. Each
// thread keeps its own between builds (at most about 4 MB, for the largest
// groups), so that the next build, and the workshop draws many, finds its
// memory ready instead of asking the system for every page again.
struct BuildSpace {
    WorkList<Position> positions;        // breadth first from the start
    WorkList<std::uint32_t> parents;     // the index each was found from
    WorkList<std::uint8_t> backs;        // the bit of the step back there
    WorkList<std::uint32_t> numbers;     // the positions' numbers, then ranks
    WorkList<std::uint32_t> rowStart;    // of each position's neighbours
    WorkList<std::uint32_t> neighbours;  // their indices, or numbers for now
    WorkList<std::uint32_t> byNumber;    // where neighbours holds a number
    WorkList<std::uint32_t> indexOf;     // by rank
    WorkList<std::uint32_t> queue;       // of the search from solved positions
    WorkList<std::uint16_t> distances;
};

// Room for the positions of most layouts; the lists grow for the rest.
inline constexpr std::size_t kUsualPositions = std::size_t{1} << 17;
inline constexpr std::size_t kNeighboursEach = 4;  // on average, with room to spare
// What one position can add at most.
inline constexpr std::size_t kMostNew = step_detail::kMostSteps;

inline constexpr std::uint16_t kNoWay = DistanceMap::kNoWay;

BuildSpace& buildSpace() {
    thread_local BuildSpace space;
    return space;
}

// Appends `value` to `list` but keeps it only when `keep`: the entry is
// written either way and the count moves on only for a kept one. A search
// asks this of every neighbour, and whether it is new is no better than a
// guess: a branch on it would be mispredicted half the time.
template <class T>
inline void appendIf(bool keep, T* list, std::uint32_t& count, T value) {
    list[count] = value;
    count += static_cast<std::uint32_t>(keep);
}

// The first pass's lists for positions, as plain pointers into the space.
struct FoundLists {
    Position* positions;
    std::uint32_t* parents;
    std::uint8_t* backs;
    std::uint32_t* numbers;
    std::uint32_t* rowStart;
};

// Room for `needed` positions, keeping the `found` so far and the rows of
// the first `rows`.
FoundLists foundRoom(BuildSpace& space, std::size_t needed, std::size_t found, std::size_t rows) {
    return {space.positions.roomFor(needed, found), space.parents.roomFor(needed, found),
            space.backs.roomFor(needed, found), space.numbers.roomFor(needed, found),
            space.rowStart.roomFor(needed + 1, rows)};
}

// The first pass's lists for neighbours.
struct NeighbourLists {
    std::uint32_t* neighbours;
    std::uint32_t* byNumber;
};

NeighbourLists neighbourRoom(BuildSpace& space, std::size_t needed, std::size_t edges,
                             std::size_t heldByNumber) {
    return {space.neighbours.roomFor(needed, edges), space.byNumber.roomFor(needed, heldByNumber)};
}

// What the first pass leaves: how many positions it found, how many
// neighbour entries it wrote and how many of those hold a number.
struct Explored {
    std::uint32_t positions = 0;
    std::uint32_t edges = 0;
    std::uint32_t heldByNumber = 0;
};

// The first pass: every position reachable from `first`, found breadth
// first into `reached`, with its neighbours kept row by row so that no
// later pass needs a number: by their indices where known (the one found
// from and those found first from here), otherwise by their numbers until
// the set is complete. `numbering` is a copy the lists cannot share memory
// with, so its tables stay in registers.
Explored explore(Position first, const PositionNumbering& numberingOfMap, RankSet& reached,
                 BuildSpace& space) {
    const PositionNumbering numbering = numberingOfMap;
    FoundLists found = foundRoom(space, kUsualPositions, 0, 0);
    NeighbourLists edges = neighbourRoom(space, kNeighboursEach * kUsualPositions, 0, 0);
    found.positions[0] = first;
    found.parents[0] = 0;
    found.numbers[0] = numbering.numberOf(first);
    found.rowStart[0] = 0;
    reached.insert(found.numbers[0]);
    std::uint32_t positions = 1, edgeCount = 0, heldByNumber = 0;
    for (std::uint32_t next = 0; next < positions; ++next) {
        if (space.positions.room() < positions + kMostNew)
            found = foundRoom(space, positions + kMostNew, positions, next + 1);
        if (space.neighbours.room() < edgeCount + kMostNew)
            edges = neighbourRoom(space, edgeCount + kMostNew, edgeCount, heldByNumber);
        // The step back to the position this one was found from is known:
        // it is kept without being taken.
        const Position stepBack = next == 0 ? 0 : Position{1} << found.backs[next];
        if (next != 0) edges.neighbours[edgeCount++] = found.parents[next];
        forEachStepBut(found.positions[next], stepBack, [&](Position after, int back) {
            const std::uint32_t number = numbering.numberOf(after);
            const bool fresh = reached.insert(number);
            found.parents[positions] = next;
            found.numbers[positions] = number;
            found.backs[positions] = static_cast<std::uint8_t>(back);
            edges.neighbours[edgeCount] = fresh ? positions : number;
            appendIf(!fresh, edges.byNumber, heldByNumber, edgeCount);
            ++edgeCount;
            appendIf(fresh, found.positions, positions, after);
        });
        found.rowStart[next + 1] = edgeCount;
    }
    return {positions, edgeCount, heldByNumber};
}

// The second pass, once `reached` knows its ranks: every position's number
// becomes its rank, and every neighbour held by its number gets its index.
void indexNeighbours(const Explored& explored, const RankSet& reached, BuildSpace& space) {
    std::uint32_t* numbers = space.numbers.entries();
    std::uint32_t* neighbours = space.neighbours.entries();
    const std::uint32_t* byNumber = space.byNumber.entries();
    std::uint32_t* indexOf = space.indexOf.roomFor(explored.positions, 0);
    for (std::uint32_t k = 0; k < explored.positions; ++k) {
        numbers[k] = reached.rankOf(numbers[k]);
        indexOf[numbers[k]] = k;
    }
    for (std::uint32_t n = 0; n < explored.heldByNumber; ++n) {
        std::uint32_t& other = neighbours[byNumber[n]];
        other = indexOf[reached.rankOf(other)];
    }
}

// Puts every solved position in the queue at distance 0 and the rest at
// kNoWay; gives how many were queued.
std::uint32_t queueSolved(std::uint32_t count, BuildSpace& space) {
    const Position* positions = space.positions.entries();
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
    return queued;
}

// The rows the queue names next lie anywhere in memory: asks for them
// ahead of their turn, the start of a row sooner, then the row itself.
// Forced inline: GCC 12 drops the requests of a function it inlines by
// its own choice, and the build is a third slower without them.
[[gnu::always_inline]] inline void askAheadForRows(const std::uint32_t* queue, std::uint32_t next,
                                                   std::uint32_t end, const std::uint32_t* rowStart,
                                                   const std::uint32_t* neighbours) {
    if (next + 16 < end) __builtin_prefetch(&rowStart[queue[next + 16]]);
    if (next + 8 < end) __builtin_prefetch(&neighbours[rowStart[queue[next + 8]]]);
}

// The third pass. Steps are reversible, so the distance to the nearest
// solved position is a breadth-first search from all of them at once,
// level by level, so the distance handed on is known without a look-up.
// Every neighbour is queued as if unseen, and the queue keeps only the
// unseen. Gives the distances by index.
const std::uint16_t* measureDistances(std::uint32_t count, BuildSpace& space) {
    std::uint32_t queued = queueSolved(count, space);
    std::uint16_t* distances = space.distances.entries();
    std::uint32_t* queue = space.queue.entries();
    const std::uint32_t* rowStart = space.rowStart.entries();
    const std::uint32_t* neighbours = space.neighbours.entries();
    for (std::uint32_t begin = 0, further = 1; begin < queued; ++further) {
        const std::uint32_t end = queued;
        for (std::uint32_t next = begin; next < end; ++next) {
            askAheadForRows(queue, next, end, rowStart, neighbours);
            const std::uint32_t k = queue[next];
            for (std::uint32_t e = rowStart[k]; e < rowStart[k + 1]; ++e) {
                const std::uint32_t other = neighbours[e];
                const bool unseen = distances[other] == kNoWay;
                distances[other] = unseen ? static_cast<std::uint16_t>(further) : distances[other];
                appendIf(unseen, queue, queued, other);
            }
        }
        begin = end;
    }
    return distances;
}

}  // namespace

void releaseBuildMemory() { buildSpace() = BuildSpace{}; }

DistanceMap::DistanceMap(const Board& start) {
    const auto first = packBoard(start);
    if (!first) return;
    BuildSpace& space = buildSpace();
    m_numbering = PositionNumbering(lyingGenerals(*first));
    m_reached = RankSet(m_numbering.count());
    const Explored explored = explore(*first, m_numbering, m_reached, space);
    m_reached.rankMembers();
    indexNeighbours(explored, m_reached, space);
    const std::uint16_t* distances = measureDistances(explored.positions, space);
    const std::uint32_t* ranks = space.numbers.entries();
    m_distances.resize(explored.positions);
    for (std::uint32_t k = 0; k < explored.positions; ++k) m_distances[ranks[k]] = distances[k];
}

}  // namespace quellan
