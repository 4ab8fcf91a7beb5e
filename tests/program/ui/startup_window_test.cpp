#include "common/recordingmessageboxes.h"
#include "fullfolder.h"
#include "platform/tempconfig.h"
#include "program/app/startup_main.h"
#include "program/project/projektdatei.h"
#include "program/texts/stringtable.h"
#include "program/ui/kelto_vx_menu.h"
#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <cstring>

namespace {

// Starts the program as its entry does, with the given settings file, and returns the shown
// main window (nullptr when the start was refused).
QPointer<ui::Kelto_VX_Menu> start(app::AppState& state, platform::SingleInstance& instance,
                                  common::MessageBoxes& boxes)
{
    QPointer<ui::Kelto_VX_Menu> shown;
    app::Main(state, instance, boxes, QLocale(QLocale::English), [&] {
        auto* window = new ui::Kelto_VX_Menu(state, boxes);
        state.Forms.add(window);
        window->show();
        shown = window;
    });
    // The first activation follows once the window is on screen.
    for (int i = 0; i < 300 && shown && !shown->firstActivationDone(); ++i)
        QTest::qWait(10);
    return shown;
}

} // namespace

TEST(StartupWindow, ShowsTheCaptionOfTheStoredLanguageAndProject)
{
    struct Case {
        QByteArray settings;
        QString caption; // after the language's title
        int titleLanguage;
    };
    const Case cases[] = {
        {"[SysDaten]\nSprache=1\n[Projekte]\nName1=@/Pump3.tpj\n",
         QStringLiteral("Kelto-Line  V-1.4 i     active project:  Pump3"), -1},
        {"[SysDaten]\nSprache=0\n", QStringLiteral("Kelto-Line  V-1.4 i     Geladenes Projekt:  unbenannt"), -1},
        {"[SysDaten]\nSprache=4\n", QStringLiteral(" V-1.4 i     Geladenes Projekt:  unbenannt"), 4},
    };
    for (const Case& c : cases) {
        TempConfig env;
        QByteArray settings = c.settings;
        if (settings.contains('@')) {
            // The stored project exists and loads at the first activation.
            project::ProjektSatz satz;
            satz.T_in = 60;
            satz.T_Umgebung = 30;
            satz.Durchfluss = 50;
            satz.KLeistung = 3000;
            satz.Knoepfe[project::OBox_DCD] = satz.Knoepfe[project::OBox_12V] = satz.Knoepfe[project::OBox_Saugend] = true;
            QFile f(env.root() + "/Pump3.tpj");
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(project::kodiereProjekt(satz));
            f.close();
            settings.replace('@', env.root().toUtf8());
        }
        env.writeSettings(settings);
        app::AppState state;
        platform::SingleInstance instance;
        common::RecordingMessageBoxes boxes;
        const QPointer<ui::Kelto_VX_Menu> window = start(state, instance, boxes);
        ASSERT_FALSE(window.isNull());
        EXPECT_EQ(window->objectName(), QStringLiteral("Kelto_VX_Menu"));
        EXPECT_TRUE(window->isVisible());
        QString expected = c.caption;
        if (c.titleLanguage >= 0)
            expected.prepend(texts::compiledStringTable().entry(c.titleLanguage, 500).value_or(QStringLiteral("?")));
        EXPECT_EQ(window->windowTitle(), expected);
        EXPECT_TRUE(boxes.shown.empty()) << "the word-processor layer is always there";
        EXPECT_FALSE(state.System.Init_aktiv);

        // Closing the main window asks the save question; No unloads it.
        boxes.answers = {common::mb::No};
        window->close();
        EXPECT_EQ(boxes.shown.size(), 1u);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
    }
}

TEST(StartupWindow, SecondStartOpensNoWindow)
{
    TempConfig env;
    env.writeSettings("[SysDaten]\nSprache=1\n");
    platform::SingleInstance first;
    ASSERT_EQ(first.tryAcquire(), platform::SingleInstance::Outcome::Acquired);
    app::AppState state;
    platform::SingleInstance instance;
    common::RecordingMessageBoxes boxes;
    EXPECT_TRUE(start(state, instance, boxes).isNull());
    EXPECT_TRUE(boxes.contains(QStringLiteral(" Programm wurde schon gestartet")));
    EXPECT_EQ(env.settingsBytes(), QByteArray("[SysDaten]\nSprache=1\n"));
}

// The program as started: a settings file that can no longer be written is reported once, in the
// window's messages, and stays whole while the user goes on changing settings.
TEST(StartupWindow, ASettingsFileThatCannotBeWrittenIsReportedOnceAndKept)
{
    TempConfig env;
    FullFolder config;
    const QByteArray settings = "[SysDaten]\nSprache=1\n";
    ASSERT_TRUE(QDir().mkpath(config.filePath(QStringLiteral("kelto-line"))));
    config.put(QStringLiteral("kelto-line/Kelto_VX.ini"), settings);
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); // TempConfig puts it back
    app::AppState state;
    platform::SingleInstance instance;
    common::RecordingMessageBoxes boxes;
    const QPointer<ui::Kelto_VX_Menu> window = start(state, instance, boxes);
    ASSERT_FALSE(window.isNull());
    ASSERT_TRUE(boxes.shown.empty());
    const int fehler = config.fill();

    window->menuItem(QStringLiteral("Menu_Ex_Sp_FI"))->trigger();
    window->menuItem(QStringLiteral("Menu_Ex_Sp_Fran"))->trigger();
    config.release();

    // In the language just chosen (Finnish), with the system's reason after the program's words.
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].style, common::mb::Exclamation);
    const QString finnisch = texts::compiledStringTable().entry(6, 600).value_or(QString());
    ASSERT_FALSE(finnisch.isEmpty());
    EXPECT_TRUE(boxes.shown[0].prompt.startsWith(finnisch + u'\n' + config.filePath(QStringLiteral("kelto-line/Kelto_VX.ini"))
                                                 + u'\n' + u'(' + QString::fromLocal8Bit(std::strerror(fehler)) + u')'))
        << boxes.shown[0].prompt.toStdString();
    EXPECT_EQ(config.bytesOf(QStringLiteral("kelto-line/Kelto_VX.ini")), settings);
    EXPECT_EQ(state.Texte.SprachNr, 2); // the window follows the choice all the same

    boxes.answers = {common::mb::No};
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
