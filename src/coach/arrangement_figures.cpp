#include "coach/arrangement_figures.h"

#include "coach/piece_moves.h"
#include "coach/share_code.h"

namespace quellan {

LayoutFigures layoutFiguresOf(const Board& board) {
    LayoutFigures known{DistanceMap(board), {}};
    ArrangementFigures& figures = known.figures;
    figures.fewestSteps = known.map.stepsToSolve(board);
    figures.reachable = known.map.positionCount();
    if (figures.fewestSteps) figures.fewestPieceMoves = fewestPieceMoves(board);
    figures.shareCode = shareCodeOf(board).value_or(std::string());
    return known;
}

ArrangementFigures figuresOf(const Board& board) { return layoutFiguresOf(board).figures; }

std::string solvabilityText(const ArrangementFigures& figures) {
    if (!figures.fewestSteps) return "无解：曹操到不了出口";
    std::string text = "可解：最少 " + std::to_string(*figures.fewestSteps) + " 步";
    if (figures.fewestPieceMoves)
        text += "（整子移动 " + std::to_string(*figures.fewestPieceMoves) + " 步）";
    return text;
}

std::string reachableText(const ArrangementFigures& figures) {
    return "可到达的局面：" + std::to_string(figures.reachable) + " 个";
}

}  // namespace quellan
