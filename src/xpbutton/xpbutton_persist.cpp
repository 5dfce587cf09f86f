// XPButton: a new instance on a form, restoring the stored property set and
// saving it. Restoring stores the values as they are (no coupling between
// properties runs), then lays out and paints once.
#include "xpbutton/button_host.h"
#include "xpbutton/option_group.h"
#include "xpbutton/property_bag.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {

using xp::OleColor;
using xp::PropertyValue;

// An enumerated value out of its range (a damaged or hand-edited set)
// falls back to the default instead of reaching the painters.
int inRangeOr(int value, int count, int fallback) {
    return value >= 0 && value < count ? value : fallback;
}

int storedPictureSizeOr(int pixels) {
    switch (pixels) {
        case 0:
        case 16:
        case 24:
        case 32:
        case 40:
        case 48:
            return pixels;
        default:
            return 16;
    }
}

QPixmap pixmapOf(const xp::StoredPicture& p) {
    return p.isNone() ? QPixmap() : QPixmap::fromImage(p.image);
}

xp::StoredPicture storedOf(const QPixmap& p, QPoint hotSpot = {}) {
    return p.isNull() ? xp::StoredPicture{} : xp::StoredPicture{p.toImage(), hotSpot};
}

}  // namespace

void XPButton::InitProperties() {
    m_container = parentWidget();
    if (m_state.props.mode() == xp::kModeOption) xp::OptionGroup(m_container).remove(this);
    xp::ButtonProperties::Fields f;
    f.caption = host().displayName(*this);
    f.captionAlign = xp::kAlignCenter;
    f.showFocusRect = true;
    f.hoverForeColor = xp::kButtonText;
    f.hoverBackColor = xp::kButtonFace;
    f.backColor = xp::kButtonFace;
    f.gradientColor = 0;
    f.pictureSize = 0;
    // The text colour belongs to the widget window and keeps its value.
    f.foreColor = m_state.props.foreColor();
    m_state.props.restoreFields(f);
    m_state.containerBackColor = xp::ToRGB(host().backColor(*this));
    RefreshPicture();
    RefreshFont();
    RefreshColors();
    notify("Caption");
    notify("CapAlign");
    notify("Focus");
    notify("cFHover");
    notify("cBHover");
    resizeLogic();
}

