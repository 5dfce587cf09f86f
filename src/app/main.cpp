// The game's entry: one copy per user, then the main window.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QThreadPool>

#include "app/frm_main.h"
#include "app/picture_store.h"
#include "common/text_file.h"
#include "media/audio_device.h"
#include "platform/built_in_picture.h"
#include "platform/dialogs.h"
#include "platform/free_memory.h"
#include "platform/program_folder.h"
#include "platform/qt_text.h"
#include "platform/single_instance.h"
#include "platform/start_up_steps.h"
#include "setup/game_paths.h"
#include "xpbutton/chinese_fonts.h"

namespace {
constexpr int kWorkerIdleMs = 500;
}  // namespace

int main(int argc, char** argv) {
    quellan::platform::keepAllocatorLean();
    // The sound output gets ready while the window is being built.
    quellan::AudioDevice::prepareInBackground();
    // Where the files live is decided once: the portable game folder, or an
    // installed copy with the player's files in the home folder.
    const quellan::GamePaths paths = quellan::locateGameFiles(
        quellan::platform::programFolder(argc > 0 ? argv[0] : nullptr),
        qEnvironmentVariable("XDG_DATA_HOME").toStdString(), QDir::homePath().toStdString());
    quellan::setLargePictureFolder(quellan::pathToQString(paths.appPath));
    // The system's font rules, with the game's cut of the Ming face, get
    // ready while Qt connects to the display.
    std::filesystem::path songFace = paths.appPath;
    songFace += quellan::kBundledSongFace;
    quellan::platform::BackgroundStep fontRules(
        [songFace] { quellan::platform::readFontRules(songFace); });
    QApplication app(argc, argv);
    // And the session bus, while the window is being built.
    quellan::platform::BackgroundStep sessionBus(quellan::platform::connectSessionBus);
    QCoreApplication::setApplicationName(QStringLiteral("Quellan"));
    // The worker threads (the coach's figures, the board's packing) end a
    // moment after their work instead of idling for half a minute, each
    // with its stack and its allocator caches.
    QThreadPool::globalInstance()->setExpiryTimeout(kWorkerIdleMs);

    // A second copy ends at once and silently.
    quellan::SingleInstance instance;
    if (!instance.acquire()) return 0;

    // The pictures decode (Qt must be up for that) while the fonts load.
    quellan::PictureStore::decodeInBackground();
    quellan::installChineseTranslation();
    fontRules.wait();
    quellan::installChineseFontSubstitutes(quellan::pathToQString(paths.appPath),
                                           quellan::platform::bundledFaceFamily());
    QApplication::setFont(QFont(QStringLiteral("宋体"), 9));
    quellan::loadChineseFont(QApplication::font());
    sessionBus.wait();
    quellan::platform::startAccessibilitySupport();

    quellan::frmMain window(paths);
    if (!window.Form_Load()) return 0;
    return QApplication::exec();
}
