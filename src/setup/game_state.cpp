#include "setup/game_state.h"

#include "common/text_file.h"

namespace quellan {

std::filesystem::path GamePaths::layoutFile(const std::string& name) const {
    return mapDir() / pathFromUtf8(name + ".qlp");
}

std::filesystem::path GamePaths::recordFile(const std::string& name) const {
    return logDir() / pathFromUtf8(name + ".log");
}

std::optional<std::string> stepLabelText(const GameState& state) {
    if (!state.hasLayout()) return std::nullopt;
    return std::to_string(state.stepCount);
}

}  // namespace quellan
