#include "play/undo.h"

#include "common/texts.h"

namespace quellan {

bool undoMove(GameState& state, GameHost& host) {
    if (state.history.size() <= 1) {
        host.showMessage(texts::kCannotUndo, MessageIcon::None, texts::kAppTitle);
        return false;
    }
    state.history.removeLast();
    state.board.applyPositionEntry(state.history.last());
    state.stepCount = state.history.steps();
    state.labels.steps = std::to_string(state.stepCount);
    host.playEffect(effects::kMove);
    return true;
}

}  // namespace quellan
