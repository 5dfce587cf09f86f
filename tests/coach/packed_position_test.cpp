// The packed form of a position keeps its numbers: the step search reads
// the kinds straight from the bits of each cell's field.
#include "coach/packed_position.h"

#include <gtest/gtest.h>

namespace quellan {
namespace {

// 横刀立马 field by field from cell 0: upright general, commander, its
// right part, upright general; lower parts and the commander's lower right;
// lying general and its right part; soldiers; the two free cells.
TEST(PackedPositionTest, TheStartUpArrangementPacksAsItAlwaysHas) {
    constexpr packed::Position kHengDaoLiMa = 0x804d26753df674b;
    EXPECT_EQ(packed::packBoard(Board()), kHengDaoLiMa);
    const auto back = packed::unpackBoard(kHengDaoLiMa);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->positionEntry(), Board().positionEntry());
}

}  // namespace
}  // namespace quellan
