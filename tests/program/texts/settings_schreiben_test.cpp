#include "common/saveleftovers.h"
#include "filewrites.h"
#include "fullfolder.h"
#include "otheruser.h"
#include "platform/tempconfig.h"
#include "program/texts/settings.h"
#include "program/texts/stringtable.h"
#include "program/texts/textcatalogue.h"
#include "testsupport.h"
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using texts::INI_lesen;
using texts::INI_schreiben;

namespace {

// The warnings the user sees, worded as the running program words them, in Polish.
struct Meldungen {
    static constexpr qint16 Polnisch = 5;
    texts::Texte texte;
    QStringList gesehen;
    void an(texts::System& sys)
    {
        texts::Init_MeldungsTexte(texte);
        texte.SprachNr = Polnisch;
        sys.IniFehlerText = [this](const QString& datei, const common::FileFailure& grund) {
            return texts::IniFehlerMeldung(texte, datei, grund);
        };
        sys.IniFehlerMelden = [this](const QString& text) { gesehen << text; };
    }
};

QString polnisch(int textNr)
{
    return texts::compiledStringTable().entry(Meldungen::Polnisch, textNr).value_or(QString());
}

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
    // In the user's language: the program's sentence, the file, the system's reason, the consequence.
    ASSERT_EQ(meldungen.gesehen.size(), 1);
    ASSERT_FALSE(polnisch(600).isEmpty());
    EXPECT_EQ(meldungen.gesehen[0], polnisch(600) + u'\n' + folder.filePath(QStringLiteral("Kelto_VX.ini")) + u'\n' + u'('
                                        + QString::fromLocal8Bit(std::strerror(fehler)) + QStringLiteral(").\n\n")
                                        + polnisch(601));

    // With room again the next write stores its key; the user is not told again in this run.
    folder.release();
    INI_schreiben(sys, QStringLiteral("Sprache"), QStringLiteral("4"), texts::ini::SysDaten);
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("Sprache"), texts::ini::SysDaten), QStringLiteral("4"));
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("Name1"), texts::ini::Projekte), QStringLiteral("/home/u/P.tpj"));
    EXPECT_EQ(meldungen.gesehen.size(), 1);
}

// A settings file that cannot be read, or whose folder cannot be made, is named with the program's
// own reason in the user's language, for a single write and for a batch alike.
TEST(SettingsWriting, WhatFailedIsSaidInTheUsersLanguage)
{
    QTemporaryDir dir;
    QFile datei(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner")));
    const struct {
        QString ini;
        QString grund;
    } faelle[] = {
        // A file stands where the settings folder should be made.
        {dir.filePath(QStringLiteral("datei/kelto/Kelto_VX.ini")),
         polnisch(603).arg(dir.filePath(QStringLiteral("datei/kelto")))},
        // A folder under the settings file's name cannot be read as one.
        {dir.filePath(QStringLiteral("ordner")), polnisch(602)},
    };
    for (const auto& fall : faelle) {
        for (const bool stapel : {false, true}) {
            texts::System sys;
            sys.IniDatei = fall.ini;
            Meldungen meldungen;
            meldungen.an(sys);
            if (stapel) {
                const texts::INI_Stapel einSchreiben(sys);
                INI_schreiben(sys, QStringLiteral("Sprache"), QStringLiteral("5"), texts::ini::SysDaten);
            } else {
                INI_schreiben(sys, QStringLiteral("Sprache"), QStringLiteral("5"), texts::ini::SysDaten);
            }
            ASSERT_EQ(meldungen.gesehen.size(), 1) << fall.ini.toStdString() << " batch " << stapel;
            ASSERT_FALSE(fall.grund.isEmpty());
            EXPECT_EQ(meldungen.gesehen[0], polnisch(600) + u'\n' + fall.ini + u'\n' + u'(' + fall.grund
                                                + QStringLiteral(").\n\n") + polnisch(601));
        }
    }
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
    EXPECT_EQ(meldungen.gesehen[0], polnisch(600) + u'\n' + datei + u'\n' + u'(' + QString::fromLocal8Bit(std::strerror(EACCES))
                                        + QStringLiteral(").\n\n") + polnisch(601));
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

// What another program writes into the file while a batch is open stays: the batch's end changes
// only the batch's own keys, on the file as it is then. Reads inside the batch see both.
TEST(SettingsWriting, ABatchKeepsWhatAnotherProgramWroteMeanwhile)
{
    TempConfig env;
    env.writeSettings("[SysDaten]\nSprache=0\n[Projekte]\nName1=/p/a.tpj\n");
    texts::System sys;
    Meldungen meldungen;
    meldungen.an(sys);
    {
        const texts::INI_Stapel stapel(sys);
        INI_schreiben(sys, QStringLiteral("Name1"), QStringLiteral("/p/b.tpj"), texts::ini::Projekte);
        INI_schreiben(sys, QStringLiteral("Name2"), QStringLiteral("/p/a.tpj"), texts::ini::Projekte);
        // Another program (an editor, a second copy of the program) rewrites the file now.
        env.writeSettings("; edited\n[SysDaten]\nSprache=4\nUserPath=/daten/\n[Projekte]\nName1=/p/a.tpj\n");
        EXPECT_EQ(INI_lesen(sys, QStringLiteral("UserPath"), texts::ini::SysDaten), QStringLiteral("/daten/"));
        EXPECT_EQ(INI_lesen(sys, QStringLiteral("Name1"), texts::ini::Projekte), QStringLiteral("/p/b.tpj"));
    }
    EXPECT_EQ(env.settingsBytes(),
              QByteArray("; edited\n[SysDaten]\nSprache=4\nUserPath=/daten/\n[Projekte]\nName1=/p/b.tpj\nName2=/p/a.tpj\n"));
    EXPECT_TRUE(meldungen.gesehen.isEmpty());
}
