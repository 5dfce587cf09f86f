#pragma once
// What the workshop tells about a proper arrangement while the player
// builds it: whether it can be solved, in how many single-cell steps and
// whole-piece moves, how many positions can be reached from it, and its
// share code.
#include <cstddef>
#include <optional>
#include <string>

#include "coach/distance_map.h"
#include "setup/board.h"

namespace quellan {

struct ArrangementFigures {
    std::optional<int> fewestSteps;  // nullopt: it cannot be solved
    std::optional<int> fewestPieceMoves;
    std::size_t reachable = 0;
    std::string shareCode;
};

// The figures of a proper arrangement (a few milliseconds: one distance map
// and one whole-piece search).
ArrangementFigures figuresOf(const Board& board);

// The same figures with the distance map they were read from, which the
// coach keeps for its hints and the steps to go.
struct LayoutFigures {
    DistanceMap map;
    ArrangementFigures figures;
};
LayoutFigures layoutFiguresOf(const Board& board);

// "可解：最少 116 步（整子移动 81 步）" or "无解：曹操到不了出口".
std::string solvabilityText(const ArrangementFigures& figures);
// "可到达的局面：25955 个".
std::string reachableText(const ArrangementFigures& figures);

}  // namespace quellan
