#pragma once
// The numeric codes the widget's events and properties use: virtual key
// codes and the cursor kinds of MousePointer. Mouse buttons, shift state
// and twips are the game's (common/units_and_codes.h, platform/mouse_codes.h).
#include <QCursor>
#include <Qt>
#include <optional>

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

// The cursor kinds of MousePointer.
enum MousePointer : int {
    kPointerDefault = 0,
    kPointerArrow = 1,
    kPointerCross = 2,
    kPointerIBeam = 3,
    kPointerIcon = 4,
    kPointerSize = 5,
    kPointerSizeNESW = 6,
    kPointerSizeNS = 7,
    kPointerSizeNWSE = 8,
    kPointerSizeWE = 9,
    kPointerUpArrow = 10,
    kPointerHourglass = 11,
    kPointerNoDrop = 12,
    kPointerArrowHourglass = 13,
    kPointerArrowQuestion = 14,
    kPointerSizeAll = 15,
    kPointerCustom = 99,  // the MouseIcon
};

// The virtual key code of a Qt key; 0 for keys without one.
[[nodiscard]] int virtualKeyCode(int qtKey);

// The cursor shape of a MousePointer kind; nothing for the custom kind and
// for kinds the platform does not know.
[[nodiscard]] std::optional<Qt::CursorShape> cursorShapeOf(int pointer);

}  // namespace quellan::xp
