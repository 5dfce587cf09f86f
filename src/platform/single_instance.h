#pragma once
// Lets only one copy of the game run per user. The lock is a file in the
// user's runtime folder (on Windows the user's temporary folder); a lock left behind by a copy that
// crashed is taken over, not obeyed forever.
#include <QLockFile>
#include <QString>
#include <memory>

namespace quellan {

class SingleInstance {
  public:
    // `lockPath` empty: a per-user default location.
    explicit SingleInstance(const QString& lockPath = {});
    ~SingleInstance();

    // True when this process is now the only running copy.
    [[nodiscard]] bool acquire();

    static QString defaultLockPath();

  private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace quellan
