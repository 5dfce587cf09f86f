// The distance map and the whole-piece count against the classic figures of
// every shipped layout, and the best next steps along whole solutions.
#include "coach/distance_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "coach/piece_moves.h"
#include "support/boards.h"
#include "support/classic_layouts.h"

namespace quellan {
namespace {

using namespace quellan::testing;

class ShippedLayoutMap : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedLayoutMap, KnowsTheClassicFigures) {
    const auto row = classicTable().find(GetParam());
    ASSERT_NE(row, classicTable().end());
    const auto board = loadShipped(GetParam());
    ASSERT_TRUE(board);
    const DistanceMap map(*board);
    EXPECT_EQ(map.positionCount(), row->second.reachable);
    EXPECT_EQ(map.stepsToSolve(*board), row->second.minSteps);
}

INSTANTIATE_TEST_SUITE_P(AllShipped, ShippedLayoutMap, ::testing::ValuesIn(shippedNames()),
                         [](const auto& info) { return "layout" + std::to_string(info.index); });

// The figure players know; quellan-solve's test checks the other layouts.
TEST(PieceMovesTest, HengDaoLiMaNeedsEightyOneWholePieceMoves) {
    EXPECT_EQ(fewestPieceMoves(Board()), 81);
}

// Every step of every piece, whether the cells are free or not.
std::vector<BoardStep> everyStep() {
    std::vector<BoardStep> all;
    for (int i = 1; i <= kPieceCount; ++i)
        for (Direction d : kDirections) all.push_back({i, d});
    return all;
}

// Walks from `start` to the solved position, taking the last of the best
// steps each time (the path of fewestStepsPath takes the first). At every
// position the best steps are exactly the steps that lower the distance by
// one, in piece order.
void expectBestStepsLeadHome(const DistanceMap& map, Board board) {
    auto distance = map.stepsToSolve(board);
    ASSERT_TRUE(distance);
    for (int left = *distance; left > 0; --left) {
        SCOPED_TRACE("steps to go " + std::to_string(left));
        ASSERT_EQ(map.stepsToSolve(board), left);
        std::vector<BoardStep> lowering;
        for (const BoardStep& step : everyStep()) {
            Board after = board;
            applyStep(after, step);
            if (map.stepsToSolve(after) == left - 1) lowering.push_back(step);
        }
        const std::vector<BoardStep> best = map.bestSteps(board);
        ASSERT_EQ(best, lowering);
        applyStep(board, best.back());
    }
    EXPECT_TRUE(isSolved(board));
    EXPECT_TRUE(map.bestSteps(board).empty());
    EXPECT_EQ(map.stepsToSolve(board), 0);
}

TEST(DistanceMapTest, BestStepsLeadHomeAlongAWholeSolution) {
    for (const char* name : {"横刀立马", "层层设防1"}) {
        SCOPED_TRACE(name);
        const auto board = loadShipped(name);
        ASSERT_TRUE(board);
        const DistanceMap map(*board);
        expectBestStepsLeadHome(map, *board);
        const auto path = fewestStepsPath(map, *board);
        EXPECT_EQ(static_cast<int>(path.size()), map.stepsToSolve(*board));
    }
}

TEST(DistanceMapTest, AnArrangementThatCannotBeSolved) {
    // Only two soldiers can ever move; the commander stays at cell 13.
    const Board board = boardFrom({"1,0,13", "2,0,1", "3,0,15", "4,1,8", "5,1,3", "6,1,6", "7,0,19",
                                   "8,0,4", "9,0,11", "10,0,5"});
    const DistanceMap map(board);
    EXPECT_EQ(map.positionCount(), 4u);
    EXPECT_EQ(map.stepsToSolve(board), std::nullopt);
    EXPECT_TRUE(map.bestSteps(board).empty());
    EXPECT_TRUE(fewestStepsPath(map, board).empty());
    EXPECT_EQ(fewestPieceMoves(board), std::nullopt);
}

TEST(DistanceMapTest, ASolvedPositionNeedsNothing) {
    const Board board = boardFrom({"1,0,14", "2,1,1", "3,1,2", "4,1,3", "5,1,4", "6,0,9", "7,0,11",
                                   "8,0,12", "9,0,13", "10,0,16"});
    const DistanceMap map(board);
    EXPECT_EQ(map.stepsToSolve(board), 0);
    EXPECT_TRUE(map.bestSteps(board).empty());
    EXPECT_EQ(fewestPieceMoves(board), 0);
}

// Every position of 横刀立马's map, got back from its number, numbers back
// to that number, and the numbers are as many as the positions.
TEST(PositionNumberingTest, APositionAndItsNumberGiveEachOther) {
    const DistanceMap map{Board()};
    const packed::PositionNumbering numbering(packed::lyingGenerals(*packed::packBoard(Board())));
    std::set<std::uint32_t> numbers;
    map.forEachSolvable([&](packed::Position pos, int) {
        const std::uint32_t number = numbering.numberOf(pos);
        EXPECT_LT(number, numbering.count());
        EXPECT_EQ(numbering.positionOf(number), pos);
        numbers.insert(number);
    });
    EXPECT_EQ(numbers.size(), map.positionCount());
}

// At every position of two maps (one general lying, then three), the
// search's steps are exactly the steps of the pieces that the step tables
// allow, each once, and the bit it gives for the way back names the step
// that returns.
TEST(StepSearchTest, TakesEveryFreeStepOnceAndKnowsTheWayBack) {
    for (const char* name : {"横刀立马", "层层设防1"}) {
        SCOPED_TRACE(name);
        const auto board = loadShipped(name);
        ASSERT_TRUE(board);
        DistanceMap{*board}.forEachSolvable([](packed::Position pos, int) {
            std::vector<packed::Position> expected, taken;
            for (int cell = 0; cell < kCellCount; ++cell)
                for (int code = packed::kCommanderCode; code <= packed::kSoldierCode; ++code)
                    for (int d = 0; d < packed::kDirectionCount; ++d)
                        if (packed::codeAt(pos, cell) == code)
                            if (const auto after = packed::stepped(pos, code, cell, d))
                                expected.push_back(after);
            packed::forEachStepBut(pos, 0, [&](packed::Position after, int back) {
                taken.push_back(after);
                packed::forEachStepBut(after, packed::Position{1} << back,
                                       [&](packed::Position again, int) { EXPECT_NE(again, pos); });
            });
            std::sort(expected.begin(), expected.end());
            std::sort(taken.begin(), taken.end());
            ASSERT_EQ(taken, expected);
        });
    }
}

// A thread that gave its working memory back builds the same map again.
TEST(DistanceMapTest, BuildsAgainAfterGivingItsMemoryBack) {
    const DistanceMap before{Board()};
    releaseBuildMemory();
    const DistanceMap after{Board()};
    EXPECT_EQ(after.positionCount(), before.positionCount());
    EXPECT_EQ(after.stepsToSolve(Board()), before.stepsToSolve(Board()));
}

TEST(DistanceMapTest, KnowsOnlyPositionsOfItsOwnLayout) {
    const DistanceMap map{Board()};
    const auto other = loadShipped("巧过五关");  // lying generals only: another family
    ASSERT_TRUE(other);
    EXPECT_EQ(map.stepsToSolve(*other), std::nullopt);
    EXPECT_TRUE(map.bestSteps(*other).empty());
}

TEST(DistanceMapTest, AnImproperArrangementGivesAnEmptyMap) {
    Board board;
    board.piece(7).left = 450;  // soldier 7 on top of general 3
    board.piece(7).top = 450;
    const DistanceMap map(board);
    EXPECT_EQ(map.positionCount(), 0u);
    EXPECT_EQ(map.stepsToSolve(Board()), std::nullopt);
    EXPECT_EQ(fewestPieceMoves(board), std::nullopt);
}

}  // namespace
}  // namespace quellan
