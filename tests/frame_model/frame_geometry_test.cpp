// The frame's geometry: the outline, the skin copies, keeping the window on
// the screen and where the frame controls stand.
#include <gtest/gtest.h>

#include <algorithm>

#include "frame_model/frame_geometry.h"

namespace quellan::frame {
namespace {

using K = RegionShape::Kind;

TEST(WindowRegion, TheGameWindowIsCutFor464By411Pixels) {
    const auto shapes = windowRegionShapes(6960, 6165);
    const std::array<RegionShape, 6> expected{{
        {K::Rectangle, 0, 5, 464, 406},
        {K::Rectangle, 5, 0, 459, 411},
        {K::Ellipse, -2, 0, 15, 35},
        {K::Ellipse, 449, 0, 466, 20},
        {K::Ellipse, -1, 391, 10, 411},
        {K::Ellipse, 444, 371, 467, 415},
    }};
    EXPECT_EQ(shapes, expected);
}

TEST(WindowRegion, SizesRoundToTheNearestPixel) {
    // 1507 twips are 100.47 pixels, 1508 are 100.53.
    EXPECT_EQ(windowRegionShapes(1507, 1508)[0], (RegionShape{K::Rectangle, 0, 5, 100, 96}));
}

TEST(WindowRegion, TheVeryCornersAreCutAndTheEdgesKept) {
    const auto shapes = windowRegionShapes(6960, 6165);
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] =
        {
            {0, 0, false},    {463, 0, false},   {0, 410, false},   {463, 410, false},
            {0, 5, true},     {5, 0, true},      {463, 5, true},    {458, 0, true},
            {0, 405, true},   {5, 410, true},    {463, 405, true},  {458, 410, true},
            {232, 205, true}, {464, 200, false}, {200, 411, false}, {-1, 200, false},
            {3, 3, true},  // the top-left ellipse is tall and reaches the corner's inside
        };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(regionContains(shapes, c.x, c.y), c.inside);
    }
}

bool inside(const Box& inner, const Box& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

bool painted(const std::array<SkinCopy, 9>& copies, int x, int y) {
    return std::any_of(copies.begin(), copies.end(), [&](const SkinCopy& c) {
        return inside(Box{x, y, 1, 1}, c.destination);
    });
}

// What the nine copies must achieve: they take their pictures from inside the
// skin (or the icon), paint the title bar, the bottom bar and both edges all
// along the window, copy the corners and the icon without stretching them,
// and put the icon on top.
TEST(SkinCopies, PaintTheWholeBorderWithSharpCornersAndTheIconOnTop) {
    const int W = 6960, H = 6165;
    const auto copies = skinCopies(W, H);
    for (size_t i = 0; i < copies.size(); ++i) {
        SCOPED_TRACE(i);
        const Box from =
            copies[i].fromIcon ? Box{0, 0, 240, 240} : Box{0, 0, kSkinWidth, kSkinHeight};
        EXPECT_TRUE(inside(copies[i].source, from));
        EXPECT_EQ(copies[i].fromIcon, i == copies.size() - 1);
        if (i >= 4) {  // the four corners and the icon
            EXPECT_EQ(copies[i].source.width, copies[i].destination.width);
            EXPECT_EQ(copies[i].source.height, copies[i].destination.height);
        }
    }
    for (int x = 0; x < W; x += 15) {
        SCOPED_TRACE(x);
        for (int y : {0, 599, H - 600, H - 1}) EXPECT_TRUE(painted(copies, x, y));
    }
    for (int y = 0; y < H; y += 15) {
        SCOPED_TRACE(y);
        for (int x : {0, 199, W - 200, W - 1}) EXPECT_TRUE(painted(copies, x, y));
    }
    // The caption buttons' normal look comes from the top-right corner,
    // which ends where the window ends.
    EXPECT_EQ(copies[6].destination.x + copies[6].destination.width, W);
}

TEST(SkinCopies, FollowTheWindowAndTheSkinSize) {
    const auto copies = skinCopies(3000, 2000, 1000, 900);
    EXPECT_EQ(copies[1].destination, (Box{420, 1400, 3000, 600}));
    EXPECT_EQ(copies[3].source, (Box{800, 880, 200, 40}));
    EXPECT_EQ(copies[7].destination, (Box{1335, 1475, 1665, 525}));
    EXPECT_EQ(copies[7].source, (Box{-665, 375, 1665, 525}));
}

TEST(SkinCopies, InPixelsTheCornersMeetTheGameWindowsEdges) {
    const auto copies = skinCopies(6960, 6165);
    EXPECT_EQ(toPixels(copies[2].source), (Box{0, 59, 13, 3}));  // 58.67, 13.33, 2.67
    EXPECT_EQ(toPixels(copies[3].destination), (Box{451, 0, 13, 411}));
    EXPECT_EQ(toPixels(copies[6].source), (Box{160, 0, 111, 29}));
    EXPECT_EQ(toPixels(copies[6].destination), (Box{353, 0, 111, 29}));
    EXPECT_EQ(toPixels(copies[7].destination), (Box{353, 376, 111, 35}));
    EXPECT_EQ(toPixels(copies[8].destination), (Box{7, 5, 16, 16}));
}

TEST(KeepOnScreen, CorrectsARememberedPosition) {
    // A 1024 x 768 screen in twips, the game's window.
    const int SW = 15360, SH = 11520, W = 6960, H = 6165;
    struct Case {
        Position remembered, kept;
    };
    const Case cases[] = {
        {{3000, 2000}, {3000, 2000}},    // on the screen: unchanged
        {{-450, 2000}, {0, 2000}},       // negative left
        {{3000, -1}, {3000, 0}},         // negative top
        {{-5, -5}, {0, 0}},              //
        {{9000, 2000}, {SW - W, 2000}},  // past the right edge: the edges meet
        {{3000, 6000}, {3000, SH - H}},  // past the bottom edge
        {{99999, 99999}, {SW - W, SH - H}},
        {{SW - W, SH - H}, {SW - W, SH - H}},  // just fitting
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.remembered.x << "," << c.remembered.y);
        EXPECT_EQ(keepOnScreen(c.remembered, SW, SH, W, H), c.kept);
    }
}

TEST(KeepOnScreen, AWindowLargerThanTheScreenKeepsItsTitleBarOnIt) {
    EXPECT_EQ(keepOnScreen({500, 500}, 6000, 5000, 6960, 6165), (Position{0, 0}));
}

TEST(FrameLayout, ControlsOfTheGameWindow) {
    const FrameLayout f = frameLayout(6960, 6165, 1500, 180);
    EXPECT_EQ(f.notice, (Position{6960 - 1500 - 120, 6165 - 180 - 75}));
    EXPECT_EQ(f.dragStrip, (Position{720, 0}));
    EXPECT_EQ(f.dragStripWidth, 6285);
    EXPECT_EQ(f.dragStripHeight, 375);
    EXPECT_EQ(f.minimise, (Position{6330, 75}));
    EXPECT_EQ(f.close, (Position{6645, 75}));
    EXPECT_EQ(f.buttonWidth, 255);
    EXPECT_EQ(f.buttonHeight, 240);
    EXPECT_EQ(f.caption, (Position{420, 100}));
}

}  // namespace
}  // namespace quellan::frame
