#include "play/win_sequence.h"

#include "common/texts.h"
#include "setup/record_file.h"

namespace quellan {

bool isNewRecord(const GameState& state, const GamePaths& paths) {
    if (!readRecordFile(paths.recordFile(state.currentMap))) return true;
    return state.stepCount < state.bestSteps;
}

void runWinSequence(GameState& state, GameHost& host, const GamePaths& paths) {
    if (host.musicOption() == music::kOn) host.setMusicOption(music::kSuspended);
    host.playEffect(effects::kSolved);
    // A game the coach helped in is congratulated but never recorded.
    if (state.assisted) {
        host.showMessage(texts::kSolvedAssisted, MessageIcon::None, texts::kAppTitle);
        return;
    }
    // An arrangement tried out from the workshop has no file to name a
    // record after.
    if (state.trial) {
        host.showMessage(texts::kSolvedTrial, MessageIcon::None, texts::kAppTitle);
        return;
    }
    host.showMessage(texts::kSolved, MessageIcon::None, texts::kAppTitle);
    if (!isNewRecord(state, paths)) return;

    // The player cannot leave the box without a name: cancelling gives an
    // empty answer, and an empty answer asks again.
    std::string name;
    while (name.empty())
        name = cleanPlayerName(host.askText(texts::kRecordPrompt, texts::kRecordTitle));

    state.bestSteps = state.stepCount;
    state.labels.bestSteps = std::to_string(state.bestSteps);
    state.labels.holder = name;
    state.labels.holderTip = name;
    // The labels show the new record for this session either way. A record
    // that cannot be written (a game folder the player may not write to, a
    // full disk) is reported, so the player knows it is not kept; the old
    // file stays whole. The folder may have gone since start-up, so it is
    // made again first.
    createPlayerFolders(paths);
    if (!writeRecordFile(paths.recordFile(state.currentMap), name, state.history))
        host.showMessage(texts::kRecordSaveFailed, MessageIcon::Stop, texts::kAppTitle);
}

}  // namespace quellan
