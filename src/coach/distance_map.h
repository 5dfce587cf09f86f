#pragma once
// The distance map of a layout: every position reachable from its set-up
// position with the fewest single-cell steps from there to a solved
// position. Built once when a layout is set up; afterwards every question
// about the board as it stands is a table look-up. Pieces of one kind are
// interchangeable. How it is built is distance_map_build.cpp; the words
// number, rank and index are those of position_numbering.h.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "coach/position_numbering.h"
#include "coach/rank_set.h"
#include "setup/board.h"
#include "setup/step.h"

namespace quellan {

class DistanceMap {
  public:
    // An empty map: it knows no position.
    DistanceMap() = default;

    // Maps every position reachable from `start`. A board that is not a
    // proper arrangement (pieces overlapping, off the grid or past the
    // edge, a general with equal sides) gives an empty map.
    explicit DistanceMap(const Board& start);

    // How many positions the map holds: every position reachable from the
    // start, the start included; 0 for an empty map.
    std::size_t positionCount() const { return m_distances.size(); }

    // The fewest steps from `board` to a solved position; nullopt when it
    // cannot be solved from there, or the map does not know the position.
    std::optional<int> stepsToSolve(const Board& board) const;

    // Every step of a piece of `board` that brings it one step nearer to a
    // solved position, by piece index and then up, down, left, right. Empty
    // at a solved position and where no solution is left.
    std::vector<BoardStep> bestSteps(const Board& board) const;

    // Calls `visit(pos, steps)` for every position that can be solved, with
    // its fewest steps.
    template <class Visit>
    void forEachSolvable(Visit&& visit) const {
        m_reached.forEach([&](std::uint32_t number, std::uint32_t rank) {
            if (m_distances[rank] != kNoWay)
                visit(m_numbering.positionOf(number), static_cast<int>(m_distances[rank]));
        });
    }

    // The memory the map keeps, in bytes.
    std::size_t bytes() const;

    // The distance of a position from which no solved position is reachable.
    static constexpr std::uint16_t kNoWay = 0xFFFF;

  private:
    std::optional<int> distanceOf(packed::Position pos) const;

    packed::PositionNumbering m_numbering;
    packed::RankSet m_reached;               // the numbers of the positions reachable
    std::vector<std::uint16_t> m_distances;  // by their ranks in that set
};

// Gives back the working memory the calling thread keeps between builds
// (see distance_map_build.cpp); its next build asks the system again.
// For a thread that builds one map now and then, not a run of them.
void releaseBuildMemory();

// One fewest-steps solution from `board`: the steps in order, each one of
// the best steps of the position before it. Empty when `board` is solved or
// cannot be solved.
std::vector<BoardStep> fewestStepsPath(const DistanceMap& map, Board board);

// Moves piece `step.piece` of `board` one cell in `step.direction`, without
// asking whether the cells are free.
void applyStep(Board& board, const BoardStep& step);

}  // namespace quellan
