// The coach's words about a game, its hint, and which records it replays.
#include "coach/coach_rules.h"

#include <gtest/gtest.h>

#include "coach/record_replay.h"
#include "support/boards.h"

namespace quellan {
namespace {

using namespace quellan::testing;

TEST(CoachRulesTest, FewestStepsText) {
    EXPECT_EQ(fewestStepsText(116, 81), "116（81）");
    EXPECT_EQ(fewestStepsText(0, 0), "0（0）");
    EXPECT_EQ(fewestStepsText(std::nullopt, std::nullopt), "无解");
}

TEST(CoachRulesTest, StepsToGoShowRaisesAndLostWays) {
    struct Case {
        std::optional<int> before, now;
        const char* text;
        bool raised;
    };
    const Case cases[] = {
        {std::nullopt, 116, "116", false}, {116, 115, "115", false},
        {115, 116, "116", true},           {3, 3, "3", false},
        {5, std::nullopt, "无解", true},   {std::nullopt, std::nullopt, "无解", false}};
    for (const Case& c : cases) {
        const StepsToGo line = stepsToGo(c.before, c.now);
        EXPECT_EQ(line.text, c.text);
        EXPECT_EQ(line.raised, c.raised) << c.text;
    }
}

TEST(CoachRulesTest, HintIsTheFirstBestStepAndTheCellItEnters) {
    const Board board;  // 横刀立马
    const DistanceMap map(board);
    const Hint hint = hintFor(map, board);
    ASSERT_EQ(hint.kind, HintKind::Step);
    EXPECT_EQ(hint.step, map.bestSteps(board).front());
    Board after = board;
    applyStep(after, hint.step);
    EXPECT_EQ(map.stepsToSolve(after), 115);
    // The two free cells of 横刀立马 are cells 18 and 19.
    EXPECT_TRUE(hint.targetCell == *cellPosition(18) || hint.targetCell == *cellPosition(19));
}

// Every step the hint may offer brings the board one step nearer to the
// exit, all along a fewest-steps game.
TEST(CoachRulesTest, EveryBestStepLeadsOneStepNearer) {
    Board board;  // 横刀立马
    const DistanceMap map(board);
    for (const BoardStep& taken : fewestStepsPath(map, board)) {
        const int here = *map.stepsToSolve(board);
        for (const BoardStep& step : map.bestSteps(board)) {
            Board after = board;
            applyStep(after, step);
            ASSERT_EQ(map.stepsToSolve(after), here - 1) << here;
        }
        applyStep(board, taken);
    }
    EXPECT_TRUE(isSolved(board));
}

TEST(CoachRulesTest, NoHintAtTheExitOrWithoutAWay) {
    const Board solved = boardFrom({"1,0,14", "2,1,1", "3,1,2", "4,1,3", "5,1,4", "6,0,9", "7,0,11",
                                    "8,0,12", "9,0,13", "10,0,16"});
    EXPECT_EQ(hintFor(DistanceMap(solved), solved).kind, HintKind::Solved);
    const Board stuck = boardFrom({"1,0,13", "2,0,1", "3,0,15", "4,1,8", "5,1,3", "6,1,6", "7,0,19",
                                   "8,0,4", "9,0,11", "10,0,5"});
    EXPECT_EQ(hintFor(DistanceMap(stuck), stuck).kind, HintKind::NoWay);
}

TEST(CoachRulesTest, MarkAssisted) {
    GameState state;
    markAssisted(state);
    EXPECT_TRUE(state.assisted);
}

// The first two steps of a game of 横刀立马: soldier 7 down, soldier 8 left.
std::vector<std::string> recordEntries() {
    Board board;
    std::vector<std::string> entries{board.positionEntry()};
    for (BoardStep step : {BoardStep{7, Direction::Down}, BoardStep{8, Direction::Left}}) {
        applyStep(board, step);
        entries.push_back(board.positionEntry());
    }
    return entries;
}

TEST(RecordReplayTest, WalksARecordOfSingleSteps) {
    const auto boards = replayBoards(recordEntries(), Board());
    ASSERT_TRUE(boards);
    ASSERT_EQ(boards->size(), 3u);
    EXPECT_EQ(boards->front(), Board());
    EXPECT_EQ(boards->back().piece(8).left, 1350);
}

TEST(RecordReplayTest, RefusesWhatDoesNotGoBySingleStepsFromTheSetUp) {
    const std::vector<std::string> good = recordEntries();
    Board jump;
    jump.piece(7).top += 2 * kCell;  // soldier 7 two cells down at once
    Board two;
    two.piece(7).top += kCell;  // soldiers 7 and 8 both move
    two.piece(8).top += kCell;
    Board onTop;
    onTop.piece(2).top += kCell;  // the lying general onto soldiers 7 and 8
    Board half;
    half.piece(7).top += kCell / 2;  // soldier 7 half a cell down
    Board diagonal;
    diagonal.piece(7).top += kCell;  // soldier 7 down and right at once
    diagonal.piece(7).left += kCell;
    Board off;
    off.piece(3).left -= kCell;  // the upright general in column 1 past the left edge
    struct Case {
        const char* name;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"no entry", {}},
        {"another start", {good[1], good[2]}},
        {"two cells at once", {good[0], jump.positionEntry()}},
        {"two pieces at once", {good[0], two.positionEntry()}},
        {"into covered cells", {good[0], onTop.positionEntry()}},
        {"half a cell", {good[0], half.positionEntry()}},
        {"one cell on the slant", {good[0], diagonal.positionEntry()}},
        {"off the board", {good[0], off.positionEntry()}},
        {"no piece moved", {good[0], good[1], good[1]}},
        {"a later entry only is the start", {good[1], good[0]}},
        {"not twenty numbers", {good[0], "90,30,90"}},
        {"not a position", {good[0], "玩家：A"}},
        {"off the grid", {good[0], good[1].substr(0, good[1].rfind(',')) + ",271"}},
    };
    for (const Case& c : cases) EXPECT_FALSE(replayBoards(c.entries, Board())) << c.name;
    // The set-up position alone is a walk of no steps.
    EXPECT_EQ(replayBoards({good[0]}, Board())->size(), 1u);
}

}  // namespace
}  // namespace quellan
