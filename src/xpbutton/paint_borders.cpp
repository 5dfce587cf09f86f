#include "xpbutton/paint_borders.h"

#include <QPainter>

namespace quellan::xp {

namespace {

// The system's dotted focus rectangle: every other pixel of the outline
// inverted, so it shows on any face.
void drawFocusRect(Canvas& canvas, const Box& box) {
    int phase = 0;
    auto invert = [&](int x, int y) {
        if ((phase++ % 2) == 0) canvas.SetPixel(x, y, canvas.pixel(x, y) ^ 0xFFFFFF);
    };
    for (int x = box.left; x < box.right; ++x) invert(x, box.top);
    for (int y = box.top + 1; y < box.bottom; ++y) invert(box.right - 1, y);
    for (int x = box.right - 2; x >= box.left; --x) invert(x, box.bottom - 1);
    for (int y = box.bottom - 2; y > box.top; --y) invert(box.left, y);
}

void closedPolyline(Canvas& canvas, const Box& b, Rgb colour) {
    canvas.Polyline({{b.left, b.top},
                     {b.right, b.top},
                     {b.right, b.bottom},
                     {b.left, b.bottom},
                     {b.left, b.top}},
                    colour);
}

}  // namespace

std::array<QPoint, 16> borderPoints(const ButtonState& state) {
    const int shape = state.props.buttonShape();
    const int dl = (shape == kShapeSlantedLeft || shape == kShapeParallelogram) ? 1 : 0;
    const int dr = (shape == kShapeSlantedRight || shape == kShapeParallelogram) ? 1 : 0;
    const int L = state.shapeLeftInset;
    const int R = state.shapeRightEdge;
    const int W = state.width;
    const int H = state.height;
    std::array<QPoint, 16> p{};
    p[0] = {L + 2 - 4 * dl, H - 3};
    p[1] = {2 * dl + 2, 2};
    p[2] = {R - 3 + 3 * dr, 2};
    p[3] = {W - 3 - 3 * dr, H - 3};
    p[4] = {L + 1 - 4 * dl, H - 3};
    p[5] = p[0] + QPoint(dl - 1, 1);
    p[6] = p[1] + QPoint(-dl - 1, -1);
    p[7] = p[2] + QPoint(1 - dr, -1);
    p[8] = p[3] + QPoint(dr + 1, 1);
    p[9] = p[4] + QPoint(-1, 1);
    p[10] = {L - dl, H - 1 + dl};
    p[11] = {0, 0};
    p[12] = {R + dr - 1, 0};
    p[13] = {W - 1, H - 1 + dr};
    p[14] = {L - 2 * dl - 1, H - 1};
    p[15] = {W - 1, H - 1};
    return p;
}

void PaintBorders(Canvas& canvas, const BorderTables& tables, PenStyle outerStyle) {
    // Segment start points and their colour indices; segments 4 and 9 only
    // join the rings and are not drawn.
    static constexpr std::array<std::pair<int, int>, 12> kSegments{{{0, 1},
                                                                    {1, 2},
                                                                    {2, 3},
                                                                    {3, 4},
                                                                    {5, 5},
                                                                    {6, 6},
                                                                    {7, 7},
                                                                    {8, 8},
                                                                    {10, 9},
                                                                    {11, 10},
                                                                    {12, 11},
                                                                    {13, 12}}};
    const auto& p = tables.points;
    // Without a line of their own, the closing segment takes the pen the
    // face was painted with.
    Rgb penColour = canvas.currentPen();
    PenStyle penStyle = PenStyle::Solid;
    for (const auto& [j, c] : kSegments) {
        const Rgb colour = tables.colors[c];
        if (colour == kNoColor) continue;
        penColour = colour;
        penStyle = c >= 9 ? outerStyle : PenStyle::Solid;
        canvas.Line(p[j], p[j + 1], colour, penStyle);
    }
    canvas.Line(p[14], p[15], penColour, penStyle);
}

void PaintFocus(Canvas& canvas, const ButtonState& state, Rgb colour, bool solid,
                bool aroundContent) {
    if (!state.has(kShowsDefaultLook)) return;
    const int W = state.width;
    const int H = state.height;
    const int L = state.shapeLeftInset;
    const int R = state.shapeRightEdge;
    if (state.isSlanted()) {
        const int dl = L != 0 ? 1 : 0;
        const int dr = W > R ? 1 : 0;
        canvas.Polyline({{L + 4 - 6 * dl, H - 5},
                         {4 + 4 * dl, 4},
                         {R - 5 + 4 * dr, 4},
                         {W - 5 - 6 * dr, H - 5},
                         {L + 3 - 4 * dl, H - 5}},
                        colour);
        return;
    }
    if (state.isElliptic()) {
        const int k = state.props.buttonShape() == kShapeEllipseBlackRim ? 1 : 0;
        QPainter painter(&canvas.image());
        painter.setPen(toQColor(colour));
        painter.drawEllipse(QRect(3 - k, 3 - k, W - 6 + 2 * k - 1, H - 6 + 2 * k - 1));
        return;
    }
    if (aroundContent) {
        const Box r = state.props.caption().isEmpty() ? state.pictureRect : state.captionRect;
        if (solid) {
            closedPolyline(canvas, {r.left - 3, r.top - 3, r.right + 3, r.bottom + 3}, colour);
        } else {
            const int s = (state.props.value() || state.pressedLook()) ? 1 : 0;
            const Box moved = r.moved(s - 3, s - 3);
            drawFocusRect(canvas, {moved.left, moved.top, moved.right + 6, moved.bottom + 6});
        }
        return;
    }
    const Box r{L + 4, 4, R - 4, H - 4};
    if (solid) {
        closedPolyline(canvas, r, colour);
    } else {
        drawFocusRect(canvas, r);
    }
}

}  // namespace quellan::xp
