#include "common/savefile.h"
#include "fullfolder.h"
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
