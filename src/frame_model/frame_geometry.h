#pragma once
// The geometry of the game's own window frame, without any window system:
// where the frame controls stand, which parts of the skin picture are
// stretched where, the outline the window is cut to, and the rule that
// keeps the window on the screen. Sizes are in twips unless a name says
// pixels.
#include <array>

#include "common/units_and_codes.h"

namespace quellan::frame {

// The skin picture: 271 x 218 pixels.
inline constexpr int kSkinWidth = 4065;
inline constexpr int kSkinHeight = 3270;

struct Box {
    int x, y, width, height;
    bool operator==(const Box&) const = default;
};

// One stretched copy of the frame painting. `fromIcon` copies take their
// source from the window icon instead of the skin picture.
struct SkinCopy {
    Box source;
    Box destination;
    bool fromIcon = false;
    bool operator==(const SkinCopy&) const = default;
};

// The nine copies that paint the frame of a window W x H from a skin picture
// PW x PH, in painting order: later copies cover earlier ones.
std::array<SkinCopy, 9> skinCopies(int W, int H, int PW = kSkinWidth, int PH = kSkinHeight);

// A box in twips as whole pixels, each value rounded to the nearest pixel.
Box toPixels(const Box& twips);

// One shape of the window outline, in pixels; right and bottom exclusive.
// An ellipse is given by its bounding box.
struct RegionShape {
    enum class Kind { Rectangle, Ellipse };
    Kind kind;
    int left, top, right, bottom;
    bool operator==(const RegionShape&) const = default;
};

// The window outline for a window W x H (twips): the union of two
// rectangles and four corner ellipses, the first rectangle first.
std::array<RegionShape, 6> windowRegionShapes(int W, int H);

// Whether pixel (x, y) lies inside the union of `shapes` (ellipses tested
// at the pixel's centre).
bool regionContains(const std::array<RegionShape, 6>& shapes, int x, int y);

struct Position {
    int x, y;
    bool operator==(const Position&) const = default;
};

// The remembered position corrected so that a window W x H lies on a
// screen of screenWidth x screenHeight: negative values become 0, a window
// reaching past the right or bottom edge is moved back to meet it. A window
// larger than the screen stays at 0 so its title bar can still be reached.
Position keepOnScreen(Position remembered, int screenWidth, int screenHeight, int W, int H);

// Where the frame's controls go for a window W x H.
struct FrameLayout {
    Position notice;      // LbBR, the bottom-right notice
    Position dragStrip;   // IMBar
    int dragStripWidth;   //
    int dragStripHeight;  //
    Position minimise;    // Immin
    Position close;       // Imclose
    int buttonWidth;      // both caption buttons
    int buttonHeight;     //
    Position caption;     // where the caption text starts (its top left)
};
FrameLayout frameLayout(int W, int H, int noticeWidth, int noticeHeight);

}  // namespace quellan::frame
