#include "coach/coach_rules.h"

#include "common/texts.h"

namespace quellan {

void markAssisted(GameState& state) { state.assisted = true; }

std::string fewestStepsText(std::optional<int> steps, std::optional<int> pieceMoves) {
    if (!steps) return std::string(texts::kUnsolvable);
    std::string text = std::to_string(*steps);
    if (pieceMoves) text += "（" + std::to_string(*pieceMoves) + "）";
    return text;
}

StepsToGo stepsToGo(std::optional<int> before, std::optional<int> now) {
    StepsToGo line;
    line.text = now ? std::to_string(*now) : std::string(texts::kUnsolvable);
    // Losing the way to the exit counts as raising the distance.
    line.raised = before && (!now || *now > *before);
    return line;
}

Hint hintFor(const DistanceMap& map, const Board& board) {
    Hint hint;
    const auto steps = map.stepsToSolve(board);
    if (!steps) return hint;
    if (*steps == 0) {
        hint.kind = HintKind::Solved;
        return hint;
    }
    const auto best = map.bestSteps(board);
    if (best.empty()) return hint;
    hint.kind = HintKind::Step;
    hint.step = best.front();
    const Piece& piece = board.piece(hint.step.piece);
    hint.targetCell =
        stepOf({piece.left, piece.top}, footprintOf(hint.step.piece, piece), hint.step.direction)
            .entered[0];
    return hint;
}

}  // namespace quellan
