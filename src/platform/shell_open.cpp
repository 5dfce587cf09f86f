#include "platform/shell_open.h"

#include <QDesktopServices>
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

void setShellOpenHandler(std::function<void(const QString&)> h) { handler() = std::move(h); }

}  // namespace quellan
