#include "platform/start_up_steps.h"

#if defined(QUELLAN_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif
#if defined(QUELLAN_HAVE_DBUS)
#include <QDBusConnection>
#endif

namespace quellan::platform {

void readFontRules() {
#if defined(QUELLAN_HAVE_FONTCONFIG)
    FcInit();
#endif
}

void connectSessionBus() {
#if defined(QUELLAN_HAVE_DBUS)
    // The connection is kept for the process; the accessibility support
    // gets this one.
    static_cast<void>(QDBusConnection::sessionBus());
#endif
}

}  // namespace quellan::platform
