// XPButton: assigning the properties. Each setter stores through the
// property record (which refuses out-of-range values), then rebuilds what
// the change affects, repaints and tells the host which key changed.
#include "xpbutton/button_host.h"
#include "xpbutton/platform_codes.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {
// Cursors beyond this size are refused by the window system.
constexpr int kMaxCursorSize = 256;
}  // namespace

void XPButton::setButtonStyle(int style) {
    if (!m_state.props.setButtonStyle(style)) return;
    BuildShapeRegion();
    LayoutContent();
    RefreshColors();
    Refresh();
    notify("BackStyle");
}

void XPButton::setMode(int mode) {
    if (mode < 0 || mode >= xp::kModeCount) return;
    const int old = m_state.props.mode();
    if (old == xp::kModeOption && mode != xp::kModeOption) OptionToggle(kOptionUnregister);
    if (old != xp::kModeOption && mode == xp::kModeOption) OptionToggle(kOptionRegister);
    m_state.props.setMode(mode);
    Refresh();
    notify("Mode");
}

void XPButton::setValue(bool on) {
    if (!m_state.props.setValue(on)) {
        designMessage(QStringLiteral("This property is not applicable for command button modes."));
        return;
    }
    if (on && m_state.props.mode() == xp::kModeOption) OptionToggle(kOptionClearOthers);
    Refresh();
    notify("Value");
}

void XPButton::setCaption(const QString& caption) {
    m_state.props.setCaption(caption);
    updateAccessKey();
    LayoutContent();
    Refresh();
    notify("Caption");
}

void XPButton::setCaptionAlign(int align) {
    if (m_state.props.captionAlignGuarded(align)) {
        designMessage(
            QStringLiteral("When button images are aligned top/bottom center, \n"
                           "button captions can only be center aligned"));
        return;
    }
    if (!m_state.props.setCaptionAlign(align)) return;
    LayoutContent();
    Refresh();
    notify("CapAlign");
}

void XPButton::setCaptionStyle(int style) {
    if (!m_state.props.setCaptionStyle(style)) return;
    notify("CapStyle");
    if (m_state.props.caption().isEmpty()) return;
    LayoutContent();
    Refresh();
}

void XPButton::setButtonShape(int shape) {
    if (!m_state.props.setButtonShape(shape)) return;
    m_delayDrawing = false;
    resizeLogic();
    notify("Shape");
}

void XPButton::setPicture(const QPixmap& picture) {
    m_state.props.setPicture(picture);
    RefreshPicture();
    LayoutContent();
    Refresh();
    notify("Image");
}

void XPButton::setPictureAlign(int align) {
    if (!m_state.props.setPictureAlign(align)) return;
    if (xp::isAboveOrBelow(align)) setCaptionAlign(xp::kAlignCenter);
    LayoutContent();
    Refresh();
    notify("ImgAlign");
}

void XPButton::setPictureSize(int index) {
    if (!m_state.props.setPictureSize(index)) return;
    LayoutContent();
    Refresh();
    notify("ImgSize");
}

void XPButton::setShowFocusRect(bool show) {
    m_state.props.setShowFocusRect(show);
    if (!m_state.has(xp::kShowsDefaultLook)) {
        Refresh();
    } else if (designTime()) {
        designMessage(QStringLiteral(
            "The focus rectangle may appear on default buttons ONLY while in design mode, \n"
            "but will not appear when the form is running."));
    } else {
        // The default look waits for the host's next request.
        m_state.set(xp::kShowsDefaultLook, false);
        Refresh();
    }
    notify("Focus");
}

void XPButton::setBackColor(quint32 oleColor) {
    m_state.props.setBackColor(oleColor);
    RefreshColors();
    Refresh();
    notify("cBack");
}

void XPButton::setForeColor(quint32 oleColor) {
    const quint32 hoverBefore = m_state.props.hoverForeColor();
    if (!m_state.props.setForeColor(oleColor)) return;
    if (m_state.props.hoverForeColor() != hoverBefore) {
        // The hover text colour followed through its own assignment.
        notify("cFHover");
        notify("cFHover");
    }
    m_state.foreColor = oleColor;
    m_delayDrawing = false;
    Redraw();
    notify("cFore");
}

