#include "common/error.h"
#include "platform/sysfiles.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using platform::clsSysFiles;

namespace {

class SysFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = QDir(dir.path()).filePath(QStringLiteral("Bericht 7.docx"));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("PK");
    }

    QTemporaryDir dir;
    QString file;
    clsSysFiles files;
};

} // namespace

TEST_F(SysFilesTest, ClosedFileIsFree)
{
    EXPECT_FALSE(files.FileInUse(file));
}

TEST_F(SysFilesTest, OfficeLockFileBesideTheDocumentMeansInUse)
{
    QFile lock(QDir(dir.path()).filePath(QStringLiteral(".~lock.Bericht 7.docx#")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();
    EXPECT_TRUE(files.FileInUse(file));
    // Only the lock of this file counts.
    ASSERT_TRUE(QFile::rename(lock.fileName(), QDir(dir.path()).filePath(QStringLiteral(".~lock.Anderes.docx#"))));
    EXPECT_FALSE(files.FileInUse(file));
}

TEST_F(SysFilesTest, LockHeldThroughAnotherDescriptorMeansInUse)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDWR);
    ASSERT_GE(fd, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
    EXPECT_TRUE(files.FileInUse(file));
    ::close(fd);
    EXPECT_FALSE(files.FileInUse(file));
}

TEST_F(SysFilesTest, FilesThatCannotBeOpenedRaiseTheSystemError)
{
    const QString missing = QDir(dir.path()).filePath(QStringLiteral("fehlt.docx"));
    struct Fall {
        QString path;
        long number;
    };
    const Fall faelle[] = {{missing, 10002}, {QString(), 10002}, {dir.path(), 10021}};
    for (const Fall& f : faelle) {
        try {
            files.FileInUse(f.path);
            ADD_FAILURE() << "no error for " << f.path.toStdString();
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), f.number);
            EXPECT_EQ(e.source(), QStringLiteral("clsFiles:FileInUse"));
            EXPECT_EQ(e.description(), clsSysFiles::GetApiErrorText(static_cast<int>(f.number - 10000)));
            EXPECT_FALSE(e.description().isEmpty());
        }
    }
}

TEST_F(SysFilesTest, NamesOfKnownAndUnknownPaths)
{
    QFile png(QDir(dir.path()).filePath(QStringLiteral("logo.png")));
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    png.write(QByteArray::fromHex("89504e470d0a1a0a0000000d49484452"));
    png.close();

    EXPECT_EQ(files.DisplayName(png.fileName()), QStringLiteral("logo.png"));
    EXPECT_FALSE(files.TypeName(png.fileName()).isEmpty());
    EXPECT_NE(files.TypeName(png.fileName()), files.TypeName(file));

    const QString missing = QDir(dir.path()).filePath(QStringLiteral("fehlt.png"));
    EXPECT_EQ(files.DisplayName(missing), QString());
    EXPECT_EQ(files.TypeName(missing), QString());
}
