#include "frame/help_file.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "platform/shell_open.h"

namespace quellan {

HelpFile::HelpFile(ViewerCheck check)
    : m_check(check ? std::move(check) : ViewerCheck(&HelpFile::desktopShowsCompiledHelp)) {}

void HelpFile::setHelpFile(const QString& path) { m_helpFile = path; }

QString HelpFile::manual() const {
    return QFileInfo(m_helpFile).absolutePath() + QStringLiteral("/help/index.html");
}

QString HelpFile::fileToOpen() const {
    if (QFileInfo::exists(m_helpFile) && m_check()) return m_helpFile;
    if (QFileInfo::exists(manual())) return manual();
    return m_helpFile;
}

void HelpFile::open() const {
    if (m_helpFile.isEmpty()) return;
    openInShell(QUrl::fromLocalFile(fileToOpen()).toString());
}

bool HelpFile::desktopShowsCompiledHelp() {
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

}  // namespace quellan
