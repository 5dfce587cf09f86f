#pragma once
// Qt's mouse buttons and keyboard modifiers as the game's button and shift
// codes (common/units_and_codes.h). Header-only, so that the button widget
// uses the same conversion without linking the platform layer.
#include <Qt>

#include "common/units_and_codes.h"

namespace quellan {

// The code of the one button of a press or release; 0 for other buttons.
inline int buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

// The codes of all buttons held during a move, combined.
inline int buttonsCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= kLeftButton;
    if (buttons & Qt::RightButton) code |= kRightButton;
    if (buttons & Qt::MiddleButton) code |= kMiddleButton;
    return code;
}

inline int shiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= kShiftKey;
    if (modifiers & Qt::ControlModifier) code |= kControlKey;
    if (modifiers & Qt::AltModifier) code |= kAltKey;
    return code;
}

}  // namespace quellan
