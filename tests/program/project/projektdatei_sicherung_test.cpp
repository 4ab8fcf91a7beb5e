#include "common/recordingmessageboxes.h"
#include "fullfolder.h"
#include "otheruser.h"
#include "program/project/projekt_befehle.h"
#include "program/project/projektdatei_datei.h"
#include "testsupport.h"
#include "projektbeispiel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstring>
#include <sys/stat.h>

using namespace project;

namespace {

ProjektSatz projekt(double durchfluss)
{
    return projektBeispiel(durchfluss);
}

QByteArray lies(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

// A save on a full disk (or past a write limit) is refused with its message, and the project and
// its copy stay exactly as they were: nothing of the last or the previous save is lost.
TEST(ProjektSicherung, ASaveOnAFullDiskKeepsTheProjectAndItsCopyAndSaysSo)
{
    FullFolder folder;
    const QByteArray letzte = kodiereProjekt(projekt(20));
    const QByteArray vorige = kodiereProjekt(projekt(10));
    folder.put(QStringLiteral("P.tpj"), letzte);
    folder.put(QStringLiteral("P.bak"), vorige);
    folder.fill();

    texts::Texte texte;
    texte.SprachNr = 1;
    texte.Text_109[1] = QStringLiteral("Project NOT saved!!!");
    texts::System sys;
    sys.Projekt_File = folder.filePath(QStringLiteral("P.tpj"));
    sys.Projekt_Name = QStringLiteral("P");
    common::RecordingMessageBoxes boxes;

    EXPECT_FALSE(Projekt_Schreiben(sys, texte, boxes, sys.Projekt_File, projekt(30)));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("Project NOT saved!!!\r\n") + QString::fromLocal8Bit(std::strerror(
                                         folder.isSmallFileSystem() ? ENOSPC : EFBIG)));
    EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
    EXPECT_EQ(lies(folder.filePath(QStringLiteral("P.tpj"))), letzte);
    EXPECT_EQ(lies(folder.filePath(QStringLiteral("P.bak"))), vorige);
    EXPECT_EQ(folder.entries(), QStringList({"P.bak", "P.tpj"}));

    // Saving as a new file on the full disk leaves nothing behind either.
    EXPECT_FALSE(speichereProjektDatei(folder.filePath(QStringLiteral("Q.tpj")), projekt(30)).ok);
    EXPECT_EQ(folder.entries(), QStringList({"P.bak", "P.tpj"}));

    // With room again the same save goes through and the copy holds the last save.
    folder.release();
    EXPECT_TRUE(Projekt_Schreiben(sys, texte, boxes, sys.Projekt_File, projekt(30)));
    EXPECT_EQ(lies(folder.filePath(QStringLiteral("P.tpj"))), kodiereProjekt(projekt(30)));
    EXPECT_EQ(lies(folder.filePath(QStringLiteral("P.bak"))), letzte);
}

TEST(ProjektSicherung, NoProjectFileIsItsOwnCopyAndNoTwoShareOne)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"/d/pumpe.tpj", "/d/pumpe.bak"},
        {"/d/pumpe.v2.tpj", "/d/pumpe.v2.bak"},
        {"/d/Pump 3.5 kW.tpj", "/d/Pump 3.5 kW.bak"},
        {"/d/pumpe", "/d/pumpe.tpj.bak"},
        {"/d/x.bak", "/d/x.bak.tpj.bak"},
        {"/d/x.bak.tpj", "/d/x.bak.bak"},
        {"/d/P.TPJ", "/d/P.TPJ.tpj.bak"},
        {"/d/.tpj", "/d/.tpj.tpj.bak"},
    };
    QStringList kopien;
    for (const auto& [datei, kopie] : faelle) {
        EXPECT_EQ(bakDatei(QString::fromUtf8(datei)), QString::fromUtf8(kopie)) << datei;
        EXPECT_NE(bakDatei(QString::fromUtf8(datei)), QString::fromUtf8(datei)) << datei;
        kopien << bakDatei(QString::fromUtf8(datei));
    }
    kopien.removeDuplicates();
    EXPECT_EQ(kopien.size(), qsizetype(std::size(faelle)));
}

