#include "play/selection.h"

namespace quellan {

bool isOnBoard(float x, float y) {
    return x >= kBoardLeft && x <= kBoardRight && y >= kBoardTop && y <= kBoardBottom;
}

void QZ_GotFocus(GameState& state, GameHost& host, int index) {
    state.selectedQZ = static_cast<std::int16_t>(index);
    host.playEffect(effects::kSelect);
}

void QZ_LostFocus(GameState& state) { state.selectedQZ = 0; }

BoardPress classifyBoardPress(int button, float x, float y) {
    if (button != kLeftButton) return BoardPress::Ignored;
    return isOnBoard(x, y) ? BoardPress::Move : BoardPress::DragWindow;
}

}  // namespace quellan
