#include "xpbutton/button_host.h"

#include <QApplication>
#include <QMessageBox>

#include "xpbutton/ole_color.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {

quint32 windowColourOf(const QWidget* w) {
    return w ? xp::fromQColor(w->palette().color(QPalette::Window)) : xp::kButtonFace;
}

}  // namespace

QString ButtonHost::displayName(const XPButton& button) const { return button.objectName(); }

quint32 ButtonHost::backColor(const XPButton& button) const {
    return windowColourOf(button.parentWidget());
}

QFont ButtonHost::font(const XPButton& button) const {
    return button.parentWidget() ? button.parentWidget()->font() : QApplication::font();
}

quint32 ButtonHost::formBackColor(const XPButton& button) const {
    return windowColourOf(button.window());
}

bool ButtonHost::displayAsDefault(const XPButton& button) const {
    if (button.hasFocus()) return true;
    if (!button.Default()) return false;
    const auto* focused = qobject_cast<const XPButton*>(QApplication::focusWidget());
    return !focused || focused->window() != button.window();
}

void ButtonHost::showMessage(const QString& title, const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), title, text);
}

ButtonHost& runningHost() {
    static ButtonHost host;
    return host;
}

}  // namespace quellan
