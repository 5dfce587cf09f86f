#include "frame/help_file.h"

#include <QFileInfo>
#include <QUrl>

#include "platform/shell_open.h"

namespace quellan {

HelpFile::HelpFile(ViewerCheck check)
    : m_check(check ? std::move(check) : ViewerCheck(&shellShowsCompiledHelp)) {}

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

}  // namespace quellan
