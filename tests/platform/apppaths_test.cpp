#include "platform/apppaths.h"
#include "platform/tempconfig.h"
#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <gtest/gtest.h>

using platform::AppPaths;

TEST(AppPaths, SystemFolderBesideTheProgramElseInTheShareFolder)
{
    QTemporaryDir dir;
    const QString bin = dir.path() + QStringLiteral("/bin");
    QDir().mkpath(bin);
    EXPECT_EQ(AppPaths(bin).systemFolder(), dir.path() + QStringLiteral("/share/kelto-line/system"));
    QDir().mkpath(bin + QStringLiteral("/system"));
    EXPECT_EQ(AppPaths(bin + QStringLiteral("/")).systemFolder(), bin + QStringLiteral("/system"));
}

TEST(AppPaths, SystemFileIsFoundIgnoringCase)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/system"));
    QFile f(dir.path() + QStringLiteral("/system/dc_01.svg"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const AppPaths paths(dir.path());
    EXPECT_EQ(paths.systemFile(QStringLiteral("DC_01.SVG")), dir.path() + QStringLiteral("/system/dc_01.svg"));
    EXPECT_EQ(paths.systemFile(QStringLiteral("dc_01.svg")), dir.path() + QStringLiteral("/system/dc_01.svg"));
    EXPECT_EQ(paths.systemFile(QStringLiteral("dc_02.svg")), QString());
    EXPECT_EQ(paths.systemFile(QString()), QString());
}

TEST(AppPaths, SettingsFileFollowsXdgConfigHome)
{
    TempConfig env;
    EXPECT_EQ(AppPaths::configFolder(), env.configFolder());
    EXPECT_EQ(AppPaths::settingsFile(), env.settingsFile());
    EXPECT_EQ(AppPaths::runtimeFolder(), env.root());
    EXPECT_EQ(AppPaths::defaultDataFolder(), QDir::homePath() + QStringLiteral("/Kelto-Line/Data/"));
}

TEST(AppPaths, RunningProgramIsTheTestExecutablesFolder)
{
    EXPECT_EQ(AppPaths::forRunningProgram().programFolder(), QCoreApplication::applicationDirPath());
}
