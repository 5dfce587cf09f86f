#include "frame_model/frame_geometry.h"

#include <algorithm>

namespace quellan::frame {

namespace {

// The frame's fixed measures, in twips.
constexpr int kTitleHeight = 600;    // the painted title bar and bottom bar
constexpr int kMiddleLeft = 420;     // where the stretched middle parts start
constexpr int kMiddleSample = 120;   // width of the sampled middle strip
constexpr int kEdgeWidth = 200;      // the left and right edges
constexpr int kEdgeSampleTop = 880;  // the edge strip sampled from the skin
constexpr int kEdgeSampleHeight = 40;
constexpr int kLeftCornerWidth = 450;
constexpr int kRightCornerWidth = 1665;  // wide enough for both caption buttons
constexpr int kTopRightHeight = 435;
constexpr int kBottomRightHeight = 525;
constexpr int kIconSize = 240;
constexpr Position kIconAt{100, 80};

}  // namespace

std::array<SkinCopy, 9> skinCopies(int W, int H, int PW, int PH) {
    return {{
        {{kMiddleLeft, 0, kMiddleSample, kTitleHeight}, {kMiddleLeft, 0, W, kTitleHeight}},
        {{kMiddleLeft, PH - kTitleHeight, kMiddleSample, kTitleHeight},
         {kMiddleLeft, H - kTitleHeight, W, kTitleHeight}},
        {{0, kEdgeSampleTop, kEdgeWidth, kEdgeSampleHeight}, {0, 0, kEdgeWidth, H}},
        {{PW - kEdgeWidth, kEdgeSampleTop, kEdgeWidth, kEdgeSampleHeight},
         {W - kEdgeWidth, 0, kEdgeWidth, H}},
        {{0, 0, kLeftCornerWidth, kTitleHeight}, {0, 0, kLeftCornerWidth, kTitleHeight}},
        {{0, PH - kTitleHeight, kLeftCornerWidth, kTitleHeight},
         {0, H - kTitleHeight, kLeftCornerWidth, kTitleHeight}},
        {{PW - kRightCornerWidth, 0, kRightCornerWidth, kTopRightHeight},
         {W - kRightCornerWidth, 0, kRightCornerWidth, kTopRightHeight}},
        {{PW - kRightCornerWidth, PH - kBottomRightHeight, kRightCornerWidth, kBottomRightHeight},
         {W - kRightCornerWidth, H - kBottomRightHeight, kRightCornerWidth, kBottomRightHeight}},
        {{0, 0, kIconSize, kIconSize}, {kIconAt.x, kIconAt.y, kIconSize, kIconSize}, true},
    }};
}

Box toPixels(const Box& twips) {
    return {twipsToPixels(twips.x), twipsToPixels(twips.y), twipsToPixels(twips.width),
            twipsToPixels(twips.height)};
}

std::array<RegionShape, 6> windowRegionShapes(int W, int H) {
    using K = RegionShape::Kind;
    const int w = twipsToPixels(W);
    const int h = twipsToPixels(H);
    return {{
        {K::Rectangle, 0, 5, w, h - 5},
        {K::Rectangle, 5, 0, w - 5, h},
        {K::Ellipse, -2, 0, 15, 35},                 // top left
        {K::Ellipse, w - 15, 0, w + 2, 20},          // top right
        {K::Ellipse, -1, h - 20, 10, h},             // bottom left
        {K::Ellipse, w - 20, h - 40, w + 3, h + 4},  // bottom right
    }};
}

bool regionContains(const std::array<RegionShape, 6>& shapes, int x, int y) {
    for (const RegionShape& s : shapes) {
        if (s.kind == RegionShape::Kind::Rectangle) {
            if (x >= s.left && x < s.right && y >= s.top && y < s.bottom) return true;
            continue;
        }
        const double rx = (s.right - s.left) / 2.0;
        const double ry = (s.bottom - s.top) / 2.0;
        if (rx <= 0 || ry <= 0) continue;
        const double dx = (x + 0.5 - (s.left + rx)) / rx;
        const double dy = (y + 0.5 - (s.top + ry)) / ry;
        if (dx * dx + dy * dy <= 1.0) return true;
    }
    return false;
}

Position keepOnScreen(Position p, int screenWidth, int screenHeight, int W, int H) {
    p.x = std::max(p.x, 0);
    p.y = std::max(p.y, 0);
    if (screenWidth - W < p.x) p.x = screenWidth - W;
    if (screenHeight - H < p.y) p.y = screenHeight - H;
    // A window larger than the screen keeps its title bar reachable.
    p.x = std::max(p.x, 0);
    p.y = std::max(p.y, 0);
    return p;
}

FrameLayout frameLayout(int W, int H, int noticeWidth, int noticeHeight) {
    FrameLayout f{};
    f.notice = {W - noticeWidth - 120, H - noticeHeight - 75};
    f.dragStrip = {720, 0};
    f.dragStripWidth = W - 675;
    f.dragStripHeight = 375;
    f.minimise = {W - 630, 75};
    f.close = {W - 315, 75};
    f.buttonWidth = 255;
    f.buttonHeight = 240;
    f.caption = {420, 100};
    return f;
}

}  // namespace quellan::frame
