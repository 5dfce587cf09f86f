#pragma once
// The numeric codes the widget's events and properties use: virtual key
// codes and the cursor kinds of MousePointer. Mouse buttons, shift state
// and twips are the game's (common/units_and_codes.h, platform/mouse_codes.h).
#include <QCursor>
#include <Qt>

#include "platform/mouse_codes.h"

namespace quellan::xp {

inline constexpr int kKeySpace = 32;
inline constexpr int kKeyShift = 16;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerCustom = 99;

// The virtual key code of a Qt key; 0 for keys without one.
int virtualKeyCode(int qtKey);

// The cursor shape of a MousePointer kind; false for 99 (custom) and for
// kinds the platform does not know.
bool cursorShapeOf(int pointer, Qt::CursorShape& shape);

}  // namespace quellan::xp
