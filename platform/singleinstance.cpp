#include "platform/singleinstance.h"
#include "platform/apppaths.h"
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <csignal>

namespace platform {
namespace {

// True when process pid runs and, where its program can be seen, is the program named appname
// (a process id reused by another program is no running copy).
bool processRuns(qint64 pid, const QString& appname)
{
    if (pid <= 0)
        return false;
    // EPERM: the process exists but belongs to someone else.
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM)
        return false;
    const QString running = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return running.isEmpty() || appname.isEmpty() || QFileInfo(running).fileName() == QFileInfo(appname).fileName();
}

} // namespace

QString SingleInstance::defaultLockPath()
{
    return AppPaths::runtimeFolder() + QLatin1Char('/') + AppPaths::ApplicationFolder + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath)
{
    // Never stale by age: only a lock whose owner has died is taken over.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Problem SingleInstance::whyNotALiveLock(QString& detail) const
{
    const QFileInfo info(m_lock.fileName());
    if (!info.isFile())
        return Problem::NotAFile;
    qint64 pid = 0;
    QString hostname;
    QString appname;
    if (!m_lock.getLockInfo(&pid, &hostname, &appname))
        return Problem::NotALockFile;
    if (!hostname.isEmpty() && hostname != QSysInfo::machineHostName()) {
        detail = hostname;
        return Problem::OtherHost;
    }
    if (!processRuns(pid, appname)) {
        detail = QString::number(pid);
        return Problem::DeadOwnerLockKept;
    }
    return Problem::None;
}

SingleInstance::Outcome SingleInstance::tryAcquire()
{
    m_problem = Problem::None;
    m_problemDetail.clear();
    if (m_lock.isLocked())
        return Outcome::Acquired;
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    if (m_lock.tryLock(0))
        return Outcome::Acquired;

    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        // Something is in the way; only a running copy's lock means "already running".
        m_problem = whyNotALiveLock(m_problemDetail);
        if (m_problem == Problem::None)
            return Outcome::AlreadyHeld;
        break;
    case QLockFile::PermissionError:
        m_problem = Problem::NoPermission;
        break;
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        m_problem = Problem::CannotCreate;
        break;
    }
    return Outcome::Unavailable;
}

} // namespace platform
