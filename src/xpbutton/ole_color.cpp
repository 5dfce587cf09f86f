#include "xpbutton/ole_color.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <optional>

namespace quellan::xp {

namespace {

// The desktop palette stands in for the system colour table: each index
// takes the palette role that plays the same part on screen.
struct PaletteSlot {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr PaletteSlot kPaletteSlots[] = {
    {kColorScrollBar, QPalette::Active, QPalette::Button},
    {kColorBackground, QPalette::Active, QPalette::Dark},
    {kColorActiveCaption, QPalette::Active, QPalette::Highlight},
    {kColorInactiveCaption, QPalette::Inactive, QPalette::Mid},
    {kColorMenu, QPalette::Active, QPalette::Window},
    {kColorWindow, QPalette::Active, QPalette::Base},
    {kColorWindowFrame, QPalette::Active, QPalette::Shadow},
    {kColorMenuText, QPalette::Active, QPalette::WindowText},
    {kColorWindowText, QPalette::Active, QPalette::Text},
    {kColorCaptionText, QPalette::Active, QPalette::HighlightedText},
    {kColorActiveBorder, QPalette::Active, QPalette::Button},
    {kColorInactiveBorder, QPalette::Inactive, QPalette::Button},
    {kColorAppWorkspace, QPalette::Active, QPalette::Mid},
    {kColorHighlight, QPalette::Active, QPalette::Highlight},
    {kColorHighlightText, QPalette::Active, QPalette::HighlightedText},
    {kColorButtonFace, QPalette::Active, QPalette::Button},
    {kColorButtonShadow, QPalette::Active, QPalette::Dark},
    {kColorGrayText, QPalette::Disabled, QPalette::Text},
    {kColorButtonText, QPalette::Active, QPalette::ButtonText},
    {kColorInactiveCaptionText, QPalette::Inactive, QPalette::WindowText},
    {kColorButtonHighlight, QPalette::Active, QPalette::Light},
    {kColor3DDarkShadow, QPalette::Active, QPalette::Shadow},
    {kColor3DLight, QPalette::Active, QPalette::Midlight},
    {kColorInfoText, QPalette::Active, QPalette::ToolTipText},
    {kColorInfoBackground, QPalette::Active, QPalette::ToolTipBase},
    {kColorHotLight, QPalette::Active, QPalette::Link},
    {kColorGradientActiveCaption, QPalette::Active, QPalette::Highlight},
    {kColorGradientInactiveCaption, QPalette::Inactive, QPalette::Mid},
    {kColorMenuHighlight, QPalette::Active, QPalette::Highlight},
    {kColorMenuBar, QPalette::Active, QPalette::Window},
};

std::optional<PaletteSlot> slotFor(int index) {
    for (const PaletteSlot& slot : kPaletteSlots) {
        if (slot.index == index) return slot;
    }
    return std::nullopt;
}

int clampChannel(int v) { return std::clamp(v, 0, 255); }

}  // namespace

Rgb systemColor(int index, const QPalette& palette) {
    const std::optional<PaletteSlot> slot = slotFor(index);
    return slot ? fromQColor(palette.color(slot->group, slot->role)) : 0;
}

Rgb ToRGB(quint32 value, const QPalette& palette) {
    if (isSystemColor(value)) return systemColor(static_cast<int>(value & 0xFF), palette);
    return value;
}

Rgb ToRGB(quint32 value) {
    if (!isSystemColor(value)) return value;
    return ToRGB(value, QGuiApplication::palette());
}

Rgb AdjustColor(Rgb colour, int amount, bool scaleBlue) {
    const int r = redOf(colour) + amount;
    const int g = greenOf(colour) + amount;
    const int b0 = blueOf(colour);
    // C++ integer division truncates toward zero, as the rule asks.
    const int b = scaleBlue ? b0 + (amount * b0) / 192 : b0 + amount;
    return packRgb(clampChannel(r), clampChannel(g), clampChannel(b));
}

QColor toQColor(Rgb colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

Rgb fromQColor(const QColor& colour) {
    return packRgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace quellan::xp
