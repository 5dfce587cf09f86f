#include "xpbutton/look_parts.h"

#include "xpbutton/looks.h"
#include "xpbutton/paint_background.h"
#include "xpbutton/paint_content.h"

namespace quellan::xp {

void setThinFrame(BorderTables& tables, int visualState) {
    const bool sunken = visualState == kStatePressed;
    setLines(tables, {9, 10}, sunken ? kGrey : kWhite);
    setLines(tables, {11, 12}, sunken ? kWhite : kGrey);
}

Rgb slantedFocusColour(const ButtonState& state, Rgb fill) {
    return state.isSlanted() && !heldOrOn(state) ? AdjustColor(fill, -48) : kBlack;
}

int paintPlainBackground(Canvas& canvas, const ButtonState& state, Rgb fill) {
    return PaintBackground(canvas, state, fill, ToRGB(state.props.gradientColor()),
                           state.colors.hover);
}

void paintBordersOfShape(Canvas& canvas, const ButtonState& state, BorderTables& tables,
                         PenStyle outerStyle) {
    if (state.isElliptic()) return;
    tables.points = borderPoints(state);
    PaintBorders(canvas, tables, outerStyle);
}

void finishBevelledLook(Canvas& canvas, const ButtonState& state, Rgb fill, Rgb focusColour) {
    const bool on = state.props.value();
    const bool command = state.props.mode() == kModeCommand;
    PaintFocus(canvas, state, focusColour, on, false);
    PaintContent(canvas, state, fill, command ? kNoColor : kGrey, on, !command);
}

}  // namespace quellan::xp
