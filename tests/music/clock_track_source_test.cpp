#include "music/clock_track_source.h"

#include <gtest/gtest.h>

#include <array>

namespace quellan {
namespace {

TEST(ClockTrackSource, MapsTheUnitIntervalOntoSevenEqualParts) {
    EXPECT_EQ(ClockTrackSource::trackFor(0.0), 1);
    EXPECT_EQ(ClockTrackSource::trackFor(0.999999), 7);
    for (int k = 1; k < 7; ++k) {
        const double edge = k / 7.0;
        EXPECT_EQ(ClockTrackSource::trackFor(edge - 1e-9), k) << k;
        EXPECT_EQ(ClockTrackSource::trackFor(edge + 1e-9), k + 1) << k;
    }
    // A generator that rounds up to 1.0 still names the last track.
    EXPECT_EQ(ClockTrackSource::trackFor(1.0), 7);
}

TEST(ClockTrackSource, DrawsEveryTrackAboutEquallyOften) {
    ClockTrackSource source;
    source.reseed();
    std::array<int, 8> counts{};
    constexpr int kDraws = 7000;
    for (int i = 0; i < kDraws; ++i) {
        const int n = source.draw();
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 7);
        ++counts[n];
    }
    for (int n = 1; n <= 7; ++n) {
        EXPECT_GT(counts[n], 800) << n;
        EXPECT_LT(counts[n], 1200) << n;
    }
}

}  // namespace
}  // namespace quellan
