#include "xpbutton/shape_region.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace quellan::xp {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels of the w x h widget that the region leaves out.
Pixels missing(const QRegion& region, int w, int h) {
    Pixels out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!region.contains(QPoint(x, y))) out.insert({x, y});
    return out;
}

TEST(ShapeRegion, ThemeLookTrimsThreePixelsAtEveryCorner) {
    const ShapeRegion s = BuildShapeRegion(60, 60, 0, 2, true);
    const Pixels expected{{0, 0},   {1, 0},   {0, 1},     // top left
                          {58, 0},  {59, 0},  {59, 1},    // top right
                          {0, 58},  {0, 59},  {1, 59},    // bottom left
                          {59, 58}, {58, 59}, {59, 59}};  // bottom right
    EXPECT_EQ(missing(s.region, 60, 60), expected);
    EXPECT_EQ(s.shapeLeftInset, 0);
    EXPECT_EQ(s.shapeRightEdge, 60);
}

TEST(ShapeRegion, UndoButtonKeepsEverythingButItsCorners) {
    const ShapeRegion s = BuildShapeRegion(97, 33, 0, 2, true);
    EXPECT_EQ(missing(s.region, 97, 33).size(), 12u);
    EXPECT_TRUE(s.region.contains(QPoint(2, 0)));
    EXPECT_TRUE(s.region.contains(QPoint(1, 1)));
    EXPECT_TRUE(s.region.contains(QPoint(95, 31)));
}

TEST(ShapeRegion, PlainLooksKeepTheFullRectangle) {
    EXPECT_TRUE(missing(BuildShapeRegion(40, 20, 0, 0, true).region, 40, 20).empty());
    EXPECT_EQ(missing(BuildShapeRegion(40, 20, 0, 3, true).region, 40, 20),
              (Pixels{{0, 19}, {39, 0}}));
    EXPECT_TRUE(missing(BuildShapeRegion(40, 20, 0, 3, false).region, 40, 20).empty());
}

TEST(ShapeRegion, ParallelogramMeasures) {
    const ShapeRegion s = BuildShapeRegion(100, 30, 3, 2, true);
    EXPECT_EQ(s.shapeLeftInset, 31);
    EXPECT_EQ(s.shapeRightEdge, 69);
    EXPECT_TRUE(s.region.contains(QPoint(0, 0)));    // no trimming on shape 3
    EXPECT_FALSE(s.region.contains(QPoint(5, 29)));  // left of the slanted left edge
    EXPECT_FALSE(s.region.contains(QPoint(95, 1)));  // right of the slanted right edge
}

TEST(ShapeRegion, NarrowSlantedWidgetsAreWidened) {
    EXPECT_EQ(widenedWidth(30, 30, 1), 40);
    EXPECT_EQ(widenedWidth(100, 30, 3), 100);
    EXPECT_EQ(widenedWidth(30, 30, 0), 30);
}

}  // namespace
}  // namespace quellan::xp
