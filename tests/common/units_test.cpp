#include "common/units_and_codes.h"

#include <gtest/gtest.h>

namespace quellan {
namespace {

// Twips become pixels by one rule everywhere: the nearest whole pixel.
TEST(Units, TwipsBecomeTheNearestWholePixel) {
    const struct {
        int twips, pixels;
    } cases[] = {{0, 0},   {7, 0},    {8, 1},      {15, 1},     {22, 1},   {23, 2}, {-7, 0},
                 {-8, -1}, {-23, -2}, {6960, 464}, {6165, 411}, {880, 59}, {40, 3}, {200, 13}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.twips);
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels);
    }
}

TEST(Units, PixelsBecomeTwipsExactly) {
    EXPECT_EQ(pixelsToTwips(464), 6960);
    EXPECT_EQ(twipsToPixels(pixelsToTwips(-31)), -31);
    EXPECT_EQ(eventTwips(30), 450.0f);
    EXPECT_EQ(eventTwips(2.5), 37.5f);  // a point between two pixels keeps its fraction
}

}  // namespace
}  // namespace quellan
