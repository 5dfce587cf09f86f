#include "setup/game_state.h"

namespace quellan {

std::optional<std::string> stepLabelText(const GameState& state) {
    if (!state.hasLayout()) return std::nullopt;
    return std::to_string(state.stepCount);
}

}  // namespace quellan
