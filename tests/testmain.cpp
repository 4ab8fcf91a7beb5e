// Shared entry of every test executable: one QApplication, a fixed locale, offscreen when no display is named.
// The home, config and runtime folders point into a temporary folder of the run, so that nothing a
// test or Qt itself writes (QtProject.conf, settings, caches, locks) lands in the real home of whoever
// runs the tests or in a folder that other runs share.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const QTemporaryDir home(QDir::tempPath() + QStringLiteral("/kelto-test-home-XXXXXX"));
    if (!home.isValid()) {
        std::fprintf(stderr, "No temporary home folder for the tests: %s\n", qPrintable(home.errorString()));
        return 2;
    }
    const std::pair<const char*, QString> folders[] = {
        {"HOME", home.path()},
        {"XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config"))},
        {"XDG_CACHE_HOME", home.filePath(QStringLiteral(".cache"))},
        {"XDG_DATA_HOME", home.filePath(QStringLiteral(".local/share"))},
    };
    for (const auto& [name, path] : folders) {
        QDir().mkpath(path);
        qputenv(name, QFile::encodeName(path));
    }
    // The runtime folder too (private, as the desktop's is): without one Qt makes a shared
    // /tmp/runtime-<user>, and the program's instance lock would land there.
    const QString runtime = home.filePath(QStringLiteral("run"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