void XPButton::setGradientColor(quint32 oleColor) {
    m_state.props.setGradientColor(oleColor);
    RefreshColors();
    if (m_state.props.gradientMode() != 0) Refresh();
    notify("cGradient");
}

void XPButton::setGradientMode(int mode) {
    if (!m_state.props.setGradientMode(mode)) return;
    RefreshColors();
    Refresh();
    notify("Gradient");
}

void XPButton::setHoverColorLocks(int locks) {
    m_state.props.setHoverColorLocks(locks);
    if (locks == 0 || locks == xp::kLockHoverFore) notify("cBHover");
    if (locks == 0 || locks == xp::kLockHoverBack) notify("cFHover");
    RefreshColors();
    notify("LockHover");
}

void XPButton::setHoverForeColor(quint32 oleColor) {
    if (!m_state.props.setHoverForeColor(oleColor)) return;
    // Once for the colour, once more for a lock it may have set.
    notify("cFHover");
    notify("cFHover");
}

void XPButton::setHoverBackColor(quint32 oleColor) {
    if (!m_state.props.setHoverBackColor(oleColor)) return;
    RefreshColors();
    notify("cBHover");
}

void XPButton::setResetDefaultColors(bool reset) {
    // A design-time command; a running widget keeps its colours.
    if (!reset || !designTime()) return;
    DelayDrawing(true);
    xp::ButtonProperties::Fields f = m_state.props.fields();
    f.backColor = xp::kButtonFace;
    m_state.props.restoreFields(f);
    setForeColor(xp::kButtonText);
    f = m_state.props.fields();
    f.gradientColor = xp::kButtonFace;
    f.gradientMode = 0;
    m_state.props.restoreFields(f);
    setHoverColorLocks(0);
    RefreshColors();
    DelayDrawing(false);
    notify("cGradient");
    notify("cBack");
}

void XPButton::setFontStyle(int bits) {
    QFont f = font();
    f.setBold((bits & 2) != 0);
    f.setItalic((bits & 4) != 0);
    f.setUnderline((bits & 8) != 0);
    setFont(f);  // the font change lays out, repaints and notifies "Font"
}

int XPButton::FontStyle() const {
    const QFont f = font();
    return (f.bold() ? 2 : 0) + (f.italic() ? 4 : 0) + (f.underline() ? 8 : 0);
}

void XPButton::setMouseIcon(const QPixmap& icon, QPoint hotSpot) {
    if (icon.width() > kMaxCursorSize || icon.height() > kMaxCursorSize) {
        designMessage(QStringLiteral("The picture is too large for a cursor."),
                      QStringLiteral("Select .ico Or .cur Files Only"));
        return;
    }
    m_mouseIcon = icon;
    m_mouseIconHotSpot = hotSpot;
    if (!icon.isNull()) {
        m_mousePointer = xp::kPointerCustom;
        notify("mIcon");
    }
    applyCursor();
}

bool XPButton::setMousePointer(int pointer) {
    if (pointer != xp::kPointerCustom && !xp::cursorShapeOf(pointer)) return false;
    m_mousePointer = pointer;
    applyCursor();
    notify("mPointer");
    return true;
}

void XPButton::applyCursor() {
    if (m_mousePointer == xp::kPointerCustom) {
        if (m_mouseIcon.isNull()) {
            unsetCursor();
        } else {
            setCursor(QCursor(m_mouseIcon, m_mouseIconHotSpot.x(), m_mouseIconHotSpot.y()));
        }
    } else if (m_mousePointer == xp::kPointerDefault) {
        unsetCursor();
    } else if (const auto shape = xp::cursorShapeOf(m_mousePointer)) {
        setCursor(*shape);
    }
}

void XPButton::setDisplayAsDefault(bool isDefault) {
    m_state.set(xp::kShowsDefaultLook, isDefault && m_state.props.showFocusRect());
    Refresh();
}

}  // namespace quellan
