#include "setup/layout_loader.h"

#include "common/text_file.h"
#include "common/texts.h"
#include "setup/layout_file.h"
#include "setup/record_file.h"

namespace quellan {

void loadRecordInfo(GameState& state, const GamePaths& paths, const std::string& name) {
    state.labels.bestSteps = texts::kNoRecord;
    state.labels.holder = texts::kNoRecord;
    state.labels.holderTip.clear();
    state.bestSteps = 0;
    // A record file that exists but cannot be read counts as no record.
    auto record = readRecordFile(paths.recordFile(name));
    if (!record) return;
    if (record->holder) {
        state.labels.holder = *record->holder;
        state.labels.holderTip = *record->holder;
    }
    state.bestSteps = record->bestSteps();
    state.labels.bestSteps = std::to_string(state.bestSteps);
}

namespace {

// The end of every set-up: the pieces show, history entry 0 is written,
// the set-up sound plays and music suspended after a win comes back.
void finishSetUp(GameState& state, GameHost& host) {
    state.board.setAllVisible(true);
    state.history.append(state.board.positionEntry());
    host.playEffect(effects::kInit);
    if (host.musicOption() == music::kSuspended) host.setMusicOption(music::kOn);
}

}  // namespace

bool InitMap(GameState& state, GameHost& host, const GamePaths& paths, const std::string& name) {
    state.currentMap = name;
    state.board.setAllVisible(false);
    state.history.clear();
    state.selectedQZ = 0;
    state.assisted = false;
    state.trial = false;
    loadRecordInfo(state, paths, name);
    state.stepCount = 0;

    auto bytes = readFileBytes(paths.layoutFile(name));
    if (!bytes || !applyLayoutBytes(state.board, *bytes)) {
        host.showMessage(texts::kLoadFailed, MessageIcon::Stop, texts::kAppTitle);
        return false;
    }

    finishSetUp(state, host);
    return true;
}

void setUpTrial(GameState& state, GameHost& host, const Board& arrangement) {
    state.board = arrangement;
    state.history.clear();
    state.selectedQZ = 0;
    state.assisted = false;
    state.trial = true;
    state.labels.bestSteps = texts::kNoRecord;
    state.labels.holder = texts::kNoRecord;
    state.labels.holderTip.clear();
    state.bestSteps = 0;
    state.stepCount = 0;
    finishSetUp(state, host);
}

}  // namespace quellan
