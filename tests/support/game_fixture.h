#pragma once
// A game folder in a temporary directory with a fake host: what the loader,
// the move engine and the win rules need to run end to end without a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_codec.h"
#include "common/text_file.h"
#include "play/move_engine.h"
#include "setup/game_state.h"
#include "setup/layout_loader.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace quellan::testing {

inline const std::vector<std::string>& classicLayoutLines() {
    static const std::vector<std::string> lines = {"1,0,2",  "2,0,10", "3,1,1",  "4,1,4",
                                                   "5,1,9",  "6,1,12", "7,0,14", "8,0,15",
                                                   "9,0,17", "10,0,20"};
    return lines;
}

// The commander covers cells 10, 11, 14 and 15 and cells 18 and 19 are free:
// one step down solves the puzzle. Soldiers 7 and 8 stand right above the
// commander, soldier 9 at 17 beside the exit.
inline const std::vector<std::string>& nearlySolvedLayoutLines() {
    static const std::vector<std::string> lines = {"1,0,10", "2,0,2", "3,1,1", "4,1,4",  "5,1,9",
                                                   "6,1,12", "7,0,6", "8,0,7", "9,0,17", "10,0,20"};
    return lines;
}

class GameFixture : public ::testing::Test {
  protected:
    GameFixture() {
        paths.appPath = dir.path();
        std::filesystem::create_directories(paths.logDir());
    }

    // Writes layout `name` with the given UTF-8 lines (GB18030, CR LF).
    void writeLayout(const std::string& name, const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        dir.write(std::filesystem::path("map") / pathFromUtf8(name + ".qlp"), utf8ToGb18030(text));
    }
    void writeRecord(const std::string& name, const std::string& utf8Text) {
        dir.write(std::filesystem::path("log") / pathFromUtf8(name + ".log"),
                  utf8ToGb18030(utf8Text));
    }
    std::string recordText(const std::string& name) {
        return gb18030ToUtf8(readAll(paths.recordFile(name)));
    }
    bool load(const std::string& name) { return InitMap(state, host, paths, name); }
    // Selects piece `index` and presses the board at (x, y), as a player would.
    MoveOutcome press(int index, float x, float y) {
        state.selectedQZ = static_cast<std::int16_t>(index);
        return QZMove(state, host, paths, x, y);
    }
    // Sets layout `name` up from `lines` and forgets what the set-up asked for.
    void setUp(const std::string& name, const std::vector<std::string>& lines) {
        writeLayout(name, lines);
        ASSERT_TRUE(load(name));
        host.clearLog();
    }

    TempDir dir;
    GamePaths paths;
    GameState state;
    FakeHost host;
};

}  // namespace quellan::testing
