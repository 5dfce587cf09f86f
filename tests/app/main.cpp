// The window tests need a QApplication but no display, no sound card and no
// access to the player's own settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

#include "platform/shell_open.h"
#include "platform/start_up_steps.h"
#include "xpbutton/chinese_fonts.h"

namespace {
// The offscreen platform keeps a window's mask but cannot show it; its
// notice about that on every resize says nothing about the game.
QtMessageHandler g_defaultHandler = nullptr;
void quietAboutMasks(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support setting window masks")) ||
        message.contains(QLatin1String("does not support propagateSizeHints"))) {
        return;
    }
    if (g_defaultHandler) g_defaultHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
    g_defaultHandler = qInstallMessageHandler(quietAboutMasks);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    // Settings go to a folder of this test process before anything touches
    // them, so parallel test processes never share a settings file.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
#if !defined(Q_OS_WIN)
    // The game's own cut of the Ming face joins the system's font rules
    // before Qt starts, as in the game.
    quellan::platform::readFontRules(QUELLAN_ASSETS_DIR + std::string(quellan::kBundledSongFace));
#endif
    QApplication app(argc, argv);
#if defined(Q_OS_WIN)
    // The Windows package leaves the cut Ming face out: Windows has 宋体.
    quellan::installChineseFontSubstitutes();
#else
    // The game's own cut of the Ming face comes first, as in the game.
    quellan::installChineseFontSubstitutes(QStringLiteral(QUELLAN_ASSETS_DIR),
                                           quellan::platform::bundledFaceFamily());
#endif
    QApplication::setFont(QFont(QStringLiteral("宋体"), 9));
    // No test may start a web browser.
    quellan::setShellOpenHandler([](const QString&) {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
