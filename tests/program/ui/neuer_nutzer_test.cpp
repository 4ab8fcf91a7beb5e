// The main road as a new user walks it, with the slips found on the way: the grade of a new
// project, inputs beyond any cooler, the region of the settings, a language switch, Qt's own
// button texts, and the start-up message over the window.
#include "windowfixture.h"

#include "common/widgets/qtmessageboxes.h"
#include "platform/singleinstance.h"
#include "program/project/projektdatei.h"
#include "program/app/startup_main.h"
#include "program/ui/qt_uebersetzung.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

using namespace ui;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct NeuerNutzer : WindowFixture {
    QString data() const { return start.System.Projekt_Pfad; }
    QStringList results() const
    {
        return {w->TB_T_out->text(), w->TB_Abgef_Leistg->text(), w->TB_LeistgReserve->text(), w->TB_DruckVerlust->text()};
    }
    // Writes a project into the data folder and opens it from the project menu.
    void oeffneProjekt(const QString& name, const project::ProjektSatz& satz)
    {
        QFile f(data() + name + ".tpj");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(project::kodiereProjekt(satz));
        f.close();
        boxes.answers = {common::mb::No};
        projektDialoge.answers = {f.fileName()};
        w->menuItem("ProjLoad")->trigger();
        ASSERT_EQ(zustand->System().Projekt_Name, name);
    }
};

} // namespace

TEST_F(NeuerNutzer, NewProjectComputesAndSavesTheGradeItShows)
{
    open(1);
    pick(w->CBox_Medium_Typ, 1); // ISO VG46
    boxes.answers = {common::mb::No};
    w->menuItem("ProjNeu")->trigger();
    type(w->TB_Durchfluss, "50");
    type(w->TB_T_in, "60");
    type(w->TB_T_Umgebung, "30");
    type(w->TB_KLeistung, "3");
    EXPECT_EQ(w->CBox_Medium_Typ->currentText(), "ISO VG32");
    EXPECT_EQ(k().Medium_Subindex, 0);
    EXPECT_EQ(w->TB_DruckVerlust->text(), "447"); // VG46 gives 585

    projektDialoge.answers = {"vg32", data() + "vg32.tpj"};
    ASSERT_TRUE(w->Projekt_SaveAs());
    const QByteArray saved = bytesOf(data() + "vg32.tpj");
    ASSERT_GE(saved.size(), 40);
    EXPECT_EQ(saved.at(38), 0); // the grade index as stored
    EXPECT_EQ(saved.at(39), 0);
}

TEST_F(NeuerNutzer, InputsBeyondAnyCoolerShowNoResult)
{
    open(1);
    referencePoint();
    ASSERT_EQ(results(), QStringList({"55.6", "6.2", "107.0", "585"}));

    // A flow far beyond every curve: the capacity computes negative; no result is shown.
    boxes.clear();
    type(w->TB_Durchfluss, "100000000000000000000");
    EXPECT_EQ(w->TB_Kuehlertyp->text(), "---");
    EXPECT_EQ(results(), QStringList({"", "", "", ""}));
    EXPECT_FALSE(w->reserveIsRed());

    // Back to the reference flow: the result is there again.
    type(w->TB_Durchfluss, "50");
    ASSERT_EQ(results(), QStringList({"55.6", "6.2", "107.0", "585"}));

    // An inlet temperature beyond the medium's data: its message, then no result.
    boxes.clear();
    type(w->TB_T_in, "99999");
    EXPECT_FALSE(boxes.shown.empty()) << "the property message stays";
    EXPECT_EQ(w->TB_Kuehlertyp->text(), "---");
    EXPECT_EQ(results(), QStringList({"", "", "", ""}));
}

