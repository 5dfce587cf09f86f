#include "xpbutton/button_properties.h"

namespace quellan::xp {

namespace {

bool inRange(int value, int count) { return value >= 0 && value < count; }

}  // namespace

std::optional<QString> accessKeyOf(const QString& caption) {
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
        return i + 1 < caption.size() ? QString(caption[i + 1]) : QString();
    }
    return std::nullopt;
}

bool ButtonProperties::setButtonStyle(int style) {
    if (!inRange(style, kButtonStyleCount)) return false;
    m_f.buttonStyle = style;
    return true;
}

bool ButtonProperties::setMode(int mode) {
    if (!inRange(mode, kModeCount)) return false;
    if (mode == kModeCommand) m_f.value = false;
    m_f.mode = mode;
    return true;
}

bool ButtonProperties::setValue(bool on) {
    if (on && m_f.mode == kModeCommand) return false;
    m_f.value = on;
    return true;
}

bool ButtonProperties::setCaption(const QString& caption) {
    if (const std::optional<QString> key = accessKeyOf(caption)) m_accessKey = *key;
    m_f.caption = caption;
    return true;
}

bool ButtonProperties::captionAlignGuarded(int align) const {
    return (align == kAlignLeft || align == kAlignRight) && isAboveOrBelow(m_f.pictureAlign) &&
           hasPicture();
}

bool ButtonProperties::setCaptionAlign(int align) {
    if (!inRange(align, kCaptionAlignCount) || captionAlignGuarded(align)) return false;
    m_f.captionAlign = align;
    return true;
}

bool ButtonProperties::setCaptionStyle(int style) {
    if (!inRange(style, kCaptionStyleCount)) return false;
    m_f.captionStyle = style;
    return true;
}

bool ButtonProperties::setButtonShape(int shape) {
    if (!inRange(shape, kButtonShapeCount)) return false;
    m_f.buttonShape = shape;
    if (shape == kShapeParallelogram) setCaptionAlign(kAlignCenter);
    return true;
}

bool ButtonProperties::setPicture(const QPixmap& picture) {
    m_f.picture = picture;
    if (m_f.pictureSize == 0) m_f.pictureSize = 16;
    return true;
}

bool ButtonProperties::setPictureAlign(int align) {
    if (!inRange(align, kPictureAlignCount)) return false;
    m_f.pictureAlign = align;
    if (isAboveOrBelow(align)) setCaptionAlign(kAlignCenter);
    return true;
}

bool ButtonProperties::setPictureSize(int index) {
    if (!inRange(index, kPictureSizeCount)) return false;
    m_f.pictureSize = (index + 2) * 8;
    return true;
}

int ButtonProperties::pictureSizeIndex() {
    if (m_f.pictureSize == 0) m_f.pictureSize = 16;
    return m_f.pictureSize / 8 - 2;
}

bool ButtonProperties::setShowFocusRect(bool show) {
    m_f.showFocusRect = show;
    return true;
}

bool ButtonProperties::setBackColor(quint32 value) {
    // A system colour is resolved now; later changes of the desktop colours
    // do not reach a colour assigned this way.
    m_f.backColor = ToRGB(value);
    if (hoverBackFollows()) {
        m_f.hoverBackColor = m_f.gradientMode != 0 ? m_f.gradientColor : value;
    }
    return true;
}

bool ButtonProperties::setForeColor(quint32 value) {
    if (value == m_f.foreColor) return false;
    m_f.foreColor = value;
    if (hoverForeFollows()) setHoverForeColor(value);
    return true;
}

bool ButtonProperties::setGradientColor(quint32 value) {
    if (hoverBackFollows() && m_f.gradientMode > 0) m_f.hoverBackColor = value;
    m_f.gradientColor = value;
    return true;
}

bool ButtonProperties::setGradientMode(int mode) {
    if (!inRange(mode, kGradientModeCount)) return false;
    m_f.gradientMode = mode;
    if (hoverBackFollows()) {
        m_f.hoverBackColor = mode == 0 ? m_f.backColor : m_f.gradientColor;
    }
    return true;
}

bool ButtonProperties::setHoverColorLocks(int locks) {
    m_f.hoverColorLocks = locks;
    if (locks == 0 || locks == kLockHoverFore) {
        m_f.hoverBackColor = m_f.gradientMode != 0 ? m_f.gradientColor : m_f.backColor;
    }
    if (locks == 0 || locks == kLockHoverBack) m_f.hoverForeColor = m_f.foreColor;
    return true;
}

bool ButtonProperties::setHoverForeColor(quint32 value) {
    if (value == m_f.hoverForeColor) return false;
    m_f.hoverForeColor = value;
    if (value != m_f.foreColor &&
        (m_f.hoverColorLocks == 0 || m_f.hoverColorLocks == kLockHoverBack)) {
        m_f.hoverColorLocks |= kLockHoverFore;
    }
    return true;
}

bool ButtonProperties::setHoverBackColor(quint32 value) {
    if (value == m_f.hoverBackColor) return false;
    m_f.hoverBackColor = value;
    if (value != m_f.backColor &&
        (m_f.hoverColorLocks == 0 || m_f.hoverColorLocks == kLockHoverFore)) {
        m_f.hoverColorLocks |= kLockHoverBack;
    }
    return true;
}

void ButtonProperties::resetDefaultColors() {
    m_f.backColor = kButtonFace;
    setForeColor(kButtonText);
    m_f.gradientColor = kButtonFace;
    m_f.gradientMode = 0;
    setHoverColorLocks(0);
}

}  // namespace quellan::xp
