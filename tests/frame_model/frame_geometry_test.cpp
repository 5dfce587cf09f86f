// The frame's geometry: the outline, the skin copies, keeping the window on
// the screen and where the frame controls stand.
#include <gtest/gtest.h>

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
    for (const Case& c : cases)
        EXPECT_EQ(regionContains(shapes, c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(SkinCopies, NineCopiesInPaintingOrder) {
    const int W = 6960, H = 6165, PW = 4065, PH = 3270;
    const auto copies = skinCopies(W, H);
    const std::array<SkinCopy, 9> expected{{
        {{420, 0, 120, 600}, {420, 0, W, 600}},
        {{420, PH - 600, 120, 600}, {420, H - 600, W, 600}},
        {{0, 880, 200, 40}, {0, 0, 200, H}},
        {{PW - 200, 880, 200, 40}, {W - 200, 0, 200, H}},
        {{0, 0, 450, 600}, {0, 0, 450, 600}},
        {{0, PH - 600, 450, 600}, {0, H - 600, 450, 600}},
        {{PW - 1665, 0, 1665, 435}, {W - 1665, 0, 1665, 435}},
        {{PW - 1665, PH - 525, 1665, 525}, {W - 1665, H - 525, 1665, 525}},
        {{0, 0, 240, 240}, {100, 80, 240, 240}, true},
    }};
    EXPECT_EQ(copies, expected);
    for (size_t i = 0; i < 8; ++i) EXPECT_FALSE(copies[i].fromIcon) << i;
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
        EXPECT_EQ(keepOnScreen(c.remembered, SW, SH, W, H), c.kept)
            << c.remembered.x << "," << c.remembered.y;
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