void XPButton::ReadProperties(const xp::PropertyBag& bag) {
    m_container = parentWidget();
    m_state.containerBackColor = xp::ToRGB(host().backColor(*this));
    m_delayDrawing = true;
    m_reading = true;
    const bool wasOption = m_state.props.mode() == xp::kModeOption;

    xp::ButtonProperties::Fields f = m_state.props.fields();
    f.caption = xp::readText(bag, QStringLiteral("Caption"), QString());
    f.captionAlign = inRangeOr(xp::readInt(bag, QStringLiteral("CapAlign"), xp::kAlignCenter),
                               xp::kCaptionAlignCount, xp::kAlignCenter);
    f.buttonStyle =
        inRangeOr(xp::readInt(bag, QStringLiteral("BackStyle"), 0), xp::kButtonStyleCount, 0);
    f.buttonShape =
        inRangeOr(xp::readInt(bag, QStringLiteral("Shape"), 0), xp::kButtonShapeCount, 0);
    f.gradientMode =
        inRangeOr(xp::readInt(bag, QStringLiteral("Gradient"), 0), xp::kGradientModeCount, 0);
    f.gradientColor = xp::readColor(bag, QStringLiteral("cGradient"), xp::kButtonFace);
    f.foreColor = xp::readColor(bag, QStringLiteral("cFore"), xp::kButtonText);
    m_state.foreColor = f.foreColor;
    setFont(xp::readFont(bag, QStringLiteral("Font"), font()));
    f.showFocusRect = xp::readBool(bag, QStringLiteral("Focus"), true);
    f.mode = inRangeOr(xp::readInt(bag, QStringLiteral("Mode"), 0), xp::kModeCount, 0);
    f.value = xp::readBool(bag, QStringLiteral("Value"), false);
    f.picture = pixmapOf(xp::readPicture(bag, QStringLiteral("Image")));
    f.pictureSize = storedPictureSizeOr(xp::readInt(bag, QStringLiteral("ImgSize"), 16));
    f.pictureAlign =
        inRangeOr(xp::readInt(bag, QStringLiteral("ImgAlign"), 0), xp::kPictureAlignCount, 0);
    f.hoverForeColor = xp::readColor(bag, QStringLiteral("cFHover"), xp::kButtonText);
    setEnabled(xp::readBool(bag, QStringLiteral("Enabled"), true));
    f.backColor = xp::readColor(bag, QStringLiteral("cBack"), host().formBackColor(*this));
    f.hoverBackColor = xp::readColor(bag, QStringLiteral("cBHover"), f.backColor);
    f.hoverColorLocks = xp::readInt(bag, QStringLiteral("LockHover"), 0);
    f.captionStyle =
        inRangeOr(xp::readInt(bag, QStringLiteral("CapStyle"), 0), xp::kCaptionStyleCount, 0);
    m_state.props.restoreFields(f);
    const xp::StoredPicture icon = xp::readPicture(bag, QStringLiteral("mIcon"));
    setMouseIcon(pixmapOf(icon), icon.hotSpot);
    // A kind the platform does not know is refused and leaves the pointer as
    // it was; the rest of the set is still restored.
    setMousePointer(xp::readInt(bag, QStringLiteral("mPointer"), 0));

    RefreshPicture();
    RefreshFont();
    RefreshColors();
    m_reading = false;
    setCaption(f.caption);  // the access key and the layout; still not painted
    if (wasOption && f.mode != xp::kModeOption) xp::OptionGroup(m_container).remove(this);
    if (f.mode == xp::kModeOption) OptionToggle(kOptionRegister);
    m_delayDrawing = false;
    resizeLogic();
}

void XPButton::WriteProperties(xp::PropertyBag& bag) const {
    const xp::ButtonProperties::Fields& f = m_state.props.fields();
    auto write = [&bag](const char* key, const PropertyValue& value,
                        std::optional<PropertyValue> defaultValue = std::nullopt) {
        bag.write(QString::fromLatin1(key), value, defaultValue);
    };
    write("Caption", f.caption, QString());
    write("CapAlign", qint32(f.captionAlign), qint32(xp::kAlignCenter));
    write("BackStyle", qint32(f.buttonStyle), qint32(0));
    write("Shape", qint32(f.buttonShape), qint32(0));
    write("Font", font());
    write("cFore", OleColor{f.foreColor}, OleColor{xp::kButtonText});
    write("cFHover", OleColor{f.hoverForeColor}, OleColor{xp::kButtonText});
    write("cBHover", OleColor{f.hoverBackColor}, OleColor{f.backColor});
    write("Focus", f.showFocusRect, true);
    write("LockHover", qint32(f.hoverColorLocks), qint32(0));
    write("cGradient", OleColor{f.gradientColor}, OleColor{xp::kButtonFace});
    write("Gradient", qint32(f.gradientMode), qint32(0));
    write("CapStyle", qint32(f.captionStyle), qint32(0));
    write("Mode", qint32(f.mode));
    write("Value", f.value);
    write("ImgAlign", qint32(f.pictureAlign), qint32(0));
    write("Image", storedOf(f.picture), xp::StoredPicture{});
    write("ImgSize", static_cast<qint16>(f.pictureSize), static_cast<qint16>(16));
    // Enabled as set on the widget itself, not inherited from its container.
    write("Enabled", !testAttribute(Qt::WA_ForceDisabled), true);
    write("cBack", OleColor{f.backColor});
    write("mPointer", qint32(m_mousePointer), qint32(0));
    write("mIcon", storedOf(m_mouseIcon, m_mouseIconHotSpot), xp::StoredPicture{});
}

}  // namespace quellan
