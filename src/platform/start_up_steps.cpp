#include "platform/start_up_steps.h"

#include <QAccessible>
#include <QByteArray>

#if defined(QUELLAN_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif
#if defined(QUELLAN_HAVE_DBUS)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDBusVariant>
#endif

namespace quellan::platform {

namespace {

// The accessibility bus the session-bus step connected to ahead, where the
// quick start of the accessibility support applies; empty otherwise.
// Written by that step, read on the main thread after waiting for it.
QByteArray g_readyAccessibilityBus;
// The family readFontRules added; written by that step, read after it.
QString g_bundledFaceFamily;

#if defined(QUELLAN_HAVE_DBUS)
const QString kA11yService = QStringLiteral("org.a11y.Bus");
const QString kA11yPath = QStringLiteral("/org/a11y/bus");
// Qt's accessibility support looks its connection to the accessibility bus
// up by this name, so one made ahead under it is the one it uses.
const QString kA11yConnectionName = QStringLiteral("a11y");

// A question to the accessibility bus launcher. Where none runs, the session
// bus answers at once that there is none, instead of starting one: the
// launcher is the desktop's to start, not the game's.
QDBusPendingCall askLauncher(const QDBusConnection& bus, const QString& interface,
                             const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(kA11yService, kA11yPath, interface, method);
    call.setArguments(arguments);
    call.setAutoStartService(false);
    return bus.asyncCall(call);
}

QDBusPendingCall askStatus(const QDBusConnection& bus, const QString& property) {
    return askLauncher(bus, QStringLiteral("org.freedesktop.DBus.Properties"),
                       QStringLiteral("Get"), {QStringLiteral("org.a11y.Status"), property});
}

bool statusIsOn(QDBusPendingCall call) {
    QDBusPendingReply<QDBusVariant> reply(call);
    reply.waitForFinished();
    return reply.isValid() && reply.value().variant().toBool();
}

// Where the desktop runs the accessibility bus, connects to it now, off the
// main thread. The quick start (no questions asked over the bus when the
// first caption is set) applies only while no screen reader or other
// assistive program has asked for the programs' controls; when one has,
// Qt's own start is kept, which switches its support on and registers the
// window once the game waits for input, and it finds this connection made.
void prepareAccessibilityBus(const QDBusConnection& bus) {
    if (qEnvironmentVariableIsSet("AT_SPI_BUS_ADDRESS")) return;  // Qt uses that bus as it stands
    // The three questions travel together.
    QDBusPendingCall address = askLauncher(bus, kA11yService, QStringLiteral("GetAddress"));
    QDBusPendingCall screenReader = askStatus(bus, QStringLiteral("ScreenReaderEnabled"));
    QDBusPendingCall enabled = askStatus(bus, QStringLiteral("IsEnabled"));
    QDBusPendingReply<QString> addressReply(address);
    addressReply.waitForFinished();
    const bool readerOn = statusIsOn(screenReader);
    const bool supportOn = statusIsOn(enabled);
    const bool assistiveProgram =
        readerOn || supportOn || qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    if (!addressReply.isValid() || addressReply.value().isEmpty()) return;
    const QDBusConnection a11y =
        QDBusConnection::connectToBus(addressReply.value(), kA11yConnectionName);
    if (!a11y.isConnected()) {
        QDBusConnection::disconnectFromBus(kA11yConnectionName);
        return;
    }
    if (!assistiveProgram) g_readyAccessibilityBus = addressReply.value().toLocal8Bit();
}
#endif

}  // namespace

void readFontRules(const std::filesystem::path& bundledFace) {
#if defined(QUELLAN_HAVE_FONTCONFIG)
    FcInit();
    const auto* file = reinterpret_cast<const FcChar8*>(bundledFace.c_str());
    if (bundledFace.empty() || !FcConfigAppFontAddFile(nullptr, file)) return;
    // The program's own faces are only this one: it is the last added.
    const FcFontSet* own = FcConfigGetFonts(nullptr, FcSetApplication);
    FcChar8* family = nullptr;
    if (own != nullptr && own->nfont > 0 &&
        FcPatternGetString(own->fonts[own->nfont - 1], FC_FAMILY, 0, &family) == FcResultMatch)
        g_bundledFaceFamily = QString::fromUtf8(reinterpret_cast<const char*>(family));
#else
    static_cast<void>(bundledFace);
#endif
}

QString bundledFaceFamily() { return g_bundledFaceFamily; }

void connectSessionBus() {
#if defined(QUELLAN_HAVE_DBUS)
    // The connection is kept for the process; the accessibility support
    // gets this one.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) prepareAccessibilityBus(bus);
#endif
}

void startAccessibilitySupport() {
    if (!g_readyAccessibilityBus.isEmpty()) {
        // Given the bus's address, Qt's support takes the connection made
        // ahead instead of asking the session bus and the accessibility
        // launcher about it on this thread; the variable is only for this
        // moment, so programs the game starts meet the desktop's own.
        qputenv("AT_SPI_BUS_ADDRESS", g_readyAccessibilityBus);
        static_cast<void>(QAccessible::isActive());
        qunsetenv("AT_SPI_BUS_ADDRESS");
    }
}

}  // namespace quellan::platform
