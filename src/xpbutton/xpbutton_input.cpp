// XPButton: mouse, keyboard, hover and focus. A left press (or space) holds
// the button down; the click comes from a left release on the widget after a
// left press on it, or from releasing space.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "xpbutton/platform_codes.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {

bool isArrow(int vk) { return vk >= xp::kKeyLeft && vk <= xp::kKeyDown; }

// The keys the button acts on itself; every other key it reports and then
// passes on to the window around it, so that Escape still closes a dialog.
bool isOwnKey(int vk) { return isArrow(vk) || vk == xp::kKeyEnter || vk == xp::kKeySpace; }

}  // namespace

void XPButton::pressLeft(int shift, QPointF pos) {
    m_state.set(xp::kIsButtonDown, true);
    m_state.isPressed = true;
    m_delayDrawing = false;
    Redraw();
    emit MouseDown(kLeftButton, shift, float(pos.x()), float(pos.y()));
}

void XPButton::mousePressEvent(QMouseEvent* event) {
    const int button = buttonCode(event->button());
    m_lastButton = button;
    if (button != kLeftButton) {
        emit MouseDown(button, shiftCode(event->modifiers()), float(event->position().x()),
                       float(event->position().y()));
        return;
    }
    // The piece is selected by taking the focus, before the owner hears of
    // the press.
    setFocus(Qt::MouseFocusReason);
    m_clickArmed = true;
    pressLeft(shiftCode(event->modifiers()), event->position());
}

void XPButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    const bool outside = pos.x() < 0 || pos.y() < 0 || pos.x() > width() || pos.y() > height();
    if (!m_state.isHovering && !outside) beginHover(event->buttons() & Qt::LeftButton);
    emit MouseMove(buttonsCode(event->buttons()), shiftCode(event->modifiers()), float(pos.x()),
                   float(pos.y()));
}

void XPButton::mouseReleaseEvent(QMouseEvent* event) {
    const int button = buttonCode(event->button());
    const QPointF pos = event->position();
    m_state.isPressed = false;
    if (button == kLeftButton) {
        m_state.set(xp::kIsButtonDown, false);
        m_delayDrawing = false;
        // Toggle and option buttons repaint through their value instead.
        if (m_state.props.mode() == xp::kModeCommand) Redraw();
    }
    emit MouseUp(button, shiftCode(event->modifiers()), float(pos.x()), float(pos.y()));
    m_lastButton = button;
    if (button != kLeftButton || !m_clickArmed) return;
    m_clickArmed = false;
    const QPoint at = pos.toPoint();
    if (rect().contains(at) && (mask().isEmpty() || mask().contains(at))) performClick();
}

void XPButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click: it shows the pressed look and is
    // reported as a press, but no second Click follows.
    emit DoubleClick(m_lastButton);
    if (m_state.has(xp::kIsButtonDown)) {
        // The press of this click was delivered already; only the click that
        // would follow it is dropped.
        m_lastButton = -1;
    } else if (m_lastButton == kLeftButton) {
        pressLeft(0, event->position());
        m_lastButton = -1;
    } else {
        emit MouseDown(kLeftButton, 0, float(event->position().x()), float(event->position().y()));
    }
    m_clickArmed = false;
}

void XPButton::enterEvent(QEnterEvent*) {
    if (!m_state.isHovering) beginHover(QApplication::mouseButtons() & Qt::LeftButton);
}

void XPButton::leaveEvent(QEvent*) {
    if (m_state.isHovering) endHover();
}

void XPButton::beginHover(bool leftHeld) {
    m_state.set(xp::kIsMouseOver, true);
    emit MouseOnButton(true);
    m_hoverTimer->start();
    m_state.isHovering = true;
    m_delayDrawing = false;
    if (leftHeld) m_state.isPressed = true;
    Redraw();
}

void XPButton::checkHover() {
    if (!m_state.isHovering) return;  // a tick already on its way after the end
    if (QApplication::widgetAt(QCursor::pos()) == this) return;
    endHover();
}

void XPButton::endHover() {
    m_hoverTimer->stop();
    m_state.set(xp::kIsMouseOver, false);
    m_state.isHovering = false;
    m_delayDrawing = false;
    m_state.isPressed = false;
    emit MouseOnButton(false);
    Redraw();
}

void XPButton::keyPressEvent(QKeyEvent* event) {
    const int vk = xp::virtualKeyCode(event->key());
    const int shift = shiftCode(event->modifiers());
    if (isArrow(vk)) {
        // Arrow keys belong to the container, not to the button.
        if (m_container) {
            QCoreApplication::postEvent(
                m_container,
                new QKeyEvent(QEvent::KeyPress, event->key(), event->modifiers(), event->text()));
        }
        return;
    }
    if (vk == xp::kKeyEnter) {
        // The focused button is the default one: Enter presses it.
        AccessKeyPress(xp::kKeyEnter);
        return;
    }
    if (vk == xp::kKeySpace && !m_state.has(xp::kIsButtonDown)) {
        m_state.set(xp::kIsMouseOver, true);
        m_state.set(xp::kIsButtonDown, true);
        m_state.isPressed = true;
        Redraw();
        if (!m_state.isHovering) m_state.set(xp::kIsMouseOver, false);
    }
    emit KeyDown(vk, shift);
    if (!event->text().isEmpty()) emit KeyPress(event->text().at(0).unicode());
    if (!isOwnKey(vk)) event->ignore();
}

void XPButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    const int vk = xp::virtualKeyCode(event->key());
    const int shift = shiftCode(event->modifiers());
    m_state.isPressed = false;
    if (vk == xp::kKeySpace && m_state.has(xp::kIsButtonDown)) {
        m_state.set(xp::kIsButtonDown, false);
        m_lastButton = kLeftButton;
        if (m_state.props.mode() == xp::kModeCommand) {
            Redraw();
            performClick();
            emit KeyUp(vk, shift);
        } else {
            emit KeyUp(vk, shift);
            performClick();
        }
        return;
    }
    if (isArrow(vk)) {
        if (m_state.props.mode() == xp::kModeOption && !m_state.props.value()) {
            m_lastButton = kLeftButton;
            performClick();
        }
        return;
    }
    // Shift is swallowed; every other key up is reported, Enter too (its
    // press went to AccessKeyPress).
    if (vk == xp::kKeyShift) return;
    emit KeyUp(vk, shift);
    if (!isOwnKey(vk)) event->ignore();
}

void XPButton::focusInEvent(QFocusEvent* event) {
    // The focused button is the one Enter would press: it shows as default.
    AmbientChanged(QStringLiteral("DisplayAsDefault"));
    focusGained();
    emit GotFocus();
    QWidget::focusInEvent(event);
}

void XPButton::focusOutEvent(QFocusEvent* event) {
    AmbientChanged(QStringLiteral("DisplayAsDefault"));
    emit LostFocus();
    QWidget::focusOutEvent(event);
}

}  // namespace quellan
