// Style 5, the hover frame: a flat button that shows a thin frame only
// under the pointer or while on. At design time a dotted outline in a shade
// of the container's colour shows where the invisible button lies.
#include <QPainter>

#include "xpbutton/look_parts.h"
#include "xpbutton/looks.h"

namespace quellan::xp {

namespace {

// The design-time outline of an elliptic button that has the container's
// colour: a white dotted ellipse over the whole widget, past the rim clip.
void paintDesignEllipse(Canvas& canvas, const ButtonState& state) {
    QPainter painter(&canvas.image());
    QPen pen(toQColor(kWhite), 1);
    pen.setDashPattern({double(kDotLength), double(kDotLength)});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(0, 0, state.width - 1, state.height - 1));
}

}  // namespace

void paintHoverFrameLook(Canvas& canvas, const ButtonState& state) {
    const bool on = state.props.value();
    const Rgb fill = plainFace(state);
    Rgb focus = kBlack;
    if (!(state.canBeOn() && on) && state.isSlanted()) {
        focus = AdjustColor(state.containerBackColor, -32);
    }
    const int visualState = paintPlainBackground(canvas, state, fill);

    BorderTables t;
    if (state.has(kIsMouseOver) || on) {
        setThinFrame(t, raisedOrSunken(state, visualState));
    } else if (state.designMode) {
        const Rgb outline = AdjustColor(state.containerBackColor, -64);
        setLines(t, {9, 10, 11, 12}, outline == kBlack ? kWhite : outline);
    }
    paintBordersOfShape(canvas, state, t, state.designMode ? PenStyle::Dotted : PenStyle::Solid);
    if (state.isElliptic() && state.designMode && fill == state.containerBackColor) {
        paintDesignEllipse(canvas, state);
    }
    finishBevelledLook(canvas, state, fill, focus);
}

}  // namespace quellan::xp
