#pragma once
// A host for the widget tests: design mode or running as the test says, the
// design-time messages collected instead of shown, and a recorder of the
// keys a widget reports as changed.
#include <QObject>
#include <QStringList>

#include "xpbutton/button_host.h"
#include "xpbutton/xpbutton.h"

namespace quellan::testing {

class RecordingHost : public ButtonHost {
  public:
    explicit RecordingHost(bool designMode) : m_designMode(designMode) {}
    bool userMode() const override { return !m_designMode; }
    QString displayName(const XPButton&) const override { return QStringLiteral("XPButton7"); }
    void showMessage(const QString& title, const QString& text) override {
        messages << title + QStringLiteral(": ") + text;
    }
    QStringList messages;

  private:
    bool m_designMode;
};

class ChangedKeys : public QObject {
  public:
    explicit ChangedKeys(XPButton* b) {
        connect(b, &XPButton::propertyChanged, this, [this](const QString& k) { keys << k; });
    }
    QStringList keys;
};

}  // namespace quellan::testing
