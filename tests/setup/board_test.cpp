#include "setup/board.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quellan {
namespace {

TEST(Board, CellNumbersMapRowByRow) {
    struct Case {
        int cell, left, top;
    };
    for (Case c : {Case{1, 450, 450}, Case{4, 3150, 450}, Case{5, 450, 1350}, Case{14, 1350, 3150},
                   Case{17, 450, 4050}, Case{20, 3150, 4050}}) {
        auto p = cellPosition(c.cell);
        ASSERT_TRUE(p) << c.cell;
        EXPECT_EQ(*p, (Point{c.left, c.top})) << c.cell;
    }
    for (int n : {0, 21, -1, 32767}) EXPECT_FALSE(cellPosition(n)) << n;
}

TEST(Board, KindsAndFootprints) {
    Board b;
    EXPECT_EQ(kindOf(1, b.piece(1)), PieceKind::Commander);
    EXPECT_EQ(kindOf(2, b.piece(2)), PieceKind::Lying);
    for (int i = 3; i <= 6; ++i) EXPECT_EQ(kindOf(i, b.piece(i)), PieceKind::Upright);
    for (int i = 7; i <= 10; ++i) EXPECT_EQ(kindOf(i, b.piece(i)), PieceKind::Soldier);
    EXPECT_EQ(footprintOf(1, b.piece(1)).w, 2);
    EXPECT_EQ(footprintOf(2, b.piece(2)).w, 2);  // general 2 lies at start-up
    EXPECT_EQ(footprintOf(2, b.piece(2)).h, 1);
    EXPECT_EQ(footprintOf(3, b.piece(3)).h, 2);  // the others stand upright
    Piece square = b.piece(3);
    square.height = square.width;
    EXPECT_EQ(kindOf(3, square), PieceKind::None);
    EXPECT_EQ(footprintOf(3, square).w, 0);  // equal sides: no footprint
}

TEST(Board, DesignPositionsGiveTheKnownEntry) {
    Board b;
    EXPECT_EQ(b.positionEntry(),
              "90,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,270");
    const std::string entry = b.positionEntry();
    EXPECT_EQ(std::count(entry.begin(), entry.end(), ','), 19);
    EXPECT_FALSE(isSolved(b));
}

TEST(Board, PositionEntryRoundTrips) {
    Board b;
    b.piece(1).left = 1350;
    b.piece(1).top = 3150;
    b.piece(10).left = 2250;
    Board c;
    ASSERT_TRUE(c.applyPositionEntry(b.positionEntry()));
    EXPECT_EQ(c.positionEntry(), b.positionEntry());
    EXPECT_TRUE(isSolved(c));
}

TEST(Board, MalformedEntriesChangeNothing) {
    Board b;
    const std::string before = b.positionEntry();
    for (const char* bad :
         {"", "1,2,3", "90,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210",
          "90,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,270,1",
          "90,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,x",
          "90,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,",
          "nan,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,270",
          "inf,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,270",
          "143165576,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,270"}) {
        EXPECT_FALSE(b.applyPositionEntry(bad)) << bad;
        EXPECT_EQ(b.positionEntry(), before);
    }
}

TEST(Board, OffGridValuesKeepTheirFraction) {
    Board b;
    b.piece(1).left = 451;
    EXPECT_TRUE(b.positionEntry().starts_with("30.06667,30,"));
}

}  // namespace
}  // namespace quellan
