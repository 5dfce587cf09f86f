#pragma once
// The numeric codes the widget's events and properties use: mouse buttons
// (1 left, 2 right, 4 middle), shift state (1 Shift, 2 Ctrl, 4 Alt),
// virtual key codes, and the cursor kinds of MousePointer.
#include <QCursor>
#include <Qt>

namespace quellan::xp {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

inline constexpr int kKeySpace = 32;
inline constexpr int kKeyShift = 16;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// Twips (1/1440 inch) per pixel on the reference display; the widget font's
// pixel height is taken from it. Event coordinates are plain pixels.
inline constexpr float kTwipsPerPixel = 15.0f;

inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerCustom = 99;

int buttonCode(Qt::MouseButton button);
int buttonsCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
// The virtual key code of a Qt key; 0 for keys without one.
int virtualKeyCode(int qtKey);

// The cursor shape of a MousePointer kind; false for 99 (custom) and for
// kinds the platform does not know.
bool cursorShapeOf(int pointer, Qt::CursorShape& shape);

}  // namespace quellan::xp
