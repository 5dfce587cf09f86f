#include "xpbutton/ole_color.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace quellan::xp {

namespace {

struct PaletteSlot {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop palette stands in for the system colour table. Each index is
// mapped to the palette role that plays the same part on screen.
bool slotFor(int index, PaletteSlot& slot) {
    using P = QPalette;
    switch (index) {
        case kColorScrollBar:
            slot = {P::Active, P::Button};
            return true;
        case kColorBackground:
            slot = {P::Active, P::Dark};
            return true;
        case kColorActiveCaption:
            slot = {P::Active, P::Highlight};
            return true;
        case kColorInactiveCaption:
            slot = {P::Inactive, P::Mid};
            return true;
        case kColorMenu:
            slot = {P::Active, P::Window};
            return true;
        case kColorWindow:
            slot = {P::Active, P::Base};
            return true;
        case kColorWindowFrame:
            slot = {P::Active, P::Shadow};
            return true;
        case kColorMenuText:
            slot = {P::Active, P::WindowText};
            return true;
        case kColorWindowText:
            slot = {P::Active, P::Text};
            return true;
        case kColorCaptionText:
            slot = {P::Active, P::HighlightedText};
            return true;
        case kColorActiveBorder:
            slot = {P::Active, P::Button};
            return true;
        case kColorInactiveBorder:
            slot = {P::Inactive, P::Button};
            return true;
        case kColorAppWorkspace:
            slot = {P::Active, P::Mid};
            return true;
        case kColorHighlight:
            slot = {P::Active, P::Highlight};
            return true;
        case kColorHighlightText:
            slot = {P::Active, P::HighlightedText};
            return true;
        case kColorButtonFace:
            slot = {P::Active, P::Button};
            return true;
        case kColorButtonShadow:
            slot = {P::Active, P::Dark};
            return true;
        case kColorGrayText:
            slot = {P::Disabled, P::Text};
            return true;
        case kColorButtonText:
            slot = {P::Active, P::ButtonText};
            return true;
        case kColorInactiveCaptionText:
            slot = {P::Inactive, P::WindowText};
            return true;
        case kColorButtonHighlight:
            slot = {P::Active, P::Light};
            return true;
        case kColor3DDarkShadow:
            slot = {P::Active, P::Shadow};
            return true;
        case kColor3DLight:
            slot = {P::Active, P::Midlight};
            return true;
        case kColorInfoText:
            slot = {P::Active, P::ToolTipText};
            return true;
        case kColorInfoBackground:
            slot = {P::Active, P::ToolTipBase};
            return true;
        case kColorHotLight:
            slot = {P::Active, P::Link};
            return true;
        case kColorGradientActiveCaption:
            slot = {P::Active, P::Highlight};
            return true;
        case kColorGradientInactiveCaption:
            slot = {P::Inactive, P::Mid};
            return true;
        case kColorMenuHighlight:
            slot = {P::Active, P::Highlight};
            return true;
        case kColorMenuBar:
            slot = {P::Active, P::Window};
            return true;
        default:
            return false;
    }
}

int clampChannel(int v) { return std::clamp(v, 0, 255); }

}  // namespace

Rgb systemColor(int index, const QPalette& palette) {
    PaletteSlot slot{};
    if (!slotFor(index, slot)) return 0;
    return fromQColor(palette.color(slot.group, slot.role));
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
