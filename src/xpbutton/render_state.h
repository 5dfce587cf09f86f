#pragma once
// Everything a repaint reads: the stored properties, the interaction state,
// the cached face colours, the content layout and the shape measures. The
// widget keeps one of these; the painters are plain functions of it.
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QSize>

#include "xpbutton/button_properties.h"
#include "xpbutton/ole_color.h"

namespace quellan::xp {

// Marks a border line that is not drawn, or a colour that is not given.
inline constexpr Rgb kNoColor = 0xFFFFFFFFu;

// Bits of stateFlags.
enum StateFlag : quint8 {
    kShowsDefaultLook = 1,  // the host shows the widget as its default button
    kIsButtonDown = 2,      // left button or space held on the widget
    kIsMouseOver = 4,       // pointer over the widget (also set while space is held)
};

// The face colours, rebuilt whenever the colours or the look change.
struct FaceColors {
    Rgb face = 0;
    Rgb pressed = 0;
    Rgb hover = 0;
    Rgb value = 0;
};

// A rectangle as left, top, right, bottom with right and bottom exclusive.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Box&) const = default;
    Box moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

struct ButtonState {
    ButtonProperties props;
    bool enabled = true;
    bool designMode = false;  // the game always runs its widgets
    int width = 0;
    int height = 0;
    QSize screenSize{1024, 768};  // band width of large gradients depends on it

    quint8 stateFlags = 0;
    bool isHovering = false;
    bool isPressed = false;

    FaceColors colors;
    Rgb containerBackColor = 0;
    quint32 foreColor = kButtonText;  // the text colour of the widget window
    QFont surfaceFont;                // the widget font at its pixel height

    Box captionRect;
    Box pictureRect;
    int shapeLeftInset = 0;
    int shapeRightEdge = 0;
    QRegion innerClipRegion;  // only for elliptic shapes
    int pictureWidth = 0;
    int pictureHeight = 0;
    bool pictureIsIcon = false;

    bool has(StateFlag flag) const { return (stateFlags & flag) != 0; }
    void set(StateFlag flag, bool on) {
        stateFlags = on ? (stateFlags | flag) : (stateFlags & ~flag);
    }
    // The pressed look: the button is held and the pointer is on the widget.
    bool pressedLook() const { return has(kIsButtonDown) && has(kIsMouseOver); }
    bool isElliptic() const { return props.buttonShape() >= kShapeEllipse; }
    bool isSlanted() const {
        return props.buttonShape() >= kShapeSlantedLeft &&
               props.buttonShape() <= kShapeParallelogram;
    }
    // A toggle or option button, which can be switched on.
    bool canBeOn() const { return props.mode() != kModeCommand; }
};

}  // namespace quellan::xp
