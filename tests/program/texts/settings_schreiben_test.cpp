#include "common/saveleftovers.h"
#include "filewrites.h"
#include "fullfolder.h"
#include "otheruser.h"
#include "platform/tempconfig.h"
#include "program/texts/settings.h"
#include "testsupport.h"
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using texts::INI_lesen;
using texts::INI_schreiben;

namespace {

struct Meldungen {
    QStringList gesehen;
    void an(texts::System& sys)
    {
        sys.IniFehlerMelden = [this](const QString& text) { gesehen << text; };
    }
};

} // namespace

// On a full disk the settings file stays whole (no setting, no recent project lost) and the user
// is told once in the run, with the file's name, however many settings fail after that.
TEST(SettingsWriting, AFullDiskKeepsTheFileWholeAndTellsTheUserOnce)
{
    FullFolder folder;
    const QByteArray vorher = "[SysDaten]\nSprache=0\nRegion=EU\n[Projekte]\nName1=/home/u/P.tpj\n";
    folder.put(QStringLiteral("Kelto_VX.ini"), vorher);
    texts::System sys;
    sys.IniDatei = folder.filePath(QStringLiteral("Kelto_VX.ini"));
    Meldungen meldungen;
    meldungen.an(sys);
    const int fehler = folder.fill();

    INI_schreiben(sys, QStringLiteral("Region"), QStringLiteral("US"), texts::ini::SysDaten);
    {
        const texts::INI_Stapel stapel(sys);
        INI_schreiben(sys, QStringLiteral("Name1"), QStringLiteral("/home/u/Q.tpj"), texts::ini::Projekte);
        INI_schreiben(sys, QStringLiteral("Name2"), QStringLiteral("/home/u/P.tpj"), texts::ini::Projekte);
    }
    INI_schreiben(sys, QStringLiteral("Sprache"), QStringLiteral("4"), texts::ini::SysDaten);

    EXPECT_EQ(folder.bytesOf(QStringLiteral("Kelto_VX.ini")), vorher);
    EXPECT_EQ(folder.entries(), QStringList({"Kelto_VX.ini"}));
    ASSERT_EQ(meldungen.gesehen.size(), 1);
    EXPECT_EQ(meldungen.gesehen[0],
              texts::IniFehlerMeldung(sys.IniDatei, QString::fromLocal8Bit(std::strerror(fehler))));
    EXPECT_TRUE(meldungen.gesehen[0].contains(folder.filePath(QStringLiteral("Kelto_VX.ini"))));

    // With room again the next write stores its key; the user is not told again in this run.
    folder.release();
    INI_schreiben(sys, QStringLiteral("Sprache"), QStringLiteral("4"), texts::ini::SysDaten);
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("Sprache"), texts::ini::SysDaten), QStringLiteral("4"));
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("Name1"), texts::ini::Projekte), QStringLiteral("/home/u/P.tpj"));
    EXPECT_EQ(meldungen.gesehen.size(), 1);
}

// A settings file the user may not write (an administrator's read-only file) in a folder the
// user may write is not replaced: nothing is stored, and the user is told once in the run with the
// system's reason.
TEST(SettingsWriting, AReadOnlyFileIsNotReplacedAndTheUserIsToldOnce)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("Kelto_VX.ini"));
    const QByteArray vorher = "[SysDaten]\nSprache=0\n[Projekte]\nName1=/home/u/P.tpj\n";
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(vorher);
    }
    ASSERT_TRUE(OtherUser::own(datei, 0444));
    ASSERT_TRUE(OtherUser::own(dir.path(), 0755));
    texts::System sys;
    sys.IniDatei = datei;
    Meldungen meldungen;
    meldungen.an(sys);

    {
        const OtherUser user;
        ASSERT_TRUE(user.ok());
        INI_schreiben(sys, QStringLiteral("Sprache"), QStringLiteral("4"), texts::ini::SysDaten);
        {
            const texts::INI_Stapel stapel(sys);
            INI_schreiben(sys, QStringLiteral("Name1"), QStringLiteral("/home/u/Q.tpj"), texts::ini::Projekte);
        }
        EXPECT_EQ(INI_lesen(sys, QStringLiteral("Sprache"), texts::ini::SysDaten), QStringLiteral("0"));
    }

    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), vorher);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Kelto_VX.ini"}));
    ASSERT_EQ(meldungen.gesehen.size(), 1);
    EXPECT_EQ(meldungen.gesehen[0], texts::IniFehlerMeldung(datei, QString::fromLocal8Bit(std::strerror(EACCES))));
}

// The settings one user action writes reach the disk in one write: read back at once inside the
// action, on the disk when its outermost batch ends.
TEST(SettingsWriting, ABatchWritesTheFileOnceWhenItEnds)
{
    TempConfig env;
    env.writeSettings("; mine\n[SysDaten]\nSprache=0\n");
    // What an interrupted write of the file left behind, and a copy the user keeps beside it.
    const QString rest = common::saveTemporaryPrefix(QStringLiteral("Kelto_VX.ini")) + QStringLiteral("q1W2e3");
    for (const QString& name : {rest, QStringLiteral("Kelto_VX.ini.old")}) {
        QFile f(env.configFolder() + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[SysDaten]\nSprache=9\n");
    }
    texts::System sys;
    Meldungen meldungen;
    meldungen.an(sys);
    FileWrites writes(env.configFolder(), QStringLiteral("Kelto_VX.ini"));
    ASSERT_TRUE(writes.watching());
    {
        const texts::INI_Stapel aussen(sys);
        for (int n = 1; n <= 9; ++n)
            INI_schreiben(sys, QStringLiteral("Name%1").arg(n), QStringLiteral("/p/%1.tpj").arg(n), texts::ini::Projekte);
        {
            const texts::INI_Stapel innen(sys);
            INI_schreiben(sys, QStringLiteral("Sprache"), QStringLiteral("2"), texts::ini::SysDaten);
        }
        EXPECT_EQ(INI_lesen(sys, QStringLiteral("Name9"), texts::ini::Projekte), QStringLiteral("/p/9.tpj"));
        EXPECT_EQ(writes.count(), 0);
        EXPECT_EQ(env.settingsBytes(), QByteArray("; mine\n[SysDaten]\nSprache=0\n"));
    }
    EXPECT_EQ(writes.count(), 1);
    EXPECT_TRUE(env.settingsBytes().startsWith("; mine\n[SysDaten]\nSprache=2\n[Projekte]\nName1=/p/1.tpj\n"));
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("Name9"), texts::ini::Projekte), QStringLiteral("/p/9.tpj"));

    // A batch that changes nothing, and a single write of the value already stored, write nothing.
    {
        const texts::INI_Stapel gleich(sys);
        INI_schreiben(sys, QStringLiteral("Sprache"), QStringLiteral("2"), texts::ini::SysDaten);
    }
    INI_schreiben(sys, QStringLiteral("Name1"), QStringLiteral("/p/1.tpj"), texts::ini::Projekte);
    EXPECT_EQ(writes.count(), 0);
    EXPECT_TRUE(meldungen.gesehen.isEmpty());
    EXPECT_EQ(QDir(env.configFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"Kelto_VX.ini", "Kelto_VX.ini.old"}));
}
