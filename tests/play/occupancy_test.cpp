#include "play/occupancy.h"

#include <gtest/gtest.h>

#include "support/boards.h"
#include "support/game_fixture.h"

namespace quellan {
namespace {

using namespace quellan::testing;

TEST(CheckXY, BoundsAreInclusiveAndOffBoardPointsAreBlocked) {
    Board b = emptyBoard();
    EXPECT_EQ(CheckXY(b, 7, 450, 450), 0);
    EXPECT_EQ(CheckXY(b, 7, 3150, 4050), 0);
    EXPECT_EQ(CheckXY(b, 7, 3150.5f, 450), 1);
    EXPECT_EQ(CheckXY(b, 7, 450, 4050.5f), 1);
    EXPECT_EQ(CheckXY(b, 7, -450, 450), 1);
    EXPECT_EQ(CheckXY(b, 7, 450, 4950), 1);
    EXPECT_EQ(CheckXY(b, 7, 449.9f, 900), 1);
}

TEST(CheckXY, EveryCellOfEachKindIsCovered) {
    Board b = boardFrom(classicLayoutLines());
    // The commander at cell 2 covers 2, 3, 6, 7.
    for (int cell : {2, 3, 6, 7}) {
        auto p = *cellPosition(cell);
        EXPECT_EQ(CheckXY(b, 7, p.left, p.top), 1) << cell;
        EXPECT_EQ(CheckXY(b, 1, p.left, p.top), 0) << "the commander never blocks itself";
    }
    // Lying general 2 at cell 10 covers 10 and 11; upright general 5 at 9 covers 9 and 13.
    for (int cell : {10, 11, 9, 13, 14, 15, 17, 20}) {
        auto p = *cellPosition(cell);
        EXPECT_EQ(CheckXY(b, 1, p.left, p.top), 1) << cell;
    }
    for (int cell : {18, 19}) {
        auto p = *cellPosition(cell);
        EXPECT_EQ(CheckXY(b, 1, p.left, p.top), 0) << cell;
    }
}

TEST(CheckXY, ALyingGeneralCoversToTheRightAndAnUprightOneBelow) {
    Board b = emptyBoard();
    b.piece(2) = sized(450, 450, 1800, 900);
    b.piece(3) = sized(450, 2250, 900, 1800);
    EXPECT_EQ(CheckXY(b, 7, 1350, 450), 1);
    EXPECT_EQ(CheckXY(b, 7, 450, 1350), 0);
    EXPECT_EQ(CheckXY(b, 7, 450, 3150), 1);
    EXPECT_EQ(CheckXY(b, 7, 1350, 2250), 0);
}

TEST(CheckXY, AGeneralWithEqualSidesBlocksOnlyItsCorner) {
    Board b = emptyBoard();
    b.piece(4) = sized(450, 450, 900, 900);
    EXPECT_EQ(CheckXY(b, 7, 450, 450), 1);
    EXPECT_EQ(CheckXY(b, 7, 1350, 450), 0);
    EXPECT_EQ(CheckXY(b, 7, 450, 1350), 0);
}

TEST(CheckXY, PointsOffTheCellGridNeverMatchAPiece) {
    Board b = boardFrom(classicLayoutLines());
    EXPECT_EQ(CheckXY(b, 7, 500, 500), 0);  // inside general 3, but not a cell corner
    EXPECT_EQ(CheckXY(b, 7, 1800, 900), 0);
}

}  // namespace
}  // namespace quellan
