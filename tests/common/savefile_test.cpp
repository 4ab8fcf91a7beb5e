#include "common/savefile.h"
#include "fullfolder.h"
#include "otheruser.h"
#include "testsupport.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstring>
#include <sys/stat.h>

using common::replaceFile;
using common::StagedFile;

TEST(SaveFile, ANewContentReplacesTheWholeFileKeepingItsPermissionsAndLinks)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data.txt"));
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'o'));
    }
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("data.txt"), link)); // relative, as users make them

    EXPECT_FALSE(replaceFile(link, "short").failed());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("short"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
              QStringList({"data.txt", "link.txt"}));

    // A folder under the target's name is not replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    EXPECT_EQ(replaceFile(dir.filePath(QStringLiteral("sub")), "x").kind, common::FileFailure::Kind::NotAFile);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("sub"))).isDir());
}

TEST(SaveFile, AStagedContentTakesThePlaceOfTheTargetOnlyOnCommit)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("p.tpj"));
    ASSERT_FALSE(replaceFile(file, "old").failed());
    const auto content = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    {
        StagedFile staged;
        ASSERT_TRUE(staged.stage(file, "new"));
        EXPECT_EQ(content(), QByteArray("old"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    } // dropped without commit
    EXPECT_EQ(content(), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"p.tpj"}));

    StagedFile staged;
    ASSERT_TRUE(staged.stage(file, "new"));
    ASSERT_TRUE(staged.commit());
    EXPECT_EQ(content(), QByteArray("new"));
    EXPECT_FALSE(staged.commit()); // nothing is staged any more
    EXPECT_EQ(staged.failure().kind, common::FileFailure::Kind::NothingStaged);
}

TEST(SaveFile, OnAFullDiskTheOldFileStaysByteForByteAndTheReasonIsGiven)
{
    FullFolder folder;
    const QByteArray old = QByteArray("first version\n").repeated(40);
    folder.put(QStringLiteral("data.txt"), old);
    folder.fill();

    for (const QByteArray& bytes : {QByteArray("x"), QByteArray(432, 'n'), QByteArray(300000, 'n')}) {
        EXPECT_TRUE(replaceFile(folder.filePath(QStringLiteral("data.txt")), bytes).failed()) << bytes.size();
        EXPECT_EQ(folder.bytesOf(QStringLiteral("data.txt")), old);
        // A file that did not exist is not left behind empty.
        EXPECT_TRUE(replaceFile(folder.filePath(QStringLiteral("new.txt")), bytes).failed());
        EXPECT_EQ(folder.entries(), QStringList({"data.txt"}));
    }
    const common::FileFailure why = replaceFile(folder.filePath(QStringLiteral("data.txt")), "y");
    EXPECT_EQ(why.kind, common::FileFailure::Kind::System);
    EXPECT_EQ(why.reason, QString::fromLocal8Bit(std::strerror(folder.isSmallFileSystem() ? ENOSPC : EFBIG)));

    folder.release();
    EXPECT_FALSE(replaceFile(folder.filePath(QStringLiteral("data.txt")), "second").failed());
    EXPECT_EQ(folder.bytesOf(QStringLiteral("data.txt")), QByteArray("second"));
}

TEST(SaveFile, NamesUpToTheFileSystemsLimitAreReplacedAgainAndAgain)
{
    QTemporaryDir dir;
    for (const QString& name : {QString(250, QLatin1Char('n')), QString(255, QLatin1Char('m')),
                                QString(127, QChar(0x00F6)) + QStringLiteral("x")}) {
        const QString file = dir.filePath(name);
        for (int round = 1; round <= 3; ++round) {
            const QByteArray bytes = QByteArray::number(round);
            ASSERT_FALSE(replaceFile(file, bytes).failed()) << name.size() << " round " << round;
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), bytes);
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

} // namespace

