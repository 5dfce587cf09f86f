#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace quellan {

SingleInstance::SingleInstance(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath.isEmpty() ? defaultLockPath() : lockPath)) {
    // A running copy holds its lock for as long as it runs, however long that
    // is; only a lock whose process is gone counts as stale.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    if (m_lock->isLocked()) return true;
    return m_lock->tryLock(0);
}

QString SingleInstance::defaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir + "/quellan.lock";
}

}  // namespace quellan
