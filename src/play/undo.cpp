#include "play/undo.h"

#include "common/texts.h"

namespace quellan {

bool undoMove(GameState& state, GameHost& host) {
    if (state.history.size() <= 1) {
        host.showMessage(texts::kCannotUndo, MessageIcon::None, texts::kAppTitle);
        return false;
    }
    state.history.removeLast();
    // The history holds only entries the board wrote itself: they always apply.
    static_cast<void>(state.board.applyPositionEntry(state.history.last()));
    state.stepCount = state.history.steps();
    host.playEffect(effects::kMove);
    return true;
}

}  // namespace quellan
