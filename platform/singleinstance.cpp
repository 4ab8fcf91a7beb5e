#include "platform/singleinstance.h"
#include "platform/apppaths.h"
#include <QDir>
#include <QFileInfo>

namespace platform {

QString SingleInstance::defaultLockPath()
{
    return AppPaths::runtimeFolder() + QLatin1Char('/') + AppPaths::ApplicationFolder + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath)
{
    // Never stale by age: only a lock whose owner has died is taken over.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire()
{
    if (m_lock.isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    return m_lock.tryLock(0);
}

} // namespace platform
