#include "common/saveleftovers.h"
#include "common/savefile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using common::isSaveLeftoverOf;
using common::saveTemporaryPrefix;

TEST(SaveLeftovers, OnlyHiddenNamesWithTheProgramsMarkerAreLeftovers)
{
    const QString target = QStringLiteral("p.tpj");
    const std::pair<const char*, bool> cases[] = {
        {".p.tpj.kelto-save-aB3xY9", true}, {".p.tpj.kelto-save-000000", true},
        {".p.tpj.kelto-save-aB3xY", false},   // five characters
        {".p.tpj.kelto-save-aB3xY9z", false}, // seven
        {".p.tpj.kelto-save-aB-xY9", false},  {".p.tpj.kelto-save-aBäxY9", false},
        {"p.tpj.kelto-save-aB3xY9", false},   // not hidden
        {".q.tpj.kelto-save-aB3xY9", false},  {".P.TPJ.kelto-save-aB3xY9", false},
        // Names a user gives files of their own, and the temporary names of earlier versions,
        // which cannot be told apart from them.
        {"p.tpj.backup", false}, {"p.tpj.2024v1", false}, {"p.tpj.aB3xY9", false}, {"p.bak.before", false},
        {".p.tpj", false}, {"p.tpj", false},
    };
    for (const auto& [name, leftover] : cases)
        EXPECT_EQ(isSaveLeftoverOf(QString::fromUtf8(name), target), leftover) << name;
    EXPECT_FALSE(isSaveLeftoverOf(QStringLiteral(".kelto-save-aB3xY9"), QString()));
}

TEST(SaveLeftovers, TemporaryNamesFitWhereverTheTargetFits)
{
    // Names up to the file system's 255 bytes, in ASCII and in two-byte UTF-8 letters.
    for (const QString& target : {QString(200, QLatin1Char('n')), QString(236, QLatin1Char('n')),
                                  QString(237, QLatin1Char('n')), QString(255, QLatin1Char('n')),
                                  QString(127, QChar(0x00E4)) + QStringLiteral("x")}) {
        const QString prefix = saveTemporaryPrefix(target);
        EXPECT_LE(QFile::encodeName(prefix).size() + 6, 255) << target.size();
        EXPECT_TRUE(prefix.startsWith(QLatin1Char('.')));
        EXPECT_TRUE(isSaveLeftoverOf(prefix + QStringLiteral("Zz9Zz9"), target));
    }
    // Two long names of one folder get prefixes of their own.
    const QString a = QString(250, QLatin1Char('a'));
    const QString b = QString(249, QLatin1Char('a')) + QLatin1Char('b');
    EXPECT_NE(saveTemporaryPrefix(a), saveTemporaryPrefix(b));
    EXPECT_FALSE(isSaveLeftoverOf(saveTemporaryPrefix(a) + QStringLiteral("Zz9Zz9"), b));
}

TEST(SaveLeftovers, RemovesOnlyRegularFilesOfTheTargetsName)
{
    QTemporaryDir dir;
    const auto put = [&](const QString& name) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    };
    for (const char* name : {"p.tpj", ".p.tpj.kelto-save-aB3xY9", ".p.tpj.kelto-save-Qq0000", "p.tpj.aB3xY9",
                             "p.tpj.backup", ".q.tpj.kelto-save-aB3xY9", ".p.bak.kelto-save-aB3xY9", "elsewhere.txt"})
        put(QString::fromUtf8(name));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral(".p.tpj.kelto-save-folder")));
    // A link under a matching name is not ours to remove, and neither is what it points to.
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("elsewhere.txt")),
                            dir.filePath(QStringLiteral(".p.tpj.kelto-save-LINK00"))));

    EXPECT_EQ(common::removeSaveLeftovers(dir.filePath(QStringLiteral("p.tpj"))), 2);

    const QStringList left =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    EXPECT_EQ(left, QStringList({".p.bak.kelto-save-aB3xY9", ".p.tpj.kelto-save-LINK00", ".p.tpj.kelto-save-folder",
                                 ".q.tpj.kelto-save-aB3xY9", "elsewhere.txt", "p.tpj", "p.tpj.aB3xY9", "p.tpj.backup"}));
}

namespace {

// A save of target in a second process: it stages its bytes, says so through the pipe, and commits
// when told to (or is killed first). Its exit status says whether the commit went through.
struct OtherWriter {
    pid_t pid = -1;
    int toChild[2] = {-1, -1};
    int toParent[2] = {-1, -1};

    bool start(const QString& target, const QByteArray& bytes)
    {
        if (::pipe(toChild) != 0 || ::pipe(toParent) != 0)
            return false;
        pid = ::fork();
        if (pid == 0) {
            common::StagedFile staged;
            char c = staged.stage(target, bytes) ? 's' : 'f';
            if (::write(toParent[1], &c, 1) != 1 || ::read(toChild[0], &c, 1) != 1)
                ::_exit(3);
            ::_exit(staged.commit() ? 0 : 1);
        }
        char c = 0;
        return pid > 0 && ::read(toParent[0], &c, 1) == 1 && c == 's';
    }
    int commit()
    {
        const char c = 'c';
        int status = -1;
        const bool ended = ::write(toChild[1], &c, 1) == 1 && ::waitpid(pid, &status, 0) == pid;
        pid = -1;
        return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void kill()
    {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        pid = -1;
    }
    ~OtherWriter()
    {
        if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0)
            kill(); // a failed check left it waiting
        for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]})
            if (fd >= 0)
                ::close(fd);
    }
};

QStringList hiddenLeftovers(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral(".p.tpj.kelto-save-*")}, QDir::Files | QDir::Hidden);
}

} // namespace

// A save running in another process (a second program using the same library) keeps its temporary
// file while a save of the same file here cleans up: only what no live save holds is removed, and
// the other save then commits. A save that was killed holds nothing, and its file is removed.
TEST(SaveLeftovers, ATemporaryFileOfALiveSaveInAnotherProcessStays)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("p.tpj"));
    ASSERT_FALSE(common::replaceFile(target, "first").failed());

    OtherWriter live;
    ASSERT_TRUE(live.start(target, "from the other process"));
    OtherWriter killed; // its own cleanup leaves the live one alone
    ASSERT_TRUE(killed.start(target, "never committed"));
    killed.kill();
    ASSERT_EQ(hiddenLeftovers(dir).size(), 2);

    EXPECT_FALSE(common::replaceFile(target, "from here").failed());
    EXPECT_EQ(hiddenLeftovers(dir).size(), 1); // the live one
    EXPECT_EQ(live.commit(), 0);

    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("from the other process"));
    EXPECT_TRUE(hiddenLeftovers(dir).isEmpty());
}