TEST_F(NeuerNutzer, UsRegionFromTheSettingsHoldsForTheWholeRun)
{
    open(1, true);
    EXPECT_EQ(w->CBox_Location->currentIndex(), 1);
    EXPECT_EQ(w->CBox_Location->currentText(), "US");
    EXPECT_FALSE(w->CBox_Location->isEnabled());
    EXPECT_TRUE(w->FR_FanAC->title().endsWith(" (60Hz)")) << w->FR_FanAC->title().toStdString();
    w->OBox_AC->click();
    EXPECT_TRUE(w->FR_FanAC->title().endsWith(" (60Hz)"));
    w->MenuBar1_ItemClick("Menu_Ex_Sp_dt");
    EXPECT_TRUE(w->FR_FanAC->title().endsWith(" (60Hz)"));
    w->MenuBar1_ItemClick("Menu_Ex_Sp_Engl");

    // A project stored in the metric region opens in the US run without changing the region.
    project::ProjektSatz satz;
    satz.T_in = 60;
    satz.T_Umgebung = 30;
    satz.Durchfluss = 50;
    satz.KLeistung = 3000;
    satz.Region_US = false;
    satz.Knoepfe[project::OBox_DCD] = satz.Knoepfe[project::OBox_12V] = satz.Knoepfe[project::OBox_Saugend] = true;
    const QByteArray settingsBefore = config.settingsBytes();
    oeffneProjekt("metric", satz);
    EXPECT_TRUE(zustand->KDaten_Tab.Region_US);
    EXPECT_EQ(w->CBox_Location->currentIndex(), 1);
    EXPECT_TRUE(w->FR_FanAC->title().endsWith(" (60Hz)"));
    EXPECT_FALSE(config.settingsBytes().contains("Region=")) << config.settingsBytes().toStdString();
    EXPECT_EQ(config.settingsBytes().contains("Region"), settingsBefore.contains("Region"));
    // The search of the loaded project uses the US tables.
    ASSERT_GE(k().Typ_Index, 0);
    EXPECT_EQ(w->TB_Kuehlertyp->text(), catalogue::oelSatz(zustand->KDaten_Tab.KTab_DC_US, k().Typ_Index).TypBez);
}

TEST_F(NeuerNutzer, MetricRunKeepsItsRegionWhenAUsProjectOpens)
{
    open(1, false);
    EXPECT_EQ(w->CBox_Location->currentText(), "Europe");
    EXPECT_TRUE(w->FR_FanAC->title().endsWith(" (50Hz)"));
    project::ProjektSatz satz;
    satz.Region_US = true;
    satz.Knoepfe[project::OBox_AC] = satz.Knoepfe[project::OBox_AC_Optim] = true;
    oeffneProjekt("us", satz);
    EXPECT_FALSE(zustand->KDaten_Tab.Region_US);
    EXPECT_EQ(w->CBox_Location->currentIndex(), 0);
    EXPECT_TRUE(w->FR_FanAC->title().endsWith(" (50Hz)"));
    EXPECT_FALSE(config.settingsBytes().contains("Region="));
}

TEST_F(NeuerNutzer, LanguageSwitchRewritesEveryField)
{
    open(1);
    referencePoint(); // typed as "60", "30", "50", "3"
    ASSERT_EQ(w->TB_Durchfluss->text(), "50");
    for (const char* key : {"Menu_Ex_Sp_dt", "Menu_Ex_Sp_Japan", "Menu_Ex_Sp_Engl"}) {
        w->MenuBar1_ItemClick(QString::fromLatin1(key));
        const int n = zustand->Texte.SprachNr;
        EXPECT_EQ(w->TB_T_in->text(), "60.0") << key;
        EXPECT_EQ(w->TB_T_Umgebung->text(), "30.0") << key;
        EXPECT_EQ(w->TB_Durchfluss->text(), "50.0") << key;
        EXPECT_EQ(w->TB_KLeistung->text(), "3.0") << key;
        EXPECT_EQ(results(), QStringList({"55.6", "6.2", "107.0", "585"})) << key;
        EXPECT_EQ(w->LA_Q_EH[0]->text(), k().EH_Durchfluss_Namen[2][static_cast<std::size_t>(n)]) << key;
        EXPECT_EQ(w->LA_Leistung_EH[1]->text(), k().EH_Leistung_Namen[0][static_cast<std::size_t>(n)]) << key;
        EXPECT_EQ(w->LA_Druck_EH[0]->text(), k().EH_Druck_Namen[1][static_cast<std::size_t>(n)]) << key;
        EXPECT_FALSE(w->LA_Q_EH[0]->text().isEmpty()) << key;
    }
    // The values themselves never moved.
    EXPECT_EQ(k().Durchfluss, 50);
    EXPECT_EQ(k().KLeistung, 3000);
}

