#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace quellan {

namespace {
std::function<void(const QString&)>& handler() {
    static std::function<void(const QString&)> h;
    return h;
}
}  // namespace

void openInShell(const QString& address) {
    if (handler()) {
        handler()(address);
        return;
    }
    QDesktopServices::openUrl(QUrl(address));
}

bool shellShowsCompiledHelp() {
#ifdef Q_OS_WIN
    return true;
#else
    // Free desktops name the application for a file type through xdg-mime.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("application/vnd.ms-htmlhelp")});
    if (!query.waitForFinished(3000) || query.exitCode() != 0) return false;
    return !query.readAllStandardOutput().trimmed().isEmpty();
#endif
}

void setShellOpenHandler(std::function<void(const QString&)> h) { handler() = std::move(h); }

}  // namespace quellan
