#include "widget_states.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTextStream>
#include <array>

#include "xpbutton/xpbutton.h"

namespace quellan::gallery {

namespace {

struct NamedState {
    const char* name;
    State state;
};
constexpr std::array<NamedState, 6> kStates{{{"normal", kNormal},
                                             {"hot", kHot},
                                             {"pressed", kPressed},
                                             {"default", kDefault},
                                             {"disabled", kDisabled},
                                             {"design", kDesign}}};

void sendMouse(XPButton& button, QEvent::Type type, Qt::MouseButton which, Qt::MouseButtons held) {
    const QPointF at(button.width() / 2.0, button.height() / 2.0);
    QMouseEvent event(type, at, button.mapToGlobal(at), which, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &event);
}

}  // namespace

bool parseStates(const QString& list, unsigned& states, QString& error) {
    states = kNormal;
    for (const QString& word : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool known = false;
        for (const NamedState& s : kStates) {
            if (word.trimmed() == QLatin1String(s.name)) {
                states |= s.state;
                known = true;
            }
        }
        if (!known) {
            error = QStringLiteral("unknown state \"%1\" (known: %2)")
                        .arg(word, stateNames().join(QStringLiteral(", ")));
            return false;
        }
    }
    return true;
}

QStringList stateNames() {
    QStringList names;
    for (const NamedState& s : kStates) names << QLatin1String(s.name);
    return names;
}

void GalleryHost::showMessage(const QString& title, const QString& text) {
    QTextStream(stderr) << title << ": " << text << "\n";
}

GalleryHost& galleryHost(bool designMode) {
    static GalleryHost running(false);
    static GalleryHost design(true);
    return designMode ? design : running;
}

void applyStates(XPButton& button, unsigned states) {
    if (states & kDisabled) button.setEnabled(false);
    if (states & (kHot | kPressed)) {
        sendMouse(button, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    }
    if (states & kPressed) {
        sendMouse(button, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    }
    button.setDisplayAsDefault((states & kDefault) != 0);
}

}  // namespace quellan::gallery
