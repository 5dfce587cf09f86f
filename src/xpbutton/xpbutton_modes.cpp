// XPButton: what a click does in the three modes, the option group of the
// container, access keys, the default and cancel buttons, the ambient
// changes of the host and the design-time messages.
#include <QApplication>
#include <QKeySequence>
#include <QShortcut>

#include "xpbutton/button_host.h"
#include "xpbutton/option_group.h"
#include "xpbutton/platform_codes.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

void XPButton::performClick() {
    if (m_lastButton != kLeftButton) return;
    switch (m_state.props.mode()) {
        case xp::kModeToggle:
            setValue(!m_state.props.value());
            emit Click();
            break;
        case xp::kModeOption:
            // A selected option stays selected and raises nothing.
            if (m_state.props.value()) return;
            setValue(true);
            emit Click();
            break;
        default:
            emit Click();
            break;
    }
}

bool XPButton::OptionToggle(OptionAction action) {
    if (!m_container) return false;
    xp::OptionGroup group(m_container);
    if ((action == kOptionRegister || group.count() > 0) && m_state.props.value()) {
        for (XPButton* member : group.members()) {
            if (member != this) member->setValue(false);
        }
    }
    switch (action) {
        case kOptionRegister:
            group.add(this);
            break;
        case kOptionUnregister:
            group.remove(this);
            break;
        case kOptionQuery:
            for (const XPButton* member : group.members()) {
                if (member->Value()) return true;
            }
            break;
        case kOptionClearOthers:
            break;
    }
    return false;
}

void XPButton::focusGained() {
    // The first option of an empty group to receive the focus is selected.
    if (m_state.props.mode() != xp::kModeOption || m_state.props.value()) return;
    if (OptionToggle(kOptionQuery)) return;
    m_lastButton = kLeftButton;
    performClick();
}

void XPButton::AccessKeyPress(int keyAscii) {
    if (!isEnabled()) return;
    const bool enterOrEscape = keyAscii == xp::kKeyEnter || keyAscii == xp::kKeyEscape;
    // Toggle and option buttons are never the default or cancel button.
    if (enterOrEscape && m_state.props.mode() != xp::kModeCommand) return;
    if (!enterOrEscape && !m_state.has(xp::kShowsDefaultLook)) Refresh();
    m_lastButton = kLeftButton;
    performClick();
}

void XPButton::updateAccessKey() {
    const QString key = m_state.props.accessKey();
    const QKeySequence sequence =
        key.isEmpty() ? QKeySequence() : QKeySequence::mnemonic(QStringLiteral("&") + key);
    if (sequence.isEmpty()) {
        delete m_accessShortcut;
        m_accessShortcut = nullptr;
        return;
    }
    if (!m_accessShortcut) {
        m_accessShortcut = new QShortcut(this);
        connect(m_accessShortcut, &QShortcut::activated, this, [this] {
            const QString k = m_state.props.accessKey();
            if (!k.isEmpty()) AccessKeyPress(k.at(0).unicode());
        });
    }
    m_accessShortcut->setKey(sequence);
}

void XPButton::setDefault(bool isDefault) {
    if (isDefault && window()) {
        for (XPButton* other : window()->findChildren<XPButton*>()) {
            if (other != this && other->m_isDefault) other->setDefault(false);
        }
    }
    m_isDefault = isDefault;
    QObject::disconnect(m_focusWatch);
    if (isDefault) {
        // Whether the default button shows as default depends on where the
        // focus is.
        m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                               [this] { AmbientChanged(QStringLiteral("DisplayAsDefault")); });
    }
    updateDefaultKeys();
    AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

void XPButton::setCancel(bool isCancel) {
    if (isCancel && window()) {
        for (XPButton* other : window()->findChildren<XPButton*>()) {
            if (other != this && other->m_isCancel) other->setCancel(false);
        }
    }
    m_isCancel = isCancel;
    updateDefaultKeys();
}

void XPButton::updateDefaultKeys() {
    auto keep = [this](QShortcut*& shortcut, bool wanted, Qt::Key key, int keyAscii) {
        if (!wanted) {
            delete shortcut;
            shortcut = nullptr;
            return;
        }
        if (shortcut) return;
        shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, keyAscii] { routeDefaultKey(keyAscii); });
    };
    keep(m_returnShortcut, m_isDefault, Qt::Key_Return, xp::kKeyEnter);
    keep(m_enterShortcut, m_isDefault, Qt::Key_Enter, xp::kKeyEnter);
    keep(m_escapeShortcut, m_isCancel, Qt::Key_Escape, xp::kKeyEscape);
}

void XPButton::routeDefaultKey(int keyAscii) {
    // Enter belongs to the focused XPButton of the window, if there is one.
    if (keyAscii == xp::kKeyEnter) {
        auto* focused = qobject_cast<XPButton*>(QApplication::focusWidget());
        if (focused && focused != this && focused->window() == window()) {
            focused->AccessKeyPress(keyAscii);
            return;
        }
    }
    AccessKeyPress(keyAscii);
}

void XPButton::AmbientChanged(const QString& name) {
    if (name.compare(QLatin1String("DisplayAsDefault"), Qt::CaseInsensitive) == 0) {
        setDisplayAsDefault(host().displayAsDefault(*this));
    } else if (name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0) {
        m_state.containerBackColor = xp::ToRGB(host().backColor(*this));
        // Only the elliptic rims and the hover frame look show the container.
        if (m_state.isElliptic() || m_state.props.buttonStyle() == xp::kStyleHoverFrame) {
            Refresh();
        }
    }
}

bool XPButton::designTime() const { return !host().userMode(); }

void XPButton::designMessage(const QString& text, const QString& title) {
    if (!designTime()) return;
    host().showMessage(title.isEmpty() ? QString::fromLatin1(kMessageTitle) : title, text);
}

}  // namespace quellan
