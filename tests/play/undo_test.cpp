#include "play/undo.h"

#include <gtest/gtest.h>

#include "play/move_engine.h"
#include "setup/record_file.h"
#include "support/game_fixture.h"

namespace quellan {
namespace {

using namespace quellan::testing;

class Undo : public GameFixture {
  protected:
    void SetUp() override { setUp("a", classicLayoutLines()); }
    // Moves piece `index` by pressing at (x, y); the move must succeed.
    void step(int index, float x, float y) { ASSERT_NE(press(index, x, y), MoveOutcome::Refused); }
};

TEST_F(Undo, ThreeMovesAndThreeUndosRestoreTheLayoutThenRefuse) {
    const Board start = state.board;
    step(7, 1800, 4500);  // soldier 7 down into cell 18
    step(8, 2700, 4500);  // soldier 8 down into cell 19
    step(7, 1800, 3600);  // soldier 7 back up into cell 14
    ASSERT_EQ(state.stepCount, 3);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(undoMove(state, host));
    EXPECT_EQ(state.board, start);
    EXPECT_EQ(stepLabelText(state), "0");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "effect /sound/move.wav"), 6);
    host.clearLog();
    EXPECT_FALSE(undoMove(state, host));
    EXPECT_EQ(host.log, (std::vector<std::string>{"message 初始阵型，无法撤消！ | Quellan | 0"}));
    EXPECT_EQ(state.board, start);
}

TEST_F(Undo, DoesNotTouchTheSelectionOrTheRecord) {
    step(7, 1800, 4500);
    state.selectedQZ = 5;
    state.bestSteps = 42;
    ASSERT_TRUE(undoMove(state, host));
    EXPECT_EQ(state.selectedQZ, 5);
    EXPECT_EQ(state.bestSteps, 42);
}

TEST_F(Undo, AMoveAfterAnUndoReplacesTheUndonePosition) {
    step(7, 1800, 4500);
    const std::string undone = state.history.last();
    ASSERT_TRUE(undoMove(state, host));
    step(8, 2700, 4500);
    EXPECT_EQ(state.history.size(), 2);
    EXPECT_EQ(state.stepCount, 1);
    for (const auto& e : state.history.entries()) EXPECT_NE(e, undone);
}

TEST_F(Undo, UndoingTheWinningMovePutsTheCommanderBackWithoutAMessage) {
    writeLayout("near", nearlySolvedLayoutLines());
    ASSERT_TRUE(load("near"));
    step(1, 1800, 4500);
    ASSERT_TRUE(isSolved(state.board));
    host.clearLog();
    ASSERT_TRUE(undoMove(state, host));
    EXPECT_FALSE(isSolved(state.board));
    EXPECT_EQ(host.log, (std::vector<std::string>{"effect /sound/move.wav"}));
}

}  // namespace
}  // namespace quellan
