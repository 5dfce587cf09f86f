#include "xpbutton/shape_region.h"

#include <QPolygon>

#include "xpbutton/button_properties.h"

namespace quellan::xp {

namespace {

QRegion triangle(QPoint a, QPoint b, QPoint c) {
    return QRegion(QPolygon({a, b, c}), Qt::WindingFill);
}

QRegion pixelAt(int x, int y) { return QRegion(x, y, 1, 1); }

}  // namespace

QRegion ellipticRegion(int W, int H) { return QRegion(0, 0, W + 1, H + 1, QRegion::Ellipse); }

int widenedWidth(int width, int height, int shape) {
    if (shape < kShapeSlantedLeft || shape > kShapeParallelogram) return width;
    const int d = height + 1;
    int w = width;
    while (w - d < 5) w += 5;
    return w;
}

ShapeRegion BuildShapeRegion(int W, int H, int shape, int buttonStyle, bool enabled) {
    ShapeRegion s;
    s.shapeLeftInset = 0;
    s.shapeRightEdge = W;
    const int d = H + 1;
    if (shape >= kShapeEllipse) {
        s.region = ellipticRegion(W, H);
        s.innerClipRegion = shape == kShapeEllipseBlackRim
                                ? QRegion(2, 2, W - 3, H - 3, QRegion::Ellipse)
                                : QRegion(1, 1, W - 1, H - 1, QRegion::Ellipse);
        return s;
    }
    if (shape == kShapeRectangle) {
        s.region = QRegion(0, 0, W + 1, H + 1);
    } else {
        const int e = W - d;
        QPoint second(0, H + 1);
        QPoint fourth(W + 1, 0);
        if (shape == kShapeSlantedLeft || shape == kShapeParallelogram) {
            second = QPoint(d, H + 1);
            s.shapeLeftInset = d;
        }
        if (shape == kShapeSlantedRight || shape == kShapeParallelogram) {
            fourth = QPoint(e + 1, 0);
            s.shapeRightEdge = e;
        }
        s.region = QRegion(QPolygon({QPoint(0, 0), second, QPoint(W + 1, H + 1), fourth}),
                           Qt::WindingFill);
    }
    // Only a straight edge has its corners trimmed.
    const bool trimLeft = shape == kShapeRectangle || shape == kShapeSlantedRight;
    const bool trimRight = shape == kShapeRectangle || shape == kShapeSlantedLeft;
    QRegion left;
    QRegion right;
    switch (buttonStyle) {
        case kStyleTwoTone:
            left = pixelAt(0, 0) + pixelAt(0, H - 1);
            right = pixelAt(W - 1, H - 1) + pixelAt(W - 1, 0);
            break;
        case kStyleTheme:
        case kStyleBlackFrame:
            // Two-pixel triangles at the top corners, three-pixel ones at the bottom.
            left = triangle({0, 0}, {2, 0}, {0, 2}) + triangle({0, H}, {3, H}, {0, H - 3});
            right = triangle({W, 0}, {W - 2, 0}, {W, 2}) + triangle({W, H}, {W - 3, H}, {W, H - 3});
            break;
        case kStyleFlatFramed:
            if (enabled) {
                left = pixelAt(0, H - 1);
                right = pixelAt(W - 1, 0);
            }
            break;
        default:
            break;
    }
    if (trimLeft) s.region -= left;
    if (trimRight) s.region -= right;
    if (s.shapeRightEdge == 0) s.shapeRightEdge = W;
    return s;
}

}  // namespace quellan::xp
