#pragma once
// A render state built without a widget, for painting one look into an
// image: the face RGB(212, 208, 200) on a container of the same colour.
#include <QImage>

#include "xpbutton/canvas.h"
#include "xpbutton/content_layout.h"
#include "xpbutton/face_colors.h"
#include "xpbutton/looks.h"
#include "xpbutton/shape_region.h"

namespace quellan::xp::testing {

inline constexpr Rgb kClassicFace = packRgb(212, 208, 200);

struct LookUnderTest {
    ButtonState state;

    LookUnderTest(int style, int w = 60, int h = 30, int shape = 0) {
        state.props.setButtonStyle(style);
        state.props.setButtonShape(shape);
        state.props.setBackColor(kClassicFace);
        state.props.setGradientColor(kClassicFace);
        state.props.setForeColor(0);
        state.foreColor = 0;
        state.containerBackColor = kClassicFace;
        state.surfaceFont.setPixelSize(12);
        resize(w, h);
    }
    void resize(int w, int h) {
        state.width = w;
        state.height = h;
        refresh();
    }
    // What the widget rebuilds after a change of look, shape or colours.
    void refresh() {
        const ShapeRegion s = BuildShapeRegion(state.width, state.height, state.props.buttonShape(),
                                               state.props.buttonStyle(), state.enabled);
        state.shapeLeftInset = s.shapeLeftInset;
        state.shapeRightEdge = s.shapeRightEdge;
        state.innerClipRegion = s.innerClipRegion;
        state.colors = computeFaceColors(state.props.buttonStyle(), ToRGB(state.props.backColor()),
                                         ToRGB(state.props.hoverBackColor()));
        state.pictureWidth = state.props.picture().width();
        state.pictureHeight = state.props.picture().height();
        state.pictureIsIcon = state.props.picture().hasAlphaChannel();
        LayoutContent(state);
    }
    void hot() {
        state.set(kIsMouseOver, true);
        state.isHovering = true;
    }
    void pressed() {
        hot();
        state.set(kIsButtonDown, true);
        state.isPressed = true;
    }
    void toggledOn() {
        state.props.setMode(kModeToggle);
        state.props.setValue(true);
    }
    QImage paint() const {
        QImage image(state.width, state.height, QImage::Format_RGB32);
        image.fill(Qt::black);
        Canvas canvas(image);
        paintLook(canvas, state);
        return image;
    }
};

inline Rgb at(const QImage& image, int x, int y) { return fromQColor(QColor(image.pixel(x, y))); }

}  // namespace quellan::xp::testing
