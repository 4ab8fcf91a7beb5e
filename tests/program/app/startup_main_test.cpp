#include "common/recordingmessageboxes.h"
#include "fullfolder.h"
#include "platform/tempconfig.h"
#include "program/app/startup_main.h"
#include "program/texts/settings.h"
#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QByteArray kSettings = "[SysDaten]\r\nSprache=2\r\nRegion=US\r\n[Projekte]\r\nName1=/p/Pump3.tpj\r\n";

} // namespace

TEST(Main, FirstCopyReadsTheSettingsAndShowsTheWindowWhileStarting)
{
    TempConfig env;
    env.writeSettings(kSettings);
    platform::SingleInstance instance; // the lock in the (temporary) runtime folder
    common::RecordingMessageBoxes boxes;
    app::AppState state;
    bool initActiveDuringLoad = false;
    QString languageSeenByLoad;
    int loads = 0;
    const auto result = app::Main(state, instance, boxes, QLocale(QLocale::German), [&] {
        ++loads;
        initActiveDuringLoad = state.System.Init_aktiv;
        languageSeenByLoad = QString::number(state.Texte.SprachNr);
    });
    EXPECT_EQ(result, app::StartResult::Started);
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(initActiveDuringLoad);
    EXPECT_EQ(languageSeenByLoad, QStringLiteral("2")); // settings read before the window loads
    EXPECT_FALSE(state.System.Init_aktiv);
    EXPECT_FALSE(state.System.Word_aktiv);
    EXPECT_EQ(state.System.BildID_Offset, 10);
    EXPECT_TRUE(state.KDaten_Tab.Region_US);
    EXPECT_EQ(state.System.Projekt_Name, QStringLiteral("Pump3"));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(instance.isHeld());
}

TEST(Main, SecondCopyIsRefusedAndLeavesTheSettingsAlone)
{
    TempConfig env;
    env.writeSettings(kSettings);
    platform::SingleInstance running; // the first copy
    ASSERT_EQ(running.tryAcquire(), platform::SingleInstance::Outcome::Acquired);

    platform::SingleInstance instance;
    common::RecordingMessageBoxes boxes;
    app::AppState state;
    int loads = 0;
    const auto result = app::Main(state, instance, boxes, QLocale(QLocale::German), [&] { ++loads; });

    EXPECT_EQ(result, app::StartResult::AlreadyRunning);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral(" Programm wurde schon gestartet"));
    EXPECT_EQ(boxes.shown[0].style, common::mb::Information);
    EXPECT_EQ(loads, 0);
    EXPECT_TRUE(state.System.IniDatei.isEmpty()); // the settings file was never looked at
    EXPECT_EQ(state.Texte.SprachNr, texts::Texte{}.SprachNr); // untouched
    EXPECT_FALSE(state.KDaten_Tab.Region_US);
    EXPECT_EQ(env.settingsBytes(), kSettings);
    EXPECT_TRUE(running.isHeld());
}

namespace {

// Collects the warnings Qt's logging writes to standard error while it lives.
class WarningLog {
public:
    WarningLog()
    {
        s_lines.clear();
        m_previous = qInstallMessageHandler(&WarningLog::handle);
    }
    ~WarningLog() { qInstallMessageHandler(m_previous); }
    const QStringList& lines() const { return s_lines; }

private:
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtWarningMsg)
            s_lines << text;
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous;
};

} // namespace

TEST(Main, ALockThatNoRunningCopyHoldsStartsTheProgramAndIsReportedOnce)
{
    TempConfig env;
    env.writeSettings(kSettings);
    // The lock's place is taken by a folder: no running copy holds it.
    const QString lockPath = platform::SingleInstance::defaultLockPath();
    ASSERT_TRUE(QDir().mkpath(lockPath));

    platform::SingleInstance instance;
    common::RecordingMessageBoxes boxes;
    app::AppState state;
    int loads = 0;
    WarningLog log;
    const auto result = app::Main(state, instance, boxes, QLocale(QLocale::German), [&] { ++loads; });

    EXPECT_EQ(result, app::StartResult::Started);
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(state.Texte.SprachNr, 2); // the settings were read
    // In the language of the settings (French), with the lock's path and why.
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_EQ(log.lines()[0], QStringLiteral("Le fichier de verrou ") + lockPath
                                  + QStringLiteral(" ne peut pas être utilisé (Ce n'est pas un fichier) ; le programme démarre "
                                                   "sans vérifier si une autre copie est en cours d'exécution."));
}

// A settings file that cannot be written is reported through the program's messages, once in a run.
TEST(Main, ASettingsFileThatCannotBeWrittenIsReportedOnce)
{
    TempConfig env;
    FullFolder folder;
    folder.put(QStringLiteral("Kelto_VX.ini"), kSettings);
    folder.fill();
    platform::SingleInstance instance;
    common::RecordingMessageBoxes boxes;
    app::AppState state;
    state.System.IniDatei = folder.filePath(QStringLiteral("Kelto_VX.ini"));
    app::Main(state, instance, boxes, QLocale(QLocale::German), [&] {
        texts::INI_schreiben(state.System, QStringLiteral("Sprache"), QStringLiteral("4"), texts::ini::SysDaten);
        texts::INI_schreiben(state.System, QStringLiteral("Region"), QStringLiteral("EU"), texts::ini::SysDaten);
    });
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].style, common::mb::Exclamation);
    EXPECT_TRUE(boxes.shown[0].prompt.contains(state.System.IniDatei));
    EXPECT_EQ(folder.bytesOf(QStringLiteral("Kelto_VX.ini")), kSettings);
}