TEST_F(NeuerNutzer, QtButtonsSpeakTheProgramLanguage)
{
    const auto yesNo = [] {
        const auto box = common::QtMessageBoxes::buildBox(QStringLiteral("?"), common::mb::YesNo, QStringLiteral("t"));
        return box->button(QMessageBox::Yes)->text() + QLatin1Char('|') + box->button(QMessageBox::No)->text();
    };
    open(0);
    EXPECT_EQ(yesNo(), "&Ja|&Nein");
    w->MenuBar1_ItemClick("Menu_Ex_Sp_Fran");
    EXPECT_EQ(yesNo(), "&Oui|&Non");
    w->MenuBar1_ItemClick("Menu_Ex_Sp_Engl");
    EXPECT_EQ(yesNo(), "&Yes|&No");
    w->MenuBar1_ItemClick("Menu_Ex_Sp_Japan");
    EXPECT_NE(yesNo(), "&Yes|&No");
    w.reset(); // the window's translation leaves with it
    EXPECT_EQ(yesNo(), "&Yes|&No");
}

TEST(QtKatalog, OneCatalogueNamePerProgramLanguage)
{
    const struct {
        int sprache;
        const char* name;
    } cases[] = {{0, "de"}, {1, ""}, {2, "fr"}, {3, "zh_CN"}, {4, "ru"}, {9, "pt_PT"}, {14, "bg"}, {15, "ja"},
        {16, "sv"}, {17, ""}, {-1, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(qtKatalogSprache(c.sprache), QString::fromLatin1(c.name)) << c.sprache;
}

namespace {

// Notes whether the main window was on screen when each message came.
struct FensterBeiMeldung : common::RecordingMessageBoxes {
    QPointer<QWidget> fenster;
    std::vector<bool> fensterSichtbar;

protected:
    int present(const QString& prompt, int style, const QString& title) override
    {
        const QWindow* h = fenster ? fenster->windowHandle() : nullptr;
        fensterSichtbar.push_back(fenster && fenster->isVisible() && h != nullptr && h->isExposed());
        return common::RecordingMessageBoxes::present(prompt, style, title);
    }
};

} // namespace

TEST(NeuerNutzerStart, DamagedLastProjectIsReportedOverTheShownWindow)
{
    TempConfig env;
    QFile kaputt(env.root() + "/kaputt.tpj");
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("\x02\x00\x01\x00 not a project", 18);
    kaputt.close();
    env.writeSettings("[SysDaten]\nSprache=1\n[Projekte]\nName1=" + kaputt.fileName().toUtf8() + "\n");
    app::AppState state;
    platform::SingleInstance instance;
    FensterBeiMeldung boxes;
    QPointer<Kelto_VX_Menu> shown;
    app::Main(state, instance, boxes, QLocale(QLocale::English), [&] {
        auto* window = new Kelto_VX_Menu(state, boxes);
        state.Forms.add(window);
        boxes.fenster = window;
        window->show();
        shown = window;
        // Nothing of the first activation has run while the window was still being shown.
        EXPECT_TRUE(boxes.shown.empty());
    });
    ASSERT_FALSE(shown.isNull());
    QTRY_VERIFY_WITH_TIMEOUT(shown->firstActivationDone(), 3000);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_TRUE(boxes.contains(state.Texte.Text_101[1] + "\r\n" + kaputt.fileName() + "\r\n" + state.Texte.Text_614[1]
                               + "\r\n" + state.Texte.Text_102[1]))
        << boxes.shown[0].prompt.toStdString();
    for (bool sichtbar : boxes.fensterSichtbar)
        EXPECT_TRUE(sichtbar) << "a start-up message came before the window was on screen";
    EXPECT_FALSE(state.System.Init_aktiv);
    EXPECT_EQ(shown->TB_Kuehlertyp->text(), "---");
    boxes.answers = {common::mb::No};
    shown->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