// Each save keeps the one before it as the copy, also for names at the file system's limit and
// for a file whose own name ends in ".bak".
TEST(ProjektSicherung, ThreeSavesInARowEachKeepThePreviousOne)
{
    QTemporaryDir dir;
    const QString langerName = QString(246, QLatin1Char('L')) + QStringLiteral(".tpj"); // 250 bytes
    for (const QString& name : {langerName, QStringLiteral("x.bak"), QStringLiteral("x.bak.tpj")}) {
        const QString datei = dir.filePath(name);
        for (int runde = 1; runde <= 3; ++runde) {
            ASSERT_TRUE(speichereProjektDatei(datei, projekt(runde)).ok) << name.size() << " round " << runde;
            EXPECT_EQ(lies(datei), kodiereProjekt(projekt(runde)));
            if (runde > 1) {
                EXPECT_EQ(lies(bakDatei(datei)), kodiereProjekt(projekt(runde - 1))) << name.size();
            }
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({QString(246, QLatin1Char('L')) + QStringLiteral(".bak"), langerName, "x.bak", "x.bak.bak",
                           "x.bak.tpj", "x.bak.tpj.bak"}));
}

// A project file the user may not write (made read-only, or a colleague's) in a folder the user
// may write is not replaced: the save says so with the system's reason, and the project and its
// copy stay as they were.
TEST(ProjektSicherung, AReadOnlyProjectIsNotReplaced)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("P.tpj"));
    const QByteArray letzte = kodiereProjekt(projekt(20));
    const QByteArray vorige = kodiereProjekt(projekt(10));
    for (const auto& [name, bytes] : {std::pair{"P.tpj", letzte}, std::pair{"P.bak", vorige}}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    ASSERT_TRUE(OtherUser::own(datei, 0444));
    ASSERT_TRUE(OtherUser::own(dir.filePath(QStringLiteral("P.bak")), 0644));
    ASSERT_TRUE(OtherUser::own(dir.path(), 0755));

    texts::Texte texte;
    texte.SprachNr = 1;
    texte.Text_109[1] = QStringLiteral("Project NOT saved!!!");
    texts::System sys;
    sys.Projekt_File = datei;
    sys.Projekt_Name = QStringLiteral("P");
    common::RecordingMessageBoxes boxes;
    {
        const OtherUser user;
        ASSERT_TRUE(user.ok());
        EXPECT_FALSE(Projekt_Schreiben(sys, texte, boxes, datei, projekt(30)));
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt,
              QStringLiteral("Project NOT saved!!!\r\n") + QString::fromLocal8Bit(std::strerror(EACCES)));
    EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
    EXPECT_EQ(lies(datei), letzte);
    EXPECT_EQ(lies(dir.filePath(QStringLiteral("P.bak"))), vorige);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"P.bak", "P.tpj"}));
}

// The copy of a private project is as private as the project: the first ".bak" of a 0600 project
// is 0600, and an older copy that was readable by others becomes so too.
TEST(ProjektSicherung, TheCopyTakesItsProjectsMode)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("P.tpj"));
    const QString kopie = dir.filePath(QStringLiteral("P.bak"));
    const mode_t umaskBefore = ::umask(022);
    const auto mode = [](const QString& path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 07777u;
    };
    ASSERT_TRUE(speichereProjektDatei(datei, projekt(10)).ok);
    ASSERT_EQ(::chmod(QFile::encodeName(datei).constData(), 0600), 0);
    ASSERT_TRUE(speichereProjektDatei(datei, projekt(20)).ok);
    EXPECT_EQ(mode(datei), 0600u);
    EXPECT_EQ(mode(kopie), 0600u);

    ASSERT_EQ(::chmod(QFile::encodeName(kopie).constData(), 0644), 0);
    ASSERT_TRUE(speichereProjektDatei(datei, projekt(30)).ok);
    EXPECT_EQ(mode(kopie), 0600u);
    EXPECT_EQ(lies(kopie), kodiereProjekt(projekt(20)));
    ::umask(umaskBefore);
}
