#include "play/win_sequence.h"

#include <gtest/gtest.h>

#include "common/texts.h"
#include "play/move_engine.h"
#include "play/undo.h"
#include "setup/record_file.h"
#include "support/full_disk.h"
#include "support/game_fixture.h"

namespace quellan {
namespace {

using namespace quellan::testing;

class WinSequence : public GameFixture {
  protected:
    void SetUp() override { setUp("近", nearlySolvedLayoutLines()); }
    MoveOutcome solve() { return press(1, 1800, 4500); }
};

TEST_F(WinSequence, AFirstSolutionAsksForTheNameAndWritesTheWholePath) {
    host.music = music::kOn;
    host.answers = {"  A  "};
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(host.log, (std::vector<std::string>{"music 2", "effect /sound/overpass.wav",
                                                  "message 恭喜过关~ | Quellan | 0",
                                                  "ask Quellan - 新的最佳步数记录"}));
    EXPECT_EQ(host.lastPrompt, "您创造了一个新的记录！\r\n请输入您的尊姓大名。");
    EXPECT_EQ(state.bestSteps, 1);
    EXPECT_EQ(state.labels.bestSteps, "1");
    EXPECT_EQ(state.labels.holder, "A");
    EXPECT_EQ(state.labels.holderTip, "A");
    EXPECT_EQ(recordText("近"), "\"玩家：A\"\r\n\"" + state.history.entry(0) + "\"\r\n\"" +
                                    state.history.entry(1) + "\"\r\n");
}

TEST_F(WinSequence, EmptyAndCancelledAnswersAskAgain) {
    host.answers = {"", "   ", "\r\n", "B"};
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "ask Quellan - 新的最佳步数记录"), 4);
    EXPECT_EQ(state.labels.holder, "B");
}

TEST_F(WinSequence, MusicOffStaysOff) {
    host.music = music::kOff;
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(host.log.at(0), "effect /sound/overpass.wav");
    EXPECT_EQ(host.music, music::kOff);
}

TEST_F(WinSequence, AnEqualResultIsNoRecord) {
    writeRecord("近", "\"玩家：Old\"\r\n\"a\"\r\n\"b\"\r\n");  // one step on record
    ASSERT_TRUE(load("近"));
    ASSERT_EQ(state.bestSteps, 1);
    host.clearLog();
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(host.log.back(), "message 恭喜过关~ | Quellan | 0");
    EXPECT_EQ(state.labels.holder, "Old");
    EXPECT_EQ(recordText("近"), "\"玩家：Old\"\r\n\"a\"\r\n\"b\"\r\n");
}

TEST_F(WinSequence, AnAssistedWinIsCongratulatedButNeverRecorded) {
    writeRecord("近", "\"玩家：Old\"\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n");  // two steps
    ASSERT_TRUE(load("近"));
    state.assisted = true;
    host.clearLog();
    host.music = music::kOn;
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(host.log,
              (std::vector<std::string>{
                  "music 2", "effect /sound/overpass.wav",
                  "message 恭喜过关~\n本局用过提示或演示，成绩不计入记录。 | Quellan | 0"}));
    EXPECT_EQ(state.labels.holder, "Old");
    EXPECT_EQ(recordText("近"), "\"玩家：Old\"\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n");

    // Setting the layout up again starts an honest game.
    ASSERT_TRUE(load("近"));
    EXPECT_FALSE(state.assisted);
}

TEST_F(WinSequence, AFewerStepsResultReplacesTheRecord) {
    writeRecord("近", "\"玩家：Old\"\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n");  // two steps
    ASSERT_TRUE(load("近"));
    host.answers = {"New"};
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(host.log.back(), "ask Quellan - 新的最佳步数记录");
    EXPECT_EQ(state.labels.bestSteps, "1");
    EXPECT_EQ(recordText("近"), "\"玩家：New\"\r\n\"" + state.history.entry(0) + "\"\r\n\"" +
                                    state.history.entry(1) + "\"\r\n");
}

