// Any bytes as a layout file, and after a NUL byte any bytes as its record
// file: setting the layout up through InitMap from real files must not
// crash and must leave the game either fully set up or plainly failed.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

#include "common/text_codec.h"
#include "common/text_file.h"
#include "common/texts.h"
#include "setup/layout_file.h"
#include "setup/layout_loader.h"
#include "setup/record_file.h"

using namespace quellan;

namespace {

class CountingHost : public GameHost {
  public:
    void playEffect(std::string_view) override { ++effects; }
    int musicOption() const override { return music::kSuspended; }
    void setMusicOption(int value) override { musicSetTo = value; }
    void showMessage(std::string_view text, MessageIcon, std::string_view) override {
        if (text == texts::kLoadFailed) ++failures;
    }
    std::string askText(std::string_view, std::string_view) override { return {}; }

    int effects = 0;
    int failures = 0;
    int musicSetTo = -1;
};

// One game folder for the whole run, below the temporary folder, removed
// when the run ends.
struct GameFolder {
    GameFolder()
        : paths{std::filesystem::temp_directory_path() /
                    ("quellan-fuzz-" + std::to_string(::getpid())),
                {}} {  // portable: the player's files beside the layouts
        std::filesystem::create_directories(paths.mapDir());
        std::filesystem::create_directories(paths.logDir());
    }
    ~GameFolder() {
        std::error_code ec;
        std::filesystem::remove_all(paths.appPath, ec);
    }
    GamePaths paths;
};

const GamePaths& gameFolder() {
    static const GameFolder folder;
    return folder.paths;
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool allVisible(const Board& board, bool visible) {
    for (int i = 1; i <= kPieceCount; ++i)
        if (board.piece(i).visible != visible) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view layout = input.substr(0, nul);
    const GamePaths& paths = gameFolder();
    const std::string name = "fuzz";
    writeFile(paths.layoutFile(name), layout);
    std::error_code ec;
    std::filesystem::remove(paths.recordFile(name), ec);
    std::optional<RecordContents> record;
    if (nul != std::string_view::npos) {
        const std::string_view recordBytes = input.substr(nul + 1);
        writeFile(paths.recordFile(name), recordBytes);
        record = parseRecordLines(splitLines(gb18030ToUtf8(recordBytes)));
    }

    GameState state;
    state.selectedQZ = 3;
    state.stepCount = 7;
    Board expected = state.board;
    const bool shouldLoad = applyLayoutBytes(expected, layout);
    CountingHost host;
    const bool loaded = InitMap(state, host, paths, name);

    if (loaded != shouldLoad || state.selectedQZ != 0 || state.stepCount != 0) __builtin_trap();
    if (loaded) {
        expected.setAllVisible(true);
        if (!(state.board == expected) || state.history.size() != 1 ||
            state.history.last() != state.board.positionEntry() || stepLabelText(state) != "0" ||
            host.effects != 1 || host.failures != 0 || host.musicSetTo != music::kOn)
            __builtin_trap();
    } else if (!allVisible(state.board, false) || !state.history.empty() || host.failures != 1 ||
               host.effects != 0 || host.musicSetTo != -1) {
        __builtin_trap();
    }
    const int best = record ? record->bestSteps() : 0;
    const std::string holder =
        record && record->holder ? *record->holder : std::string(texts::kNoRecord);
    if (state.bestSteps != best || state.labels.holder != holder) __builtin_trap();
    return 0;
}
