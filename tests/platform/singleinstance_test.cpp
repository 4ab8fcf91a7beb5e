#include "platform/singleinstance.h"
#include "platform/tempconfig.h"
#include <QFileInfo>
#include <QSysInfo>
#include <gtest/gtest.h>

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstLetsGo)
{
    QTemporaryDir dir;
    const QString lock = dir.path() + QStringLiteral("/run/kelto-line.lock");
    {
        platform::SingleInstance first(lock);
        ASSERT_TRUE(first.tryAcquire());
        EXPECT_TRUE(first.isHeld());
        EXPECT_TRUE(QFileInfo::exists(lock));

        platform::SingleInstance second(lock);
        EXPECT_FALSE(second.tryAcquire());
        EXPECT_FALSE(second.isHeld());
        EXPECT_TRUE(first.tryAcquire()); // asking again keeps the lock
    }
    platform::SingleInstance later(lock);
    EXPECT_TRUE(later.tryAcquire());
}

TEST(SingleInstance, LockLeftByADeadProcessIsTakenOver)
{
    QTemporaryDir dir;
    const QString lock = dir.path() + QStringLiteral("/kelto-line.lock");
    // A lock file in QLockFile's format naming a process id that cannot be running.
    QFile f(lock);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("999999999\nkelto-line\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    f.close();
    platform::SingleInstance instance(lock);
    EXPECT_TRUE(instance.tryAcquire());
}

TEST(SingleInstance, DefaultLockLivesInTheRuntimeFolder)
{
    TempConfig env;
    EXPECT_EQ(platform::SingleInstance::defaultLockPath(), env.root() + QStringLiteral("/kelto-line.lock"));
}