// Links are followed as the kernel follows them when it opens the path: through a chain, and for a
// relative link from the real folder the link lies in, also when the link is reached through a
// linked folder and when the file it names does not exist yet. Every link stays a link.
TEST(SaveFile, TheFileReplacedIsTheOneTheKernelOpensThroughTheLinks)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    ASSERT_TRUE(d.mkpath(QStringLiteral("real/sub")));
    put(d.filePath(QStringLiteral("P.tpj")), "old project");
    put(d.filePath(QStringLiteral("real/P.tpj")), "another project");
    put(d.filePath(QStringLiteral("x")), "not the one"); // where "via/../x" would lead, read as text
    ASSERT_TRUE(QFile::link(QStringLiteral("b"), d.filePath(QStringLiteral("a"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("P.tpj"), d.filePath(QStringLiteral("b"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("real/sub"), d.filePath(QStringLiteral("via"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("../x"), d.filePath(QStringLiteral("real/sub/l"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("d2"), d.filePath(QStringLiteral("d1")))); // d2 -> new.tpj, missing
    ASSERT_TRUE(QFile::link(QStringLiteral("new.tpj"), d.filePath(QStringLiteral("d2"))));
    ASSERT_TRUE(QFile::link(d.filePath(QStringLiteral("gone/p.tpj")), d.filePath(QStringLiteral("nowhere"))));

    struct Case {
        const char* saved; // the path saved to
        const char* file;  // the file that must hold the new bytes
    };
    const Case cases[] = {
        {"a", "P.tpj"},           // a -> b -> P.tpj
        {"via/l", "real/x"},      // real/sub/l -> ../x, missing: created
        {"via/l", "real/x"},      // and now replaced
        {"d1", "new.tpj"},        // a chain to a missing file
        {"via/../P.tpj", "real/P.tpj"}, // ".." after a linked folder: the parent of real/sub
    };
    for (const Case& c : cases) {
        const QByteArray bytes = QByteArray("new bytes via ") + c.saved;
        ASSERT_FALSE(replaceFile(d.filePath(QString::fromUtf8(c.saved)), bytes).failed()) << c.saved;
        EXPECT_EQ(bytesOf(d.filePath(QString::fromUtf8(c.file))), bytes) << c.saved;
    }
    EXPECT_EQ(bytesOf(d.filePath(QStringLiteral("P.tpj"))), QByteArray("new bytes via a"));
    EXPECT_EQ(bytesOf(d.filePath(QStringLiteral("x"))), QByteArray("not the one"));
    for (const char* link : {"a", "b", "via", "real/sub/l", "d1", "d2", "nowhere"})
        EXPECT_TRUE(QFileInfo(d.filePath(QString::fromUtf8(link))).isSymLink()) << link;

    // A link into a folder that does not exist names no file that can be written.
    EXPECT_EQ(replaceFile(d.filePath(QStringLiteral("nowhere")), "x").reason, QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_FALSE(QFileInfo::exists(d.filePath(QStringLiteral("gone"))));
    // Two links naming each other are a loop.
    ASSERT_TRUE(QFile::link(QStringLiteral("loop2"), d.filePath(QStringLiteral("loop1"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("loop1"), d.filePath(QStringLiteral("loop2"))));
    EXPECT_EQ(replaceFile(d.filePath(QStringLiteral("loop1")), "x").reason, QString::fromLocal8Bit(std::strerror(ELOOP)));
    EXPECT_TRUE(QFileInfo(d.filePath(QStringLiteral("loop1"))).isSymLink());
}

namespace {

struct Attributes {
    uid_t uid;
    gid_t gid;
    mode_t mode;
    bool operator==(const Attributes&) const = default;
};

Attributes attributesOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {uid_t(-1), gid_t(-1), 0};
    return {st.st_uid, st.st_gid, mode_t(st.st_mode & 07777)};
}

} // namespace

// A colleague's project in a shared folder, saved by a user who may write it: the new file keeps
// the old one's mode, and its group where the user is a member of that group; elsewhere it gets
// the user's own group. It is the saver's file afterwards (no user may give a file away).
TEST(SaveFile, AReplacedFileKeepsItsModeAndItsGroupWhereTheUserMaySetIt)
{
    if (!OtherUser::canSwitch())
        GTEST_SKIP() << "needs root, to give the files to a second user and act as the other";
    const gid_t shared = 100; // a group the saver is a member of
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    struct Case {
        const char* name;
        gid_t group;    // of the colleague's file
        mode_t mode;
        gid_t expected; // the new file's group
    };
    const Case cases[] = {
        {"team.tpj", shared, 0664, shared},
        {"sticky.tpj", shared, 02660, shared},
        {"root.tpj", 0, 0666, OtherUser::Gid}, // the saver is no member of group 0
    };
    for (const Case& c : cases) {
        const QString file = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_FALSE(replaceFile(file, "colleague's").failed());
        const QByteArray p = QFile::encodeName(file);
        ASSERT_EQ(::chown(p.constData(), 0, c.group), 0);
        ASSERT_EQ(::chmod(p.constData(), c.mode), 0);
    }
    {
        const OtherUser user({shared});
        ASSERT_TRUE(user.ok());
        for (const Case& c : cases)
            EXPECT_FALSE(replaceFile(dir.filePath(QString::fromLatin1(c.name)), "saver's").failed()) << c.name;
    }
    for (const Case& c : cases) {
        const Attributes expected{OtherUser::Uid, c.expected, c.group == c.expected ? c.mode : c.mode & 0777};
        const Attributes got = attributesOf(dir.filePath(QString::fromLatin1(c.name)));
        EXPECT_TRUE(got == expected) << c.name << ": uid " << got.uid << " gid " << got.gid << " mode " << std::oct
                                     << got.mode;
    }
}
