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
    // A record that cannot be written is lost without a word, as the game
    // always did: the player has already seen the result, the labels show it
    // for this session, and the old file stays whole.
    static_cast<void>(writeRecordFile(paths.recordFile(state.currentMap), name, state.history));
}

}  // namespace quellan
