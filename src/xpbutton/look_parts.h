#pragma once
// Steps several looks share: the plain face choice, the test for a toggle
// held down or switched on, and the common ending with focus and contents.
#include <initializer_list>

#include "xpbutton/paint_borders.h"
#include "xpbutton/render_state.h"

namespace quellan::xp {

// Visual states as the looks name them; each look gives them its own meaning.
enum VisualState : int { kStateNormal = 0, kStateDefault = 1, kStatePressed = 2, kStateHot = 3 };

// A toggle or option button held down, or any button switched on: the
// looks then show their sunken or "on" set.
inline bool heldOrOn(const ButtonState& state) {
    return (state.isPressed && state.canBeOn()) || state.props.value();
}

// The face of the looks without a face rule of their own: the "on" colour
// of a toggle or option button that is on, else the face colour.
inline Rgb plainFace(const ButtonState& state) {
    return (state.canBeOn() && state.props.value()) ? state.colors.value : state.colors.face;
}

// Assigns colour to the border lines with the given indices (1..12).
inline void setLines(BorderTables& tables, std::initializer_list<int> lines, Rgb colour) {
    for (int line : lines) tables.colors[line] = colour;
}

// Sunken (2) while held down or on, otherwise at least raised (1).
inline int raisedOrSunken(const ButtonState& state, int visualState) {
    if (heldOrOn(state)) return kStatePressed;
    return visualState > kStateDefault ? visualState : kStateDefault;
}

// The outer ring of the thin looks: raised (white top and left) in the
// default state, sunken (grey top and left) in the pressed state.
void setThinFrame(BorderTables& tables, int visualState);

// The focus colour of the bevelled looks: black, but on slanted shapes a
// darker face unless the button is held down or on.
Rgb slantedFocusColour(const ButtonState& state, Rgb fill);

// Paints the face with the plain fill and the unadjusted gradient colour
// and returns the starting visual state.
int paintPlainBackground(Canvas& canvas, const ButtonState& state, Rgb fill);

// Draws the borders unless the shape is elliptic (its rim is the shape's).
void paintBordersOfShape(Canvas& canvas, const ButtonState& state, BorderTables& tables,
                         PenStyle outerStyle = PenStyle::Solid);

// The ending of the bevelled looks: a focus rectangle inside the frame,
// solid while on, then the contents; a disabled command button's caption
// is white under grey, a disabled toggle's grey in one pass.
void finishBevelledLook(Canvas& canvas, const ButtonState& state, Rgb fill, Rgb focusColour);

}  // namespace quellan::xp
