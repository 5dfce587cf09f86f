// The coach's fewest-steps answer (the distance map and its path) against
// known facts of the puzzle, its paths played through the game's own move
// engine, and the boards it must refuse.
#include "coach/distance_map.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "play/move_engine.h"
#include "play/occupancy.h"
#include "setup/layout_file.h"
#include "support/fake_host.h"
#include "support/steps.h"
#include "support/temp_dir.h"

namespace quellan {
namespace {

// A board set up from layout lines written "index,flag,cell;..." on top of
// the start-up arrangement.
Board boardOf(const std::string& layout) {
    std::vector<std::string> lines;
    std::stringstream stream(layout);
    for (std::string line; std::getline(stream, line, ';');) lines.push_back(line);
    Board board;
    EXPECT_TRUE(applyLayoutLines(board, lines)) << layout;
    return board;
}

// Plays the whole path as a player would: select the piece, press beside it.
// Every step must be allowed by the occupancy test and taken by QZMove; the
// last one must solve the puzzle.
void expectPathSolves(const Board& start, const std::vector<BoardStep>& path) {
    testing::TempDir dir;
    testing::FakeHost host;
    const GamePaths paths = portablePaths(dir.path());
    GameState state;
    state.board = start;
    state.currentMap = "coach";
    state.history.append(state.board.positionEntry());
    for (std::size_t k = 0; k < path.size(); ++k) {
        SCOPED_TRACE(::testing::Message() << "step " << k);
        const BoardStep& step = path[k];
        ASSERT_TRUE(isPieceIndex(step.piece));
        const Piece& piece = state.board.piece(step.piece);
        const PieceStep move =
            stepOf({piece.left, piece.top}, footprintOf(step.piece, piece), step.direction);
        for (int c = 0; c < move.enteredCount; ++c) {
            const Point cell = move.entered[static_cast<std::size_t>(c)];
            ASSERT_EQ(CheckXY(state.board, step.piece, static_cast<float>(cell.left),
                              static_cast<float>(cell.top)),
                      0)
                << "enters an occupied cell";
        }
        const auto [x, y] = testing::pressTwipsFor(state.board, step);
        state.selectedQZ = static_cast<std::int16_t>(step.piece);
        const MoveOutcome outcome = QZMove(state, host, paths, x, y);
        const bool last = k + 1 == path.size();
        ASSERT_EQ(outcome, last ? MoveOutcome::Solved : MoveOutcome::Moved);
    }
    EXPECT_TRUE(isSolved(state.board));
    EXPECT_EQ(state.stepCount, static_cast<int>(path.size()));
}

struct KnownLayout {
    const char* name;
    const char* lines;
    int steps;
    std::size_t reachable;
};

// Facts of the classic arrangements, from an independent search; one or two
// of each size of position family.
const KnownLayout kKnown[] = {
    {"HengDaoLiMa", "1,0,2;2,1,1;3,1,4;4,1,9;5,0,10;6,1,12;7,0,14;8,0,15;9,0,17;10,0,20", 116,
     25955},
    {"FengHuiLuZhuan", "1,0,5;2,1,4;3,1,7;4,1,12;5,0,14;6,0,19;7,0,1;8,0,2;9,0,3;10,0,18", 179,
     81340},
    {"JieZuXianDeng", "1,0,2;2,0,10;3,1,13;4,1,14;5,1,15;6,1,16;7,0,1;8,0,4;9,0,5;10,0,8", 47,
     25955},
    {"CengCengSheFang2", "1,0,2;2,1,5;3,1,8;4,0,10;5,0,14;6,0,18;7,0,1;8,0,4;9,0,13;10,0,16", 158,
     81462},
    {"ShuiXieBuTong", "1,0,2;2,1,1;3,0,9;4,0,11;5,0,13;6,0,15;7,0,4;8,0,8;9,0,17;10,0,20", 114,
     28832},
    {"QiaoGuoWuGuan", "1,0,2;2,0,9;3,0,11;4,0,13;5,0,15;6,0,18;7,0,1;8,0,4;9,0,5;10,0,8", 46, 7888},
    {"QianHuHouYong", "1,0,3;2,0,5;3,0,9;4,0,11;5,0,13;6,0,15;7,0,1;8,0,2;9,0,19;10,0,20", 31,
     7888},
    {"JinZaiZhiChi", "1,0,15;2,1,2;3,1,3;4,1,4;5,0,9;6,0,13;7,0,1;8,0,5;9,0,11;10,0,12", 124,
     81340},
};

class KnownLayoutTest : public ::testing::TestWithParam<KnownLayout> {};

TEST_P(KnownLayoutTest, FewestStepsAndAPathTheGameAccepts) {
    const Board board = boardOf(GetParam().lines);
    const DistanceMap map(board);
    EXPECT_EQ(map.stepsToSolve(board), GetParam().steps);
    const std::vector<BoardStep> path = fewestStepsPath(map, board);
    EXPECT_EQ(static_cast<int>(path.size()), GetParam().steps);
    expectPathSolves(board, path);
}

TEST_P(KnownLayoutTest, CountsEveryReachablePosition) {
    EXPECT_EQ(DistanceMap(boardOf(GetParam().lines)).positionCount(), GetParam().reachable);
}

INSTANTIATE_TEST_SUITE_P(Classic, KnownLayoutTest, ::testing::ValuesIn(kKnown),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FewestStepsTest, GeneralNumbersDoNotChangeTheAnswer) {
    // 横刀立马 with the generals standing in other places by number: the
    // same arrangement to the eye, so the same steps; the path names the
    // pieces of this board.
    const Board board =
        boardOf("1,0,2;6,1,1;5,1,4;3,1,9;2,0,10;4,1,12;10,0,14;9,0,15;8,0,17;7,0,20");
    const std::vector<BoardStep> path = fewestStepsPath(DistanceMap(board), board);
    EXPECT_EQ(path.size(), 116u);
    expectPathSolves(board, path);
}

TEST(FewestStepsTest, OneStepFromHome) {
    // The commander one row above home with the two cells below it free.
    const Board board = boardOf("1,0,10;2,1,1;3,1,4;4,0,2;5,1,9;6,1,12;7,0,6;8,0,7;9,0,17;10,0,20");
    const std::vector<BoardStep> path = fewestStepsPath(DistanceMap(board), board);
    ASSERT_EQ(path.size(), 1u);
    EXPECT_EQ(path.front(), (BoardStep{kCommander, Direction::Down}));
    expectPathSolves(board, path);
}

struct MalformedBoard {
    const char* name;
    int piece;
    int left;
    int top;
    int width;
    int height;
};

// Each case changes one piece of the start-up arrangement.
const MalformedBoard kMalformed[] = {
    {"SoldierOnTopOfAGeneral", 7, 450, 450, kCell, kCell},
    {"SoldiersOnOneCell", 7, 2250, 3150, kCell, kCell},
    {"CommanderPastTheRightEdge", 1, 3150, 450, 2 * kCell, 2 * kCell},
    {"LyingGeneralPastTheRightEdge", 2, 3150, 4050, 2 * kCell, kCell},
    {"UprightGeneralPastTheBottom", 3, 450, 4050, kCell, 2 * kCell},
    {"SoldierOffTheGrid", 9, 500, 4050, kCell, kCell},
    {"SoldierLeftOfTheBoard", 9, -450, 4050, kCell, kCell},
    {"SoldierBelowTheBoard", 9, 450, 4950, kCell, kCell},
    {"SoldierFarAway", 9, 2000000000, -2000000000, kCell, kCell},
    {"GeneralWithEqualSides", 2, 1350, 2250, kCell, kCell},
    {"GeneralWithNoSize", 2, 1350, 2250, 0, 0},
};

class MalformedBoardTest : public ::testing::TestWithParam<MalformedBoard> {};

TEST_P(MalformedBoardTest, HasNoStepsAndNoPositions) {
    Board board;
    Piece& p = board.piece(GetParam().piece);
    p.left = GetParam().left;
    p.top = GetParam().top;
    p.width = GetParam().width;
    p.height = GetParam().height;
    const DistanceMap map(board);
    EXPECT_EQ(map.positionCount(), 0u);
    EXPECT_EQ(map.stepsToSolve(board), std::nullopt);
    EXPECT_TRUE(fewestStepsPath(map, board).empty());
}

INSTANTIATE_TEST_SUITE_P(FewestSteps, MalformedBoardTest, ::testing::ValuesIn(kMalformed),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quellan
