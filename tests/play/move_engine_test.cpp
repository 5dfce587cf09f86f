#include "play/move_engine.h"

#include <gtest/gtest.h>

#include "support/boards.h"
#include "support/game_fixture.h"
#include "support/steps.h"

namespace quellan {
namespace {

using namespace quellan::testing;

struct MoveCase {
    const char* name;
    int index;
    Piece piece;  // where it stands and its size
    Direction dir;
};

// Commander at cell 6, lying general at cell 10, upright general at cell 6,
// soldier at cell 10: every direction has room on the board. Which cells
// each step enters is the step definition's table, tested on its own.
const std::vector<MoveCase>& moveCases() {
    static const std::vector<MoveCase> cases = [] {
        const std::pair<int, Piece> pieces[] = {{1, sized(1350, 1350, 1800, 1800)},
                                                {2, sized(1350, 2250, 1800, 900)},
                                                {3, sized(1350, 1350, 900, 1800)},
                                                {7, sized(1350, 2250, 900, 900)}};
        std::vector<MoveCase> all;
        for (const auto& [index, piece] : pieces)
            for (Direction d : kDirections) all.push_back({"", index, piece, d});
        return all;
    }();
    return cases;
}

std::string nameOf(const MoveCase& c) {
    return "piece " + std::to_string(c.index) + " direction " +
           std::to_string(static_cast<int>(c.dir));
}

PieceStep stepFor(const MoveCase& c) {
    return stepOf({c.piece.left, c.piece.top}, footprintOf(c.index, c.piece), c.dir);
}

std::pair<float, float> pressFor(const MoveCase& c) {
    Board board = emptyBoard();
    board.piece(c.index) = c.piece;
    return pressTwipsFor(board, {c.index, c.dir});
}

class MoveEngine : public GameFixture {
  protected:
    void setUpCase(const MoveCase& c) {
        state.board = emptyBoard();
        state.board.piece(c.index) = c.piece;
        state.history.clear();
        state.history.append(state.board.positionEntry());
        state.selectedQZ = static_cast<std::int16_t>(c.index);
        state.currentMap = "test";
    }
};

TEST_F(MoveEngine, EachPieceStepsOneCellIntoFreeCells) {
    for (const MoveCase& c : moveCases()) {
        setUpCase(c);
        host.clearLog();
        SCOPED_TRACE(nameOf(c));
        auto [x, y] = pressFor(c);
        EXPECT_EQ(QZMove(state, host, paths, x, y), MoveOutcome::Moved);
        const Piece& p = state.board.piece(c.index);
        EXPECT_EQ((Point{p.left, p.top}), stepFor(c).to);
        EXPECT_EQ(state.stepCount, 1);
        EXPECT_EQ(stepLabelText(state), "1");
        EXPECT_EQ(state.history.size(), 2);
        EXPECT_EQ(state.history.last(), state.board.positionEntry());
        EXPECT_EQ(state.selectedQZ, 0);
        EXPECT_EQ(host.log, (std::vector<std::string>{"effect /sound/move.wav"}));
    }
}

TEST_F(MoveEngine, AnyBlockedCellOfTheBandRefusesTheMove) {
    for (const MoveCase& c : moveCases()) {
        SCOPED_TRACE(nameOf(c));
        const PieceStep step = stepFor(c);
        for (int k = 0; k < step.enteredCount; ++k) {
            const Point blocked = step.entered[static_cast<std::size_t>(k)];
            setUpCase(c);
            int blocker = c.index == 10 ? 9 : 10;
            state.board.piece(blocker).left = blocked.left;
            state.board.piece(blocker).top = blocked.top;
            host.clearLog();
            auto [x, y] = pressFor(c);
            EXPECT_EQ(QZMove(state, host, paths, x, y), MoveOutcome::Refused);
            EXPECT_EQ(state.board.piece(c.index), c.piece);
            EXPECT_EQ(state.stepCount, 0);
            EXPECT_EQ(state.history.size(), 1);
            EXPECT_EQ(state.selectedQZ, 0);
            EXPECT_TRUE(host.log.empty()) << "a refused move is silent";
        }
    }
}

TEST_F(MoveEngine, BandEdgesAndFartherPointsMoveNothing) {
    // A soldier at (450, 450): its down band is 450 < x < 1350, 1350 < y < 2250.
    MoveCase c{"soldier", 7, sized(450, 450, 900, 900), Direction::Down};
    for (auto [x, y] : std::vector<std::pair<float, float>>{
             {900, 2700}, {900, 1350}, {900, 2250}, {450, 1800}, {1350, 1800}, {900, 900}}) {
        setUpCase(c);
        EXPECT_EQ(QZMove(state, host, paths, x, y), MoveOutcome::Refused) << x << "," << y;
        EXPECT_EQ(state.selectedQZ, 0);
    }
    setUpCase(c);
    EXPECT_EQ(QZMove(state, host, paths, 900, 1800), MoveOutcome::Moved);
    EXPECT_EQ(state.board.piece(7).top, 1350);
}

TEST_F(MoveEngine, PiecesNeverLeaveTheBoard) {
    MoveCase c{"soldier", 7, sized(450, 450, 900, 900), Direction::Up};
    setUpCase(c);
    EXPECT_EQ(QZMove(state, host, paths, 900, 0), MoveOutcome::Refused);
    setUpCase(c);
    EXPECT_EQ(QZMove(state, host, paths, 0, 900), MoveOutcome::Refused);
    EXPECT_EQ(state.board.piece(7).left, 450);
}

TEST_F(MoveEngine, WithoutASelectionNothingChanges) {
    state.board = boardFrom(classicLayoutLines());
    state.history.append(state.board.positionEntry());
    EXPECT_EQ(QZMove(state, host, paths, 1800, 4500), MoveOutcome::NoSelection);
    EXPECT_EQ(state.history.size(), 1);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(MoveEngine, AGeneralWithEqualSidesNeverMoves) {
    MoveCase c{"square general", 4, sized(1350, 1350, 900, 900), Direction::Down};
    setUpCase(c);
    EXPECT_EQ(QZMove(state, host, paths, 1800, 2700), MoveOutcome::Refused);
    EXPECT_EQ(state.selectedQZ, 0);
}

TEST_F(MoveEngine, TwoMovesOfTheSameSoldierAreTwoSteps) {
    MoveCase c{"soldier", 7, sized(450, 450, 900, 900), Direction::Down};
    setUpCase(c);
    ASSERT_EQ(QZMove(state, host, paths, 900, 1800), MoveOutcome::Moved);
    state.selectedQZ = 7;
    ASSERT_EQ(QZMove(state, host, paths, 900, 2700), MoveOutcome::Moved);
    EXPECT_EQ(state.stepCount, 2);
    EXPECT_EQ(stepLabelText(state), "2");
}

TEST_F(MoveEngine, MovingOntoTheExitRunsTheWinSequenceInsteadOfTheMoveSound) {
    state.board = emptyBoard();
    state.board.piece(1) = sized(1350, 2250, 1800, 1800);
    state.history.append(state.board.positionEntry());
    state.selectedQZ = 1;
    state.currentMap = "test";
    host.music = music::kOn;
    EXPECT_EQ(QZMove(state, host, paths, 1800, 4500), MoveOutcome::Solved);
    EXPECT_EQ(host.log.at(0), "music 2");
    EXPECT_EQ(host.log.at(1), "effect /sound/overpass.wav");
    EXPECT_EQ(host.log.at(2), "message 恭喜过关~ | Quellan | 0");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "effect /sound/move.wav"), 0);
    EXPECT_EQ(state.selectedQZ, 0);
}

}  // namespace
}  // namespace quellan
