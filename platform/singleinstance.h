#pragma once
// One running copy of the program per user: a lock file in the user's runtime folder. The lock
// is held for as long as this object lives; a lock left by a crashed copy counts as free.
#include <QLockFile>
#include <QString>

namespace platform {

class SingleInstance {
public:
    // The lock file of the program in the user's runtime folder.
    static QString defaultLockPath();

    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the only running copy; from then on the lock is held. Never waits.
    bool tryAcquire();
    bool isHeld() const { return m_lock.isLocked(); }

private:
    QLockFile m_lock;
};

} // namespace platform
