#pragma once
// The units and input codes the whole game shares. Every position and size is
// in twips, 15 to a pixel on the reference display; the board and the pieces
// keep whole twips. Mouse events carry twips as single-precision numbers and
// count buttons and shift keys with the codes below (the numbers of the
// game's event arguments). Turning Qt's buttons into these codes is the
// platform layer's job (platform/mouse_codes.h).
namespace quellan {

inline constexpr int kTwipsPerPixel = 15;

// Whole pixels for whole twips, rounded to the nearest pixel (a length of
// whole twips is never exactly half a pixel away from two neighbours).
constexpr int twipsToPixels(int twips) {
    const int whole = twips / kTwipsPerPixel;
    const int rest = twips % kTwipsPerPixel;
    return whole + (2 * rest > kTwipsPerPixel) - (2 * rest < -kTwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// The twips of a point of a mouse event, as the events carry them.
constexpr float eventTwips(double pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; }

// Mouse buttons: one at a time for presses and releases, combined for moves.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Shift keys held during an event, combined.
inline constexpr int kShiftKey = 1;
inline constexpr int kControlKey = 2;
inline constexpr int kAltKey = 4;

}  // namespace quellan
