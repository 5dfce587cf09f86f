#pragma once
// The widget states the gallery shows, and how a widget is put into them:
// through the same events and host requests that put it there in a game.
#include <QString>
#include <QStringList>

#include "xpbutton/button_host.h"

namespace quellan {
class XPButton;
}

namespace quellan::gallery {

enum State : unsigned {
    kNormal = 0,
    kHot = 1,      // pointer over the widget, no button held
    kPressed = 2,  // left button held with the pointer over it
    kDefault = 4,  // the host asks it to show as the default button
    kDisabled = 8,
    kDesign = 16,  // the form is being designed
};

// Parses "hot,pressed" and the like into state bits; false with a message
// for an unknown name.
bool parseStates(const QString& list, unsigned& states, QString& error);
QStringList stateNames();

// A host whose design mode can be switched; design-time messages go to
// standard error.
class GalleryHost : public ButtonHost {
  public:
    explicit GalleryHost(bool designMode = false) : m_designMode(designMode) {}
    void setDesignMode(bool design) { m_designMode = design; }
    bool userMode() const override { return !m_designMode; }
    void showMessage(const QString& title, const QString& text) override;

  private:
    bool m_designMode;
};

// The running and the design-time host of the gallery's widgets.
GalleryHost& galleryHost(bool designMode);

// Puts a shown widget into the given states (design mode aside, which is
// its host's, see galleryHost): disabled, then the pointer moved over it,
// then the left button pressed, and last the default-button request, which
// also settles the default look a press may have changed.
void applyStates(XPButton& button, unsigned states);

}  // namespace quellan::gallery
