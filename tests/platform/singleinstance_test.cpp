#include "platform/singleinstance.h"
#include "platform/tempconfig.h"
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <gtest/gtest.h>
#include <functional>
#include <unistd.h>

using Outcome = platform::SingleInstance::Outcome;

namespace {

// A lock file in QLockFile's format: process id, program, host name. The program is that of the
// process (a lock whose process runs another program counts as left behind).
void writeLock(const QString& path, qint64 pid, const QByteArray& host)
{
    const QString program = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::number(pid) + "\n" + program.toUtf8() + "\n" + host + "\n");
}

} // namespace

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstLetsGo)
{
    QTemporaryDir dir;
    const QString lock = dir.path() + QStringLiteral("/run/kelto-line.lock");
    {
        platform::SingleInstance first(lock);
        ASSERT_EQ(first.tryAcquire(), Outcome::Acquired);
        EXPECT_TRUE(first.isHeld());
        EXPECT_TRUE(QFileInfo::exists(lock));

        platform::SingleInstance second(lock);
        EXPECT_EQ(second.tryAcquire(), Outcome::AlreadyHeld);
        EXPECT_FALSE(second.isHeld());
        EXPECT_EQ(second.problem(), platform::SingleInstance::Problem::None);
        EXPECT_EQ(first.tryAcquire(), Outcome::Acquired); // asking again keeps the lock
    }
    platform::SingleInstance later(lock);
    EXPECT_EQ(later.tryAcquire(), Outcome::Acquired);
}

TEST(SingleInstance, LockOfARunningProcessOnThisHostIsHeld)
{
    // Written by another process that still runs (our parent stands in for it).
    QTemporaryDir dir;
    const QString lock = dir.path() + QStringLiteral("/kelto-line.lock");
    writeLock(lock, ::getppid(), QSysInfo::machineHostName().toUtf8());
    platform::SingleInstance instance(lock);
    EXPECT_EQ(instance.tryAcquire(), Outcome::AlreadyHeld);
    EXPECT_FALSE(instance.isHeld());
}

TEST(SingleInstance, LockLeftByADeadProcessIsTakenOver)
{
    QTemporaryDir dir;
    const QString lock = dir.path() + QStringLiteral("/kelto-line.lock");
    writeLock(lock, 999999999, QSysInfo::machineHostName().toUtf8());
    platform::SingleInstance instance(lock);
    EXPECT_EQ(instance.tryAcquire(), Outcome::Acquired);
    EXPECT_TRUE(instance.isHeld());
}

TEST(SingleInstance, LockWhoseProcessIdNowRunsAnotherProgramIsTakenOver)
{
    QTemporaryDir dir;
    const QString lock = dir.path() + QStringLiteral("/kelto-line.lock");
    QFile f(lock);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::number(::getppid()) + "\n/usr/bin/some-other-program\n" + QSysInfo::machineHostName().toUtf8()
            + "\n");
    f.close();
    platform::SingleInstance instance(lock);
    EXPECT_EQ(instance.tryAcquire(), Outcome::Acquired);
}

TEST(SingleInstance, LocksThatNoRunningCopyHoldsAreProblemsNotRunningCopies)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QString lockPath;
        std::function<void(const QString&)> prepare;
        platform::SingleInstance::Problem problem;
        const char* detail;
    };
    using Problem = platform::SingleInstance::Problem;
    const QString root = dir.path();
    const Case cases[] = {
        {"lock path is a folder", root + QStringLiteral("/folder.lock"),
         [](const QString& p) { QDir().mkpath(p); }, Problem::NotAFile, ""},
        {"lock of another host", root + QStringLiteral("/host.lock"),
         [](const QString& p) { writeLock(p, ::getpid(), "some-other-host.example"); }, Problem::OtherHost,
         "some-other-host.example"},
        {"not a lock file", root + QStringLiteral("/garbage.lock"),
         [](const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("not a lock\n");
         },
         Problem::NotALockFile, ""},
        // The folder cannot hold files (a plain file stands where it should be): the same failure
        // to create the lock as a folder without write permission, which root cannot be shown.
        {"lock folder cannot hold files", root + QStringLiteral("/plainfile/kelto-line.lock"),
         [&root](const QString&) {
             QFile f(root + QStringLiteral("/plainfile"));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         },
         Problem::CannotCreate, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare(c.lockPath);
        platform::SingleInstance instance(c.lockPath);
        EXPECT_EQ(instance.tryAcquire(), Outcome::Unavailable);
        EXPECT_FALSE(instance.isHeld());
        EXPECT_EQ(instance.problem(), c.problem);
        EXPECT_EQ(instance.problemDetail(), QString::fromLatin1(c.detail));
        EXPECT_EQ(instance.lockPath(), c.lockPath);
    }
}

TEST(SingleInstance, DefaultLockLivesInTheRuntimeFolder)
{
    TempConfig env;
    EXPECT_EQ(platform::SingleInstance::defaultLockPath(), env.root() + QStringLiteral("/kelto-line.lock"));
}
