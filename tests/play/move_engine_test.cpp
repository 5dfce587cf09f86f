#include "play/move_engine.h"

#include <gtest/gtest.h>

#include "support/boards.h"
#include "support/game_fixture.h"

namespace quellan {
namespace {

using namespace quellan::testing;

enum class Dir { Up, Down, Left, Right };

struct MoveCase {
    const char* name;
    int index;
    Piece piece;  // where it stands and its size
    Dir dir;
    std::vector<Point> tested;  // the cells it would newly cover, in test order
};

// Commander at cell 6, lying general at cell 10, upright general at cell 6,
// soldier at cell 10: every direction has room on the board.
const std::vector<MoveCase>& moveCases() {
    static const std::vector<MoveCase> cases = {
        {"commander up", 1, sized(1350, 1350, 1800, 1800), Dir::Up, {{1350, 450}, {2250, 450}}},
        {"commander down",
         1,
         sized(1350, 1350, 1800, 1800),
         Dir::Down,
         {{1350, 3150}, {2250, 3150}}},
        {"commander left", 1, sized(1350, 1350, 1800, 1800), Dir::Left, {{450, 1350}, {450, 2250}}},
        {"commander right",
         1,
         sized(1350, 1350, 1800, 1800),
         Dir::Right,
         {{3150, 1350}, {3150, 2250}}},
        {"lying up", 2, sized(1350, 2250, 1800, 900), Dir::Up, {{1350, 1350}, {2250, 1350}}},
        {"lying down", 2, sized(1350, 2250, 1800, 900), Dir::Down, {{1350, 3150}, {2250, 3150}}},
        {"lying left", 2, sized(1350, 2250, 1800, 900), Dir::Left, {{450, 2250}}},
        {"lying right", 2, sized(1350, 2250, 1800, 900), Dir::Right, {{3150, 2250}}},
        {"upright up", 3, sized(1350, 1350, 900, 1800), Dir::Up, {{1350, 450}}},
        {"upright down", 3, sized(1350, 1350, 900, 1800), Dir::Down, {{1350, 3150}}},
        {"upright left", 3, sized(1350, 1350, 900, 1800), Dir::Left, {{450, 1350}, {450, 2250}}},
        {"upright right",
         3,
         sized(1350, 1350, 900, 1800),
         Dir::Right,
         {{2250, 1350}, {2250, 2250}}},
        {"soldier up", 7, sized(1350, 2250, 900, 900), Dir::Up, {{1350, 1350}}},
        {"soldier down", 7, sized(1350, 2250, 900, 900), Dir::Down, {{1350, 3150}}},
        {"soldier left", 7, sized(1350, 2250, 900, 900), Dir::Left, {{450, 2250}}},
        {"soldier right", 7, sized(1350, 2250, 900, 900), Dir::Right, {{2250, 2250}}},
    };
    return cases;
}

// The middle of the strip beside the piece in direction `d`.
std::pair<float, float> bandCentre(const Piece& p, Dir d) {
    const float l = p.left, t = p.top, w = p.width, h = p.height;
    switch (d) {
        case Dir::Up:
            return {l + w / 2, t - 450};
        case Dir::Down:
            return {l + w / 2, t + h + 450};
        case Dir::Left:
            return {l - 450, t + h / 2};
        case Dir::Right:
            return {l + w + 450, t + h / 2};
    }
    return {0, 0};
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
        auto [x, y] = bandCentre(c.piece, c.dir);
        EXPECT_EQ(QZMove(state, host, paths, x, y), MoveOutcome::Moved) << c.name;
        const Piece& p = state.board.piece(c.index);
        int dx = c.dir == Dir::Left ? -900 : c.dir == Dir::Right ? 900 : 0;
        int dy = c.dir == Dir::Up ? -900 : c.dir == Dir::Down ? 900 : 0;
        EXPECT_EQ(p.left, c.piece.left + dx) << c.name;
        EXPECT_EQ(p.top, c.piece.top + dy) << c.name;
        EXPECT_EQ(state.stepCount, 1) << c.name;
        EXPECT_EQ(state.labels.steps, "1") << c.name;
        EXPECT_EQ(state.history.size(), 2) << c.name;
        EXPECT_EQ(state.history.last(), state.board.positionEntry()) << c.name;
        EXPECT_EQ(state.selectedQZ, 0) << c.name;
        EXPECT_EQ(host.log, (std::vector<std::string>{"effect /sound/move.wav"})) << c.name;
    }
}

TEST_F(MoveEngine, AnyBlockedCellOfTheBandRefusesTheMove) {
    for (const MoveCase& c : moveCases()) {
        for (const Point& blocked : c.tested) {
            setUpCase(c);
            int blocker = c.index == 10 ? 9 : 10;
            state.board.piece(blocker).left = blocked.left;
            state.board.piece(blocker).top = blocked.top;
            host.clearLog();
            auto [x, y] = bandCentre(c.piece, c.dir);
            EXPECT_EQ(QZMove(state, host, paths, x, y), MoveOutcome::Refused) << c.name;
            EXPECT_EQ(state.board.piece(c.index), c.piece) << c.name;
            EXPECT_EQ(state.stepCount, 0);
            EXPECT_EQ(state.history.size(), 1);
            EXPECT_EQ(state.selectedQZ, 0);
            EXPECT_TRUE(host.log.empty()) << "a refused move is silent";
        }
    }
}

TEST_F(MoveEngine, BandEdgesAndFartherPointsMoveNothing) {
    // A soldier at (450, 450): its down band is 450 < x < 1350, 1350 < y < 2250.
    MoveCase c{"soldier", 7, sized(450, 450, 900, 900), Dir::Down, {}};
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
    MoveCase c{"soldier", 7, sized(450, 450, 900, 900), Dir::Up, {}};
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
    MoveCase c{"square general", 4, sized(1350, 1350, 900, 900), Dir::Down, {}};
    setUpCase(c);
    EXPECT_EQ(QZMove(state, host, paths, 1800, 2700), MoveOutcome::Refused);
    EXPECT_EQ(state.selectedQZ, 0);
}

TEST_F(MoveEngine, TwoMovesOfTheSameSoldierAreTwoSteps) {
    MoveCase c{"soldier", 7, sized(450, 450, 900, 900), Dir::Down, {}};
    setUpCase(c);
    ASSERT_EQ(QZMove(state, host, paths, 900, 1800), MoveOutcome::Moved);
    state.selectedQZ = 7;
    ASSERT_EQ(QZMove(state, host, paths, 900, 2700), MoveOutcome::Moved);
    EXPECT_EQ(state.stepCount, 2);
    EXPECT_EQ(state.labels.steps, "2");
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
