#include "play/move_engine.h"

#include <optional>

#include "play/occupancy.h"
#include "play/win_sequence.h"
#include "setup/step.h"

namespace quellan {

namespace {

// The strip beside a piece toward one direction is the block of cells that
// step would enter; a press strictly inside it asks for that step.
bool inStrip(const PieceStep& step, float tx, float ty) {
    const Point first = step.entered[0];
    const Point last = step.entered[static_cast<std::size_t>(step.enteredCount - 1)];
    auto between = [](float v, int lo, int hi) {
        return static_cast<float>(lo) < v && v < static_cast<float>(hi);
    };
    return between(tx, first.left, last.left + kCell) && between(ty, first.top, last.top + kCell);
}

// Finds the strip that holds (tx, ty), in the order up, down, left, right.
std::optional<PieceStep> stepToward(const Piece& piece, Footprint fp, float tx, float ty) {
    for (Direction d : kDirections) {
        const PieceStep step = stepOf({piece.left, piece.top}, fp, d);
        if (inStrip(step, tx, ty)) return step;
    }
    return std::nullopt;
}

bool tryStep(GameState& state, float tx, float ty) {
    const int index = state.selectedQZ;
    if (!isPieceIndex(index)) return false;
    Piece& piece = state.board.piece(index);
    Footprint fp = footprintOf(index, piece);
    if (fp.w == 0) return false;
    auto step = stepToward(piece, fp, tx, ty);
    if (!step) return false;
    for (int k = 0; k < step->enteredCount; ++k) {
        const Point& c = step->entered[static_cast<size_t>(k)];
        if (CheckXY(state.board, index, static_cast<float>(c.left), static_cast<float>(c.top)) != 0)
            return false;
    }
    piece.left = step->to.left;
    piece.top = step->to.top;
    return true;
}

}  // namespace

MoveOutcome QZMove(GameState& state, GameHost& host, const GamePaths& paths, float tx, float ty) {
    if (state.selectedQZ == 0) return MoveOutcome::NoSelection;
    MoveOutcome outcome = MoveOutcome::Refused;
    if (tryStep(state, tx, ty)) {
        state.history.append(state.board.positionEntry());
        state.stepCount = state.history.steps();
        if (isSolved(state.board)) {
            runWinSequence(state, host, paths);
            outcome = MoveOutcome::Solved;
        } else {
            host.playEffect(effects::kMove);
            outcome = MoveOutcome::Moved;
        }
    }
    state.selectedQZ = 0;
    return outcome;
}

}  // namespace quellan