TEST_F(WinSequence, UndoneMovesAreLeftOutOfTheRecord) {
    ASSERT_EQ(press(7, 1800, 4500), MoveOutcome::Refused);      // 18 is below the commander
    ASSERT_EQ(press(9, 1350 + 450, 4500), MoveOutcome::Moved);  // soldier 9 right into 18
    const std::string undone = state.history.last();
    ASSERT_TRUE(undoMove(state, host));
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(recordText("近").find(undone), std::string::npos);
    auto r = readRecordFile(paths.recordFile("近"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->positionLines, state.stepCount + 1);
}

TEST_F(WinSequence, ARecordWithoutPositionLinesIsNeverBeaten) {
    writeRecord("近", "\"玩家：Nobody\"\r\n");
    ASSERT_TRUE(load("近"));
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(host.log.back(), "message 恭喜过关~ | Quellan | 0");
    EXPECT_EQ(recordText("近"), "\"玩家：Nobody\"\r\n");
}

TEST_F(WinSequence, MovingAnotherPieceWhileSolvedWinsAgain) {
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    host.clearLog();
    // Soldier 7 above the commander's old place steps down into cell 10.
    ASSERT_EQ(press(7, 1800, 2700), MoveOutcome::Solved);
    EXPECT_EQ(host.log.at(0), "effect /sound/overpass.wav");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "effect /sound/move.wav"), 0);
    EXPECT_EQ(state.stepCount, 2);
}

TEST_F(WinSequence, ARecordThatCannotBeWrittenIsReportedAndTheOldOneKept) {
    writeRecord("近", "\"玩家：Old\"\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n");
    ASSERT_TRUE(load("近"));
    host.clearLog();
    const std::string before = readAll(paths.recordFile("近"));
    host.answers = {"New"};
    {
        FullDisk full;
        if (!full.works()) GTEST_SKIP() << "no file size limit on this system";
        ASSERT_EQ(solve(), MoveOutcome::Solved);
    }
    EXPECT_EQ(state.labels.holder, "New");  // shown for this session anyway
    EXPECT_EQ(host.log.back(), "message " + std::string(texts::kRecordSaveFailed) +
                                   " | Quellan | " +
                                   std::to_string(static_cast<int>(MessageIcon::Stop)));
    EXPECT_EQ(readAll(paths.recordFile("近")), before);
}

TEST_F(WinSequence, ALogFolderRemovedSinceStartUpIsMadeAgainForTheRecord) {
    std::filesystem::remove_all(paths.logDir());
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(host.log.back(), "ask Quellan - 新的最佳步数记录");  // nothing to report
    EXPECT_TRUE(isRegularFile(paths.recordFile("近")));
}

// An installed copy reads the layout from its shipped data and keeps the
// record in the player's own folder.
TEST_F(WinSequence, AnInstalledCopyKeepsTheRecordInThePlayersFolder) {
    paths.playerPath = dir.path() / "player";
    ASSERT_TRUE(load("近"));
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_TRUE(isRegularFile(dir.path() / "player" / "log" / pathFromUtf8("近.log")));
    EXPECT_FALSE(isRegularFile(dir.path() / "log" / pathFromUtf8("近.log")));
}

// The workshop's trial: the arrangement has no file, so its win neither
// asks a name nor writes the record of the layout set up before it.
TEST_F(WinSequence, ATrialWinAsksNoNameAndWritesNoRecord) {
    const Board arrangement = state.board;
    host.clearLog();
    setUpTrial(state, host, arrangement);
    EXPECT_TRUE(state.trial);
    EXPECT_EQ(state.currentMap, "近");
    EXPECT_EQ(state.history.size(), 1u);
    EXPECT_EQ(state.labels.holder, "无记录");
    EXPECT_EQ(host.log, std::vector<std::string>{"effect /sound/init.wav"});
    host.clearLog();
    ASSERT_EQ(solve(), MoveOutcome::Solved);
    EXPECT_EQ(host.log.back(), "message 恭喜过关~\n试玩的阵型没有记录，成绩不保存。 | Quellan | 0");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "ask Quellan - 新的最佳步数记录"), 0);
    EXPECT_FALSE(std::filesystem::exists(paths.recordFile("近")));
    // Setting a layout up ends the trial.
    ASSERT_TRUE(load("近"));
    EXPECT_FALSE(state.trial);
}

}  // namespace
}  // namespace quellan
