// The solver against known facts of the puzzle, its paths played through the
// game's own move engine, and the boards it must refuse.
#include "play/solver.h"

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
void expectPathSolves(const Board& start, const Solution& solution) {
    ASSERT_EQ(solution.steps, static_cast<int>(solution.path.size()));
    testing::TempDir dir;
    testing::FakeHost host;
    const GamePaths paths = portablePaths(dir.path());
    GameState state;
    state.board = start;
    state.currentMap = "solver";
    state.history.append(state.board.positionEntry());
    for (std::size_t k = 0; k < solution.path.size(); ++k) {
        SCOPED_TRACE(::testing::Message() << "step " << k);
        const BoardStep& step = solution.path[k];
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
        const bool last = k + 1 == solution.path.size();
        ASSERT_EQ(outcome, last ? MoveOutcome::Solved : MoveOutcome::Moved);
    }
    EXPECT_TRUE(isSolved(state.board));
    EXPECT_EQ(state.stepCount, solution.steps);
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
    std::size_t seen = 0;
    auto solution = solve(board, &seen);
    ASSERT_TRUE(solution);
    EXPECT_EQ(solution->steps, GetParam().steps);
    EXPECT_GT(seen, static_cast<std::size_t>(solution->steps));
    EXPECT_LE(seen, GetParam().reachable);
    expectPathSolves(board, *solution);
}

TEST_P(KnownLayoutTest, CountsEveryReachablePosition) {
    EXPECT_EQ(countReachable(boardOf(GetParam().lines)), GetParam().reachable);
}

INSTANTIATE_TEST_SUITE_P(Classic, KnownLayoutTest, ::testing::ValuesIn(kKnown),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SolverTest, GeneralNumbersDoNotChangeTheAnswer) {
    // 横刀立马 with the generals standing in other places by number: the
    // same arrangement to the eye, so the same steps; the path names the
    // pieces of this board.
    const Board board =
        boardOf("1,0,2;6,1,1;5,1,4;3,1,9;2,0,10;4,1,12;10,0,14;9,0,15;8,0,17;7,0,20");
    auto solution = solve(board);
    ASSERT_TRUE(solution);
    EXPECT_EQ(solution->steps, 116);
    expectPathSolves(board, *solution);
}

TEST(SolverTest, StartsFromTheStartUpArrangement) {
    auto solution = solve(Board());
    ASSERT_TRUE(solution);
    EXPECT_EQ(solution->steps, 116);
}

TEST(SolverTest, SolvedBoardNeedsNoStep) {
    const Board board =
        boardOf("1,0,14;2,1,1;3,1,2;4,1,3;5,1,4;6,0,9;7,0,11;8,0,12;9,0,13;10,0,16");
    ASSERT_TRUE(isSolved(board));
    std::size_t seen = 0;
    auto solution = solve(board, &seen);
    ASSERT_TRUE(solution);
    EXPECT_EQ(solution->steps, 0);
    EXPECT_TRUE(solution->path.empty());
    EXPECT_EQ(seen, 1u);
}

TEST(SolverTest, OneStepFromHome) {
    // The commander one row above home with the two cells below it free.
    const Board board = boardOf("1,0,10;2,1,1;3,1,4;4,0,2;5,1,9;6,1,12;7,0,6;8,0,7;9,0,17;10,0,20");
    auto solution = solve(board);
    ASSERT_TRUE(solution);
    ASSERT_EQ(solution->steps, 1);
    EXPECT_EQ(solution->path.front(), (BoardStep{kCommander, Direction::Down}));
    expectPathSolves(board, *solution);
}

TEST(SolverTest, ArrangementThatCannotBeSolved) {
    //   G G U S      G lying general, U upright general, S soldier,
    //   S U U U      C commander, . free
    //   . U S U
    //   C C G G      Only soldier 10 (up and down between cells 5 and 9) and
    //   C C S .      soldier 7 (between cells 19 and 20) can ever move, so the
    //                commander stays at cell 13 in all four positions.
    const Board board = boardOf("1,0,13;2,0,1;3,0,15;4,1,8;5,1,3;6,1,6;7,0,19;8,0,4;9,0,11;10,0,5");
    std::size_t seen = 0;
    EXPECT_FALSE(solve(board, &seen));
    EXPECT_EQ(seen, 4u);
    EXPECT_EQ(countReachable(board), 4u);
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

TEST_P(MalformedBoardTest, HasNoSolutionAndNoPositions) {
    Board board;
    Piece& p = board.piece(GetParam().piece);
    p.left = GetParam().left;
    p.top = GetParam().top;
    p.width = GetParam().width;
    p.height = GetParam().height;
    std::size_t seen = 99;
    EXPECT_FALSE(solve(board, &seen));
    EXPECT_EQ(seen, 0u);
    EXPECT_EQ(countReachable(board), 0u);
}

INSTANTIATE_TEST_SUITE_P(Solver, MalformedBoardTest, ::testing::ValuesIn(kMalformed),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quellan
