// Style 2, the look of every widget the game places.
#include "xpbutton/looks.h"
#include "xpbutton/paint_background.h"
#include "xpbutton/paint_borders.h"
#include "xpbutton/paint_content.h"

namespace quellan::xp {

namespace {

enum VisualState { kNormal = 0, kDefault = 1, kPressed = 2, kHot = 3 };

// Lines 1..8 (inner then middle ring, each left, top, right, bottom) of the
// four visual states.
void fillRingColors(BorderTables& t, int visualState, Rgb face) {
    auto A = [face](int n) { return AdjustColor(face, n, true); };
    std::array<Rgb, 8> c{};
    switch (visualState) {
        case kDefault:
            c = {kDefaultBlue1, kDefaultBlue2, kDefaultBlue1, kDefaultBlue3,
                 kDefaultBlue3, kDefaultBlue4, kDefaultBlue3, kDefaultBlue5};
            break;
        case kPressed:
            c = {A(-22), A(-24), face, A(10), A(-32), A(-32), A(5), A(16)};
            break;
        case kHot:
            c = {kHotOrange1, kHotOrange2, kHotOrange1, kHotOrange3,
                 kHotOrange3, kHotOrange4, kHotOrange3, kHotOrange5};
            break;
        default:
            c = {A(-10), A(10), A(-24), A(-32), A(-5), A(16), A(-36), A(-48)};
            break;
    }
    for (int i = 0; i < 8; ++i) t.colors[i + 1] = c[i];
}

}  // namespace

void paintThemeLook(Canvas& canvas, const ButtonState& state) {
    const ButtonProperties& p = state.props;
    const bool on = p.value();
    const FaceColors& fc = state.colors;
    const Rgb face = (state.canBeOn() && on) ? fc.value : fc.face;
    Rgb fill = face;
    if (p.mode() == kModeCommand) {
        if (state.pressedLook() && p.gradientMode() == 0) {
            fill = fc.pressed;
        } else {
            fill = state.enabled ? fc.face : AdjustColor(fc.face, -24, true);
        }
    }
    const Rgb disabledCaption = AdjustColor(fill, -104, true);
    const Rgb gradientEnd =
        p.gradientMode() != 0 ? AdjustColor(ToRGB(p.gradientColor()), 48, true) : fill;

    int visualState = PaintBackground(canvas, state, fill, gradientEnd, fc.hover);

    if (!state.isElliptic()) {
        BorderTables t;
        t.points = borderPoints(state);
        if (state.enabled) {
            if ((state.isPressed && state.canBeOn()) || on) {
                visualState = state.has(kShowsDefaultLook) ? kDefault : kPressed;
            }
            if (state.has(kIsMouseOver) && !state.has(kIsButtonDown)) {
                visualState = kHot;
            } else if (visualState == kDefault && !p.showFocusRect()) {
                visualState = kNormal;
            }
            fillRingColors(t, visualState, face);
            for (int i = 9; i <= 12; ++i) t.colors[i] = kDarkBlueFrame;
        } else {
            for (int i = 9; i <= 12; ++i) t.colors[i] = AdjustColor(face, -84, true);
        }
        PaintBorders(canvas, t);
        // Single pixels in the frame colour round the corners off; the
        // window region removes the outermost corner pixels.
        const Rgb outer = t.colors[9];
        const int W = state.width;
        const int H = state.height;
        if (state.shapeLeftInset == 0) {
            canvas.SetPixel(1, 1, outer);
            canvas.SetPixel(1, H - 2, outer);
        }
        if (state.shapeRightEdge == W) {
            canvas.SetPixel(W - 2, 1, outer);
            canvas.SetPixel(W - 2, H - 2, outer);
        }
    } else {
        PaintFocus(canvas, state, state.isHovering ? kHotOrange5 : kDefaultBlue5, false, false);
    }
    PaintContent(canvas, state, fill, disabledCaption, on, true);
}

}  // namespace quellan::xp
