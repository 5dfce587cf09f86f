#include "play/move_engine.h"

#include <array>

#include "play/occupancy.h"
#include "play/win_sequence.h"

namespace quellan {

namespace {

struct Step {
    int dx = 0;  // the piece's change of Left and Top, in twips
    int dy = 0;
    std::array<Point, 2> cells{};  // the cells it would newly cover
    int cellCount = 0;
};

// Finds the strip beside the piece that holds (tx, ty), in the order up,
// down, left, right; all bounds are strict.
std::optional<Step> stepToward(const Piece& piece, Footprint fp, float tx, float ty) {
    const int l = piece.left, t = piece.top;
    const int w = kCell * fp.w, h = kCell * fp.h;
    auto between = [](float v, int lo, int hi) {
        return static_cast<float>(lo) < v && v < static_cast<float>(hi);
    };
    Step step;
    if (between(tx, l, l + w) && between(ty, t - kCell, t)) {
        step.dy = -kCell;
        for (int k = 0; k < fp.w; ++k) step.cells[step.cellCount++] = {l + kCell * k, t - kCell};
    } else if (between(tx, l, l + w) && between(ty, t + h, t + h + kCell)) {
        step.dy = kCell;
        for (int k = 0; k < fp.w; ++k) step.cells[step.cellCount++] = {l + kCell * k, t + h};
    } else if (between(tx, l - kCell, l) && between(ty, t, t + h)) {
        step.dx = -kCell;
        for (int k = 0; k < fp.h; ++k) step.cells[step.cellCount++] = {l - kCell, t + kCell * k};
    } else if (between(tx, l + w, l + w + kCell) && between(ty, t, t + h)) {
        step.dx = kCell;
        for (int k = 0; k < fp.h; ++k) step.cells[step.cellCount++] = {l + w, t + kCell * k};
    } else {
        return std::nullopt;
    }
    return step;
}

bool tryStep(GameState& state, float tx, float ty) {
    const int index = state.selectedQZ;
    if (!isPieceIndex(index)) return false;
    Piece& piece = state.board.piece(index);
    Footprint fp = footprintOf(index, piece);
    if (fp.w == 0) return false;
    auto step = stepToward(piece, fp, tx, ty);
    if (!step) return false;
    for (int k = 0; k < step->cellCount; ++k) {
        const Point& c = step->cells[static_cast<size_t>(k)];
        if (CheckXY(state.board, index, static_cast<float>(c.left), static_cast<float>(c.top)) != 0)
            return false;
    }
    piece.left += step->dx;
    piece.top += step->dy;
    return true;
}

}  // namespace

MoveOutcome QZMove(GameState& state, GameHost& host, const GamePaths& paths, float tx, float ty) {
    if (state.selectedQZ == 0) return MoveOutcome::NoSelection;
    MoveOutcome outcome = MoveOutcome::Refused;
    if (tryStep(state, tx, ty)) {
        state.history.append(state.board.positionEntry());
        state.stepCount = state.history.steps();
        state.labels.steps = std::to_string(state.stepCount);
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
