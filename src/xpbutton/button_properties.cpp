#include "xpbutton/button_properties.h"

namespace quellan::xp {

namespace {

bool inRange(int value, int count) { return value >= 0 && value < count; }

}  // namespace

QString accessKeyOf(const QString& caption, bool& found) {
    found = false;
    int i = static_cast<int>(caption.size()) - 1;
    while (i >= 0) {
        if (caption[i] != QLatin1Char('&')) {
            --i;
            continue;
        }
        if (i > 0 && caption[i - 1] == QLatin1Char('&')) {
            i -= 2;  // a doubled "&&" is a literal ampersand
            continue;
        }
        found = true;
        return i + 1 < caption.size() ? QString(caption[i + 1]) : QString();
    }
    return QString();
}

bool ButtonProperties::setButtonStyle(int style) {
    if (!inRange(style, kButtonStyleCount)) return false;
    m_buttonStyle = style;
    return true;
}

bool ButtonProperties::setMode(int mode) {
    if (!inRange(mode, kModeCount)) return false;
    if (mode == kModeCommand) m_value = false;
    m_mode = mode;
    return true;
}

bool ButtonProperties::setValue(bool on) {
    if (on && m_mode == kModeCommand) return false;
    m_value = on;
    return true;
}

bool ButtonProperties::setCaption(const QString& caption) {
    bool found = false;
    const QString key = accessKeyOf(caption, found);
    if (found) m_accessKey = key;
    m_caption = caption;
    return true;
}

bool ButtonProperties::setCaptionAlign(int align) {
    if (!inRange(align, kCaptionAlignCount)) return false;
    // A picture centred above or below the caption allows only a centred caption.
    if (align != kAlignCenter && (m_pictureAlign == 4 || m_pictureAlign == 5) && hasPicture()) {
        return false;
    }
    m_captionAlign = align;
    return true;
}

bool ButtonProperties::setCaptionStyle(int style) {
    if (!inRange(style, kCaptionStyleCount)) return false;
    m_captionStyle = style;
    return true;
}

bool ButtonProperties::setButtonShape(int shape) {
    if (!inRange(shape, kButtonShapeCount)) return false;
    m_buttonShape = shape;
    if (shape == 3) setCaptionAlign(kAlignCenter);
    return true;
}

bool ButtonProperties::setPicture(const QPixmap& picture) {
    m_picture = picture;
    if (m_pictureSize == 0) m_pictureSize = 16;
    return true;
}

bool ButtonProperties::setPictureAlign(int align) {
    if (!inRange(align, kPictureAlignCount)) return false;
    m_pictureAlign = align;
    if (align == 4 || align == 5) setCaptionAlign(kAlignCenter);
    return true;
}

bool ButtonProperties::setPictureSize(int index) {
    if (!inRange(index, kPictureSizeCount)) return false;
    m_pictureSize = (index + 2) * 8;
    return true;
}

int ButtonProperties::pictureSizeIndex() const { return storedPictureSize() / 8 - 2; }

bool ButtonProperties::setShowFocusRect(bool show) {
    m_showFocusRect = show;
    return true;
}

bool ButtonProperties::setBackColor(quint32 value) {
    // A system colour is resolved now; later changes of the desktop colours
    // do not reach a colour assigned this way.
    m_backColor = ToRGB(value);
    if (hoverBackFollows()) {
        m_hoverBackColor = m_gradientMode != 0 ? m_gradientColor : value;
    }
    return true;
}

bool ButtonProperties::setForeColor(quint32 value) {
    if (value == m_foreColor) return false;
    m_foreColor = value;
    if (hoverForeFollows()) setHoverForeColor(value);
    return true;
}

bool ButtonProperties::setGradientColor(quint32 value) {
    if (hoverBackFollows() && m_gradientMode > 0) m_hoverBackColor = value;
    m_gradientColor = value;
    return true;
}

bool ButtonProperties::setGradientMode(int mode) {
    if (!inRange(mode, kGradientModeCount)) return false;
    m_gradientMode = mode;
    if (hoverBackFollows()) {
        m_hoverBackColor = mode == 0 ? m_backColor : m_gradientColor;
    }
    return true;
}

bool ButtonProperties::setHoverColorLocks(int locks) {
    m_hoverColorLocks = locks;
    if (locks == 0 || locks == kLockHoverFore) {
        m_hoverBackColor = m_gradientMode != 0 ? m_gradientColor : m_backColor;
    }
    if (locks == 0 || locks == kLockHoverBack) m_hoverForeColor = m_foreColor;
    return true;
}

bool ButtonProperties::setHoverForeColor(quint32 value) {
    if (value == m_hoverForeColor) return false;
    m_hoverForeColor = value;
    if (value != m_foreColor && (m_hoverColorLocks == 0 || m_hoverColorLocks == kLockHoverBack)) {
        m_hoverColorLocks |= kLockHoverFore;
    }
    return true;
}

bool ButtonProperties::setHoverBackColor(quint32 value) {
    if (value == m_hoverBackColor) return false;
    m_hoverBackColor = value;
    if (value != m_backColor && (m_hoverColorLocks == 0 || m_hoverColorLocks == kLockHoverFore)) {
        m_hoverColorLocks |= kLockHoverBack;
    }
    return true;
}

void ButtonProperties::resetDefaultColors() {
    m_backColor = kButtonFace;
    setForeColor(kButtonText);
    m_gradientColor = kButtonFace;
    m_gradientMode = 0;
    setHoverColorLocks(0);
}

}  // namespace quellan::xp
