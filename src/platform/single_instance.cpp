#include "platform/single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quellan {

SingleInstance::SingleInstance(const QString& lockPath)
    : m_path(lockPath.isEmpty() ? defaultLockPath() : lockPath),
      m_lock(std::make_unique<QLockFile>(m_path)) {
    // A running copy holds its lock for as long as it runs, however long that
    // is; only a lock whose process is gone counts as stale.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    if (m_lock->isLocked()) return true;
    if (m_lock->tryLock(0)) return true;
    // A lock that names no process is what a copy leaves when it stops
    // between making the file and writing it (a power cut, say). A copy that
    // is starting writes it at once, so once it is a few seconds old it is
    // taken over instead of keeping the game from starting ever again.
    constexpr qint64 kUnwrittenLockAgeMs = 5000;
    qint64 pid = 0;
    QString host;
    QString app;
    if (m_lock->error() != QLockFile::LockFailedError || m_lock->getLockInfo(&pid, &host, &app))
        return false;
    const QDateTime written = QFileInfo(m_path).lastModified();
    if (!written.isValid() || written.msecsTo(QDateTime::currentDateTime()) < kUnwrittenLockAgeMs)
        return false;
    m_lock->removeStaleLockFile();
    return m_lock->tryLock(0);
}

QString SingleInstance::defaultLockPath() {
#ifdef Q_OS_WIN
    // Windows has no runtime folder (Qt answers the profile folder); the
    // temporary folder is the user's own there.
    QString dir = QDir::tempPath();
#else
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
#endif
    QDir().mkpath(dir);
    return dir + "/quellan.lock";
}

}  // namespace quellan
