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

    // Why the lock cannot be taken; the program words it for the user.
    enum class Problem {
        None,
        NotAFile,          // the lock's path names a folder or another thing that is no file
        NotALockFile,      // the file cannot be read or is not a lock file
        OtherHost,         // the lock names another host (problemDetail(): its name)
        DeadOwnerLockKept, // the lock of an ended process cannot be removed (problemDetail(): its id)
        NoPermission,      // no permission to create the lock file
        CannotCreate,      // the lock file cannot be created
    };

    // Tries to take the lock. Never waits.
    Outcome tryAcquire();
    bool isHeld() const { return m_lock.isLocked(); }
    // Why the last tryAcquire() gave Unavailable; None otherwise.
    Problem problem() const { return m_problem; }
    const QString& problemDetail() const { return m_problemDetail; }
    QString lockPath() const { return m_lock.fileName(); }

private:
    // Why a lock file that exists is not a running copy's lock; None when it is one.
    Problem whyNotALiveLock(QString& detail) const;

    QLockFile m_lock;
    Problem m_problem = Problem::None;
    QString m_problemDetail;
};

} // namespace platform
