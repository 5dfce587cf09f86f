#include "xpbutton/paint_background.h"

#include <algorithm>
#include <cstdlib>

#include "xpbutton/shape_region.h"

namespace quellan::xp {

namespace {

constexpr int kShadingDepth = 25;  // the theme face darkens by 25 levels top to bottom

// The elliptic rim belongs to the shapes and is painted with them.
void paintEllipticRim(Canvas& canvas, const ButtonState& state) {
    canvas.clearClip();
    const int shape = state.props.buttonShape();
    const bool quiet =
        !state.isHovering && !state.pressedLook() && state.props.buttonStyle() == kStyleHoverFrame;
    if (!quiet) {
        if (shape == kShapeEllipseBlackRim) {
            // A two-pixel black outline: every pixel of the window region
            // outside the inner ellipse.
            const QRegion outer = ellipticRegion(state.width, state.height);
            for (const QRect& r : outer.subtracted(state.innerClipRegion)) {
                canvas.FillBox(r.left(), r.top(), r.right() + 1, r.bottom() + 1, 0);
            }
        } else if (!(shape == kShapeEllipseFlatPress && state.pressedLook())) {
            ButtonState rim = state;
            rim.props.setGradientMode(state.pressedLook() ? 4 : 3);
            PaintGradient(canvas, rim, AdjustColor(state.containerBackColor, 172),
                          AdjustColor(state.containerBackColor, -32));
        }
    }
    canvas.setClip(state.innerClipRegion);
}

}  // namespace

int shadingOffset(int row, int height) {
    if (height <= 0) return 0;
    // Exact rounding of -(25*row)/height, ties to even.
    const int num = kShadingDepth * row;
    int q = num / height;
    const int rem = num % height;
    if (2 * rem > height || (2 * rem == height && (q % 2) != 0)) ++q;
    return -q;
}

int PaintBackground(Canvas& canvas, const ButtonState& state, Rgb fill, Rgb gradientEnd,
                    Rgb hoverFill) {
    const ButtonProperties& p = state.props;
    const int visualState = state.pressedLook() ? 2 : (state.has(kShowsDefaultLook) ? 1 : 0);
    if (hoverFill == kNoColor) hoverFill = fill;
    const bool commandPressed = p.mode() == kModeCommand && state.pressedLook();
    const Rgb face = (state.isHovering && !p.value() && !commandPressed) ? hoverFill : fill;
    const int w = state.width;
    const int h = state.height;

    if (state.isElliptic()) paintEllipticRim(canvas, state);

    if (p.value() || p.gradientMode() == 0) {
        if (p.buttonStyle() == kStyleTheme && (state.enabled || state.canBeOn())) {
            // Row 0 and the outer columns are left to the border lines.
            for (int i = 1; i <= h - 1; ++i) {
                canvas.FillBox(1, i, w - 1, i + 1, AdjustColor(face, shadingOffset(i, h), true));
            }
        } else {
            canvas.FillBox(0, 0, w, h, face);
        }
    } else if (!state.isHovering || state.pressedLook() ||
               p.gradientColor() == p.hoverBackColor()) {
        PaintGradient(canvas, state, fill, gradientEnd == kNoColor ? fill : gradientEnd);
    } else {
        canvas.FillBox(0, 0, w, h, hoverFill);
    }
    return visualState;
}

std::vector<Rgb> BuildGradientTable(int count, Rgb from, Rgb to) {
    std::vector<Rgb> table;
    if (count <= 0) return table;
    table.push_back(from);
    const int steps = count - 1;
    double r = redOf(from), g = greenOf(from), b = blueOf(from);
    const double dr = steps ? (redOf(to) - r) / steps : 0;
    const double dg = steps ? (greenOf(to) - g) / steps : 0;
    const double db = steps ? (blueOf(to) - b) / steps : 0;
    for (int k = 1; k < count; ++k) {
        r = std::clamp(r + dr, 0.0, 255.0);
        g = std::clamp(g + dg, 0.0, 255.0);
        b = std::clamp(b + db, 0.0, 255.0);
        table.push_back(packRgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)));
    }
    return table;
}

void PaintGradient(Canvas& canvas, const ButtonState& state, Rgb from, Rgb to) {
    const int mode = state.props.gradientMode();
    const bool alongX = mode == 1 || mode == 2;
    const int w = state.width;
    const int h = state.height;
    const int n = alongX ? w : h;
    if (n <= 0) return;
    const int screen = alongX ? state.screenSize.width() : state.screenSize.height();
    int size = 1;
    int count = n;
    // A widget larger than a quarter of the screen gets bands of two pixels.
    if (screen / n < 4) {
        size = 2;
        count = n / 2;
    }
    const std::vector<Rgb> table = BuildGradientTable(count, from, to);
    const bool forward = mode == 1 || mode == 3;
    for (int i = 0; i < count; ++i) {
        const Rgb c = table[forward ? i : count - 1 - i];
        const int at = i * size;
        if (alongX) {
            canvas.FillBox(at, 0, at + size, h, c);
        } else {
            canvas.FillBox(0, at, w, at + size, c);
        }
    }
}

}  // namespace quellan::xp
