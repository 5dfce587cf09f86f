// Style 7, the black frame: a white inner highlight, two shaded rings and
// rounded corners; a pressed or switched-on button turns grey with light
// text.
#include "xpbutton/look_parts.h"
#include "xpbutton/looks.h"
#include "xpbutton/paint_background.h"
#include "xpbutton/paint_content.h"

namespace quellan::xp {

namespace {

struct FrameColours {
    Rgb fill;
    Rgb hi;
    Rgb c1;
    Rgb c2;
};

// Corner pixels that round the frame off inside the trimmed window region.
void paintCorners(Canvas& canvas, const ButtonState& state, const FrameColours& c) {
    const int W = state.width;
    const int H = state.height;
    if (state.shapeLeftInset == 0) {
        canvas.SetPixel(3, 3, c.hi);
        canvas.SetPixel(1, H - 3, c.fill);
        canvas.SetPixel(2, 2, c.c1);
        canvas.SetPixel(1, H - 2, kBlack);
        canvas.SetPixel(1, 1, kBlack);
    }
    if (state.shapeRightEdge == W) {
        canvas.SetPixel(W - 4, H - 4, c.fill);
        canvas.SetPixel(W - 3, 1, c.fill);
        canvas.SetPixel(W - 3, H - 3, c.c2);
        canvas.SetPixel(W - 2, H - 2, kBlack);
        canvas.SetPixel(W - 2, 1, kBlack);
    }
}

// The caption colour: the light face colour on the dark pressed or "on"
// face, else the text colour; disabled captions as the other looks.
Rgb captionColour(const ButtonState& state, Rgb fill) {
    const ButtonProperties& p = state.props;
    const bool on = p.value();
    if ((state.pressedLook() && p.mode() == kModeCommand) || (state.canBeOn() && on)) {
        return (!state.enabled && state.canBeOn() && on) ? AdjustColor(fill, -32, true)
                                                         : state.colors.face;
    }
    if (state.enabled) return ToRGB(p.foreColor());
    return p.mode() == kModeCommand ? kNoColor : kGrey;
}

}  // namespace

void paintBlackFrameLook(Canvas& canvas, const ButtonState& state) {
    const ButtonProperties& p = state.props;
    const bool on = p.value();
    const FaceColors& fc = state.colors;
    Rgb fill = fc.face;
    Rgb focus = kBlack;
    if (p.mode() == kModeCommand) {
        if (state.pressedLook()) fill = fc.pressed;
        if (state.isSlanted()) focus = AdjustColor(fill, -64);
    } else if (on) {
        fill = fc.value;
        focus = AdjustColor(kGrey, -32);
    }
    const Rgb gradientEnd =
        p.gradientMode() != 0 ? AdjustColor(ToRGB(p.gradientColor()), 31) : fill;
    int visualState = PaintBackground(canvas, state, fill, gradientEnd, fc.hover);

    if (!state.isElliptic()) {
        if (heldOrOn(state)) visualState = on ? kStatePressed : kStateNormal;
        FrameColours c{fill, kWhite, AdjustColor(fill, 31, true), AdjustColor(fill, -64, true)};
        if (visualState == kStatePressed) {
            const Rgb base = p.gradientMode() != 0 ? fc.face : kGrey;
            c = {base, AdjustColor(base, -32), AdjustColor(base, -64), AdjustColor(base, -16)};
        }
        fill = c.fill;
        BorderTables t;
        setLines(t, {1, 2}, c.hi);
        setLines(t, {3, 4}, c.fill);
        setLines(t, {5, 6}, c.c1);
        setLines(t, {7, 8}, c.c2);
        setLines(t, {9, 10, 11, 12}, kBlack);
        paintBordersOfShape(canvas, state, t);
        paintCorners(canvas, state, c);
    }
    PaintFocus(canvas, state, focus, on, true);

    const Rgb caption = captionColour(state, fill);
    if (on && p.hoverForeColor() == p.foreColor()) {
        // Dark text on the dark "on" face would vanish under the pointer.
        ButtonState shown = state;
        shown.props.setHoverForeColor(caption);
        PaintContent(canvas, shown, fill, caption, on, state.canBeOn());
        return;
    }
    PaintContent(canvas, state, fill, caption, on, state.canBeOn());
}

}  // namespace quellan::xp
