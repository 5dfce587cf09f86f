#include "setup/layout_loader.h"

#include <gtest/gtest.h>

#include "common/texts.h"
#include "support/game_fixture.h"

namespace quellan {
namespace {

using testing::classicLayoutLines;

class InitMapTest : public testing::GameFixture {};

TEST_F(InitMapTest, ASuccessfulLoadStartsANewGame) {
    writeLayout("横刀立马", classicLayoutLines());
    state.selectedQZ = 3;
    state.stepCount = 9;
    host.music = music::kOn;
    ASSERT_TRUE(load("横刀立马"));
    EXPECT_EQ(state.history.size(), 1);
    EXPECT_EQ(state.history.entry(0), state.board.positionEntry());
    EXPECT_EQ(state.selectedQZ, 0);
    EXPECT_EQ(state.stepCount, 0);
    EXPECT_EQ(state.bestSteps, 0);
    EXPECT_EQ(state.currentMap, "横刀立马");
    EXPECT_EQ(state.labels, (GameLabels{"无记录", "无记录", ""}));
    EXPECT_EQ(stepLabelText(state), "0");
    for (int i = 1; i <= 10; ++i) EXPECT_TRUE(state.board.piece(i).visible);
    EXPECT_EQ(host.log, (std::vector<std::string>{"effect /sound/init.wav"}));
}

TEST_F(InitMapTest, SuspendedMusicComesBackAfterTheSetUpSound) {
    writeLayout("a", classicLayoutLines());
    host.music = music::kSuspended;
    ASSERT_TRUE(load("a"));
    EXPECT_EQ(host.log, (std::vector<std::string>{"effect /sound/init.wav", "music 1"}));
    host.clearLog();
    host.music = music::kOff;
    ASSERT_TRUE(load("a"));
    EXPECT_EQ(host.log, (std::vector<std::string>{"effect /sound/init.wav"}));
}

TEST_F(InitMapTest, TheRecordFileFillsTheLabels) {
    writeLayout("a", classicLayoutLines());
    std::string record = "\"玩家：小明\"\r\n";
    for (int i = 0; i < 8; ++i) record += "\"90,30\"\r\n";
    writeRecord("a", record);
    ASSERT_TRUE(load("a"));
    EXPECT_EQ(state.bestSteps, 7);
    EXPECT_EQ(state.labels.bestSteps, "7");
    EXPECT_EQ(state.labels.holder, "小明");
    EXPECT_EQ(state.labels.holderTip, "小明");
}

TEST_F(InitMapTest, RecordsWithoutPositionLinesShowMinusOne) {
    writeLayout("a", classicLayoutLines());
    writeRecord("a", "");
    ASSERT_TRUE(load("a"));
    EXPECT_EQ(state.bestSteps, -1);
    EXPECT_EQ(state.labels.bestSteps, "-1");
    EXPECT_EQ(state.labels.holder, "无记录");
    writeRecord("a", "\"玩家：A\"\r\n\"玩家：B\"\r\n");
    ASSERT_TRUE(load("a"));
    EXPECT_EQ(state.labels.bestSteps, "-1");
    EXPECT_EQ(state.labels.holder, "B");  // the last player line decides
}

TEST_F(InitMapTest, AnUnreadableRecordCountsAsNone) {
    writeLayout("a", classicLayoutLines());
    std::filesystem::create_directories(
        paths.recordFile("a"));  // a folder where the file should be
    ASSERT_TRUE(load("a"));
    EXPECT_EQ(state.labels.bestSteps, "无记录");
    EXPECT_EQ(state.bestSteps, 0);
}

TEST_F(InitMapTest, AMissingLayoutShowsTheMessageAndLeavesAnEmptyBoard) {
    host.music = music::kSuspended;
    EXPECT_FALSE(load("nowhere"));
    EXPECT_EQ(host.log, (std::vector<std::string>{"message 初始化阵型出现错误！ | Quellan | 1"}));
    EXPECT_TRUE(state.history.empty());
    EXPECT_EQ(state.currentMap, "nowhere");         // remembered at shut-down all the same
    EXPECT_EQ(stepLabelText(state), std::nullopt);  // the step label keeps its text
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(state.board.piece(i).visible);
}

TEST_F(InitMapTest, AFaultyLineKeepsEarlierChangesAndHidesThePieces) {
    writeLayout("a", classicLayoutLines());
    ASSERT_TRUE(load("a"));
    writeLayout("bad", {"// comment", "1,0,1", "11,0,5", "7,0,20"});
    EXPECT_FALSE(load("bad"));
    EXPECT_EQ(state.board.piece(1).left, 450);   // the line before the fault applied
    EXPECT_EQ(state.board.piece(7).left, 1350);  // the line after it did not
    EXPECT_EQ(state.stepCount, 0);
    EXPECT_EQ(state.selectedQZ, 0);
    EXPECT_TRUE(state.history.empty());
    EXPECT_FALSE(state.board.piece(5).visible);
}

TEST_F(InitMapTest, ABlankBeforeTheSlashesMakesADataLineThatFails) {
    auto lines = classicLayoutLines();
    lines.insert(lines.begin(), " // looks like a comment");
    writeLayout("a", lines);
    EXPECT_FALSE(load("a"));
}

TEST_F(InitMapTest, GarbageAndBinaryFilesFailCleanly) {
    dir.write("map/bin.qlp", std::string("\x00\xFF\x81\r\n\x01,\x02,\x03", 10));
    EXPECT_FALSE(load("bin"));
    dir.write("map/empty.qlp", "");
    EXPECT_TRUE(load("empty"));  // nothing to place: the pieces stay where they were
}

TEST_F(InitMapTest, APartialLayoutMovesOnlyThePiecesItNames) {
    writeLayout("a", classicLayoutLines());
    ASSERT_TRUE(load("a"));
    Board before = state.board;
    writeLayout("b", {"1,0,17"});
    ASSERT_TRUE(load("b"));
    EXPECT_EQ(state.board.piece(1).top, 4050);
    for (int i = 2; i <= 10; ++i) EXPECT_EQ(state.board.piece(i), before.piece(i));
}

}  // namespace
}  // namespace quellan
