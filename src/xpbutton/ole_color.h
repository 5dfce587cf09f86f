#pragma once
// Colour values of the widget. A value with the top bit set names a system
// colour (its low byte is the system colour index, resolved through the
// desktop palette); any other value is RGB packed as R + G*256 + B*65536.
#include <QtGlobal>

class QColor;
class QPalette;

namespace quellan::xp {

using Rgb = quint32;  // packed R + G*256 + B*65536, top byte 0

inline constexpr quint32 kSystemColorBit = 0x80000000u;

// System colour indices the widget and the game name by value.
enum SystemColorIndex : int {
    kColorScrollBar = 0,
    kColorBackground = 1,
    kColorActiveCaption = 2,
    kColorInactiveCaption = 3,
    kColorMenu = 4,
    kColorWindow = 5,
    kColorWindowFrame = 6,
    kColorMenuText = 7,
    kColorWindowText = 8,
    kColorCaptionText = 9,
    kColorActiveBorder = 10,
    kColorInactiveBorder = 11,
    kColorAppWorkspace = 12,
    kColorHighlight = 13,
    kColorHighlightText = 14,
    kColorButtonFace = 15,
    kColorButtonShadow = 16,
    kColorGrayText = 17,
    kColorButtonText = 18,
    kColorInactiveCaptionText = 19,
    kColorButtonHighlight = 20,
    kColor3DDarkShadow = 21,
    kColor3DLight = 22,
    kColorInfoText = 23,
    kColorInfoBackground = 24,
    kColorHotLight = 26,
    kColorGradientActiveCaption = 27,
    kColorGradientInactiveCaption = 28,
    kColorMenuHighlight = 29,
    kColorMenuBar = 30,
};

inline constexpr quint32 kButtonFace = kSystemColorBit | kColorButtonFace;  // 0x8000000F
inline constexpr quint32 kButtonText = kSystemColorBit | kColorButtonText;  // 0x80000012

constexpr Rgb packRgb(int r, int g, int b) {
    return static_cast<Rgb>(r) | (static_cast<Rgb>(g) << 8) | (static_cast<Rgb>(b) << 16);
}
constexpr int redOf(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr bool isSystemColor(quint32 value) { return (value & kSystemColorBit) != 0; }

// The RGB value of a system colour index in the given palette; black for
// indices the desktop does not define.
[[nodiscard]] Rgb systemColor(int index, const QPalette& palette);

// Resolves a colour value: system colours through the palette (the
// application's palette when none is given), packed RGB unchanged.
[[nodiscard]] Rgb ToRGB(quint32 value, const QPalette& palette);
[[nodiscard]] Rgb ToRGB(quint32 value);

// Shifts every channel of an RGB colour by amount and clamps it to 0..255.
// With scaleBlue the blue channel moves in proportion to its own value
// (b + amount*b/192, truncated toward zero), so a blue of 0 stays 0.
[[nodiscard]] Rgb AdjustColor(Rgb colour, int amount, bool scaleBlue = false);

[[nodiscard]] QColor toQColor(Rgb colour);
[[nodiscard]] Rgb fromQColor(const QColor& colour);

}  // namespace quellan::xp
