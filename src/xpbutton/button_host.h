#pragma once
// What the window holding an XPButton tells it: the ambient values (design
// mode or running, the instance's display name, the container's back colour
// and font, whether the widget is the default button) and where the
// design-time messages go. A host without a designer keeps the defaults:
// always running, the values taken from the widget's parent.
#include <QFont>
#include <QString>

namespace quellan {

class XPButton;

class ButtonHost {
  public:
    virtual ~ButtonHost() = default;

    // False while a designer edits the form; a running game is in user mode.
    virtual bool userMode() const { return true; }
    // The instance's name as the form knows it ("XPButton1").
    virtual QString displayName(const XPButton& button) const;
    // The container's back colour as a colour value, and its font.
    virtual quint32 backColor(const XPButton& button) const;
    virtual QFont font(const XPButton& button) const;
    // The back colour of the form the widget stands on.
    virtual quint32 formBackColor(const XPButton& button) const;
    // The widget shows as the default button: it has the focus, or it is
    // the form's default button and no other XPButton has the focus.
    virtual bool displayAsDefault(const XPButton& button) const;
    // Shows one of the design-time messages (information icon); only
    // called while not in user mode.
    virtual void showMessage(const QString& title, const QString& text);
};

// The host of widgets whose owner gives none: always running.
ButtonHost& runningHost();

// The title of the design-time messages that name none of their own.
inline constexpr const char* kMessageTitle = "Quellan";

}  // namespace quellan
