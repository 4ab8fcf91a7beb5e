#include "platform/tempconfig.h"
#include "program/texts/settings.h"
#include <QFileInfo>
#include <gtest/gtest.h>

using texts::INI_lesen;
using texts::INI_schreiben;

TEST(Settings, FileLivesInTheUserConfigFolderAndIsCreatedOnFirstWrite)
{
    TempConfig env;
    texts::System sys;
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("Sprache"), texts::ini::SysDaten), QString());
    EXPECT_EQ(sys.IniDatei, env.settingsFile());
    EXPECT_FALSE(QFileInfo::exists(env.settingsFile()));

    INI_schreiben(sys, QStringLiteral("Sprache"), QStringLiteral("4"), texts::ini::SysDaten);
    EXPECT_EQ(env.settingsBytes(), QByteArray("[SysDaten]\nSprache=4\n"));
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("sprache"), QStringLiteral("SYSDATEN")), QStringLiteral("4"));
}

TEST(Settings, PathIsFoundOnceAndKeptForTheRun)
{
    TempConfig env;
    texts::System sys;
    sys.IniDatei = env.root() + QStringLiteral("/elsewhere.ini");
    INI_schreiben(sys, QStringLiteral("Region"), QStringLiteral("US"), texts::ini::SysDaten);
    EXPECT_TRUE(QFileInfo::exists(env.root() + QStringLiteral("/elsewhere.ini")));
    EXPECT_FALSE(QFileInfo::exists(env.settingsFile()));
}

TEST(Settings, LongValuesAndLineBreaksAndUnsafeKeys)
{
    TempConfig env;
    texts::System sys;
    const QString longPath = QStringLiteral("/home/someone/") + QString(280, QLatin1Char('d')) + QStringLiteral("/P.tpj");
    INI_schreiben(sys, QStringLiteral("Name1"), longPath, texts::ini::Projekte);
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("Name1"), texts::ini::Projekte), longPath);

    INI_schreiben(sys, QStringLiteral("Strasse"), QStringLiteral("Hauptstr. 1\r\n[SysDaten]\r\nSprache=3"),
                  texts::ini::UserInfo);
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("Strasse"), texts::ini::UserInfo),
              QStringLiteral("Hauptstr. 1 [SysDaten] Sprache=3"));

    const QByteArray before = env.settingsBytes();
    INI_schreiben(sys, QStringLiteral("Sprache=3\nx"), QStringLiteral("1"), texts::ini::SysDaten);
    INI_schreiben(sys, QString(), QStringLiteral("1"), texts::ini::SysDaten);
    EXPECT_EQ(env.settingsBytes(), before);
    EXPECT_EQ(INI_lesen(sys, QStringLiteral("Sprache"), texts::ini::SysDaten), QString());
}
