#pragma once
// The look the game's own buttons share: the undo button and the coach's.
#include <QtGlobal>

namespace quellan::look {

// The system's button-face colour, as a widget colour value.
inline constexpr quint32 kButtonFace = 0x8000000F;

}  // namespace quellan::look
