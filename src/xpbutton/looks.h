#pragma once
// The painters of the eight looks chosen by ButtonStyle. Each decides its
// face colour, paints the face, fills the border colour table for its visual
// state, draws borders, corners and focus, and ends with the contents.
#include "xpbutton/canvas.h"
#include "xpbutton/render_state.h"

namespace quellan::xp {

// Fixed colours of the looks.
inline constexpr Rgb kWhite = packRgb(255, 255, 255);
inline constexpr Rgb kBlack = packRgb(0, 0, 0);
inline constexpr Rgb kGrey = packRgb(128, 128, 128);
inline constexpr Rgb kLightGrey233 = packRgb(233, 233, 233);
inline constexpr Rgb kDarkBlueFrame = packRgb(0, 60, 115);
inline constexpr Rgb kDefaultBlue1 = packRgb(181, 209, 240);
inline constexpr Rgb kDefaultBlue2 = packRgb(189, 215, 247);
inline constexpr Rgb kDefaultBlue3 = packRgb(140, 174, 231);
inline constexpr Rgb kDefaultBlue4 = packRgb(191, 223, 255);
inline constexpr Rgb kDefaultBlue5 = packRgb(107, 130, 239);
inline constexpr Rgb kHotOrange1 = packRgb(255, 203, 107);
inline constexpr Rgb kHotOrange2 = packRgb(255, 219, 140);
inline constexpr Rgb kHotOrange3 = packRgb(255, 178, 49);
inline constexpr Rgb kHotOrange4 = packRgb(255, 233, 166);
inline constexpr Rgb kHotOrange5 = packRgb(231, 150, 0);
inline constexpr Rgb kFocusLilac = packRgb(153, 153, 204);

// Paints the whole widget in the look of its ButtonStyle.
void paintLook(Canvas& canvas, const ButtonState& state);

// Style 0: the classic three-dimensional button.
void paintClassicLook(Canvas& canvas, const ButtonState& state);
// Style 1: a white and grey bevel inside a black frame.
void paintTwoToneLook(Canvas& canvas, const ButtonState& state);
// Style 2, the theme look: dark blue frame, trimmed corners, shaded face,
// blue default ring and orange hot ring.
void paintThemeLook(Canvas& canvas, const ButtonState& state);
// Style 3: a flat frame; the focus is drawn around the caption.
void paintFlatFramedLook(Canvas& canvas, const ButtonState& state);
// Style 4: a one-pixel bevel.
void paintThinBevelLook(Canvas& canvas, const ButtonState& state);
// Style 5: flat, with a thin frame only under the pointer.
void paintHoverFrameLook(Canvas& canvas, const ButtonState& state);
// Style 6: two grey bevels.
void paintDoubleBevelLook(Canvas& canvas, const ButtonState& state);
// Style 7: a black frame with an inner highlight.
void paintBlackFrameLook(Canvas& canvas, const ButtonState& state);

}  // namespace quellan::xp
