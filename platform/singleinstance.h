#pragma once
// One running copy of the program per user: a lock file in the user's runtime folder. The lock
// is held for as long as this object lives; a lock left by a crashed copy counts as free.
#include <QLockFile>
#include <QString>

namespace platform {

class SingleInstance {
public:
    enum class Outcome {
        Acquired,     // this is the only running copy; the lock is held from now on
        AlreadyHeld,  // a live copy of the program on this machine holds the lock
        Unavailable,  // the lock cannot be taken for another reason (see problem())
    };

    // The lock file of the program in the user's runtime folder.
    static QString defaultLockPath();

    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Tries to take the lock. Never waits.
    Outcome tryAcquire();
    bool isHeld() const { return m_lock.isLocked(); }
    // Why the last tryAcquire() gave Unavailable, with the lock's path; empty otherwise.
    const QString& problem() const { return m_problem; }

private:
    // Why a lock file that exists is not a running copy's lock; empty when it is one.
    QString whyNotALiveLock() const;

    QLockFile m_lock;
    QString m_problem;
};

} // namespace platform
