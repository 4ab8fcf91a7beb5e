// The auxiliary windows opened through the main window's hook: each command opens its window,
// and a heat load taken over from a dialog reaches the main window exactly and runs the search.
#include "program/rating/units.h"
#include "program/ui/info_hilfsfenster.h"
#include "program/ui/info_progvers_frm.h"
#include "program/ui/leistgvorg1_frm.h"
#include "program/ui/leistgvorg2_frm.h"
#include "program/ui/optionen.h"
#include "program/report/ergbausgabe.h"
#include "program/ui/optionen_dateiauswahl.h"
#include "program/ui/optionen_ergbausgabe.h"
#include "windowfixture.h"

#include <QPushButton>
#include <QCheckBox>
#include <QComboBox>

namespace {

class KeineAuswahl : public ui::OptionenDateiauswahl {
public:
    QString GetPath(QWidget*) override { return {}; }
    QString dateiOeffnen(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

struct HilfsfensterTest : WindowFixture {
    KeineAuswahl auswahl;
    std::unique_ptr<ui::Hilfsfenster> hilfe;
    QStringList geoeffnet;
    std::function<void(QDialog&)> bedienen = [](QDialog&) {};

    void starten()
    {
        dienste.showModal = [this](const QString& befehl) { EXPECT_TRUE(hilfe->zeigen(befehl)) << befehl.toStdString(); };
        open();
        report::Init_Adressdaten(start.ErgbAusgabe); // as the window's load does
        ui::Word_Optionen_Standard(start.ErgbAusgabe); // start-up without a project
        hilfe = std::make_unique<ui::Hilfsfenster>(*w, *zustand, boxes, &auswahl);
        hilfe->modalAusfuehren = [this](QDialog& d) {
            geoeffnet << d.objectName();
            d.show();
            bedienen(d);
            d.hide();
        };
    }
};

TEST_F(HilfsfensterTest, CommandsOpenTheirWindows)
{
    starten();
    // The options window works on the report's own values: captions, dealers and flags.
    bedienen = [this](QDialog& d) {
        if (d.objectName() != QLatin1String("Optionen"))
            return;
        auto& o = static_cast<ui::Optionen&>(d);
        EXPECT_EQ(o.CBox_Anz_Optionen[0]->text(), start.ErgbAusgabe.Word_Optionen[0].Caption[0]);
        EXPECT_FALSE(o.CBox_Anz_Optionen[0]->text().isEmpty());
        EXPECT_TRUE(o.CBox_Anz_Optionen[7]->isChecked());
        EXPECT_FALSE(o.CBox_Anz_Optionen[8]->isChecked());
        ASSERT_EQ(o.CBox_Dealer->count(), static_cast<int>(start.ErgbAusgabe.Haendler_EU.size()) - 1);
        EXPECT_TRUE(o.CBox_Dealer->itemText(1).startsWith(start.ErgbAusgabe.Haendler_EU[1].Zeile[0].section(QLatin1Char('\r'), 0, 0)));
        o.CBox_Anz_Optionen[2]->setChecked(!o.CBox_Anz_Optionen[2]->isChecked());
        const qint16 erwartet = o.CBox_Anz_Optionen[2]->isChecked() ? 1 : 0;
        o.KB_close->click();
        EXPECT_EQ(start.ErgbAusgabe.Word_Optionen[2].Flag, erwartet);
    };
    w->MenuBar1_ItemClick(QStringLiteral("Menu_Ex_Opt"));
    w->MenuBar1_ItemClick(QStringLiteral("Menu_In_about"));
    EXPECT_EQ(geoeffnet, (QStringList{"Optionen", "Info_ProgVers_frm"}));
    EXPECT_FALSE(hilfe->zeigen(QStringLiteral("Projekt_Neu")));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(start.Forms.find(QStringLiteral("Optionen")), nullptr); // unloaded after closing
}

TEST_F(HilfsfensterTest, TankLoadReachesTheMainWindowExactlyAndSearches)
{
    starten();
    referencePoint();
    w->MenuBar1_ItemClick(QStringLiteral("Menu_EH_Leist_HP")); // hp: one decimal would not read back
    bedienen = [](QDialog& d) {
        auto& tank = static_cast<ui::LeistgVorg1_frm&>(d);
        tank.TB_Tankvolumen->setText(QStringLiteral("200"));
        tank.TB_d_T->setText(QStringLiteral("12"));
        tank.TB_d_Zeit->setText(QStringLiteral("9"));
        tank.VLstg1_berechnen();
        tank.CB_zurueck->click();
    };
    ASSERT_TRUE(w->CB_Leistung_d_TempA->isEnabled());
    w->CB_Leistung_d_TempA->click();
    ASSERT_EQ(geoeffnet, QStringList{"LeistgVorg1_frm"});
    const double uebergeben = hilfe->tankDialog().gespeicherteLeistung();
    EXPECT_GT(uebergeben, 3000);
    EXPECT_EQ(k().KLeistung, uebergeben);
    EXPECT_EQ(w->TB_KLeistung->text(), rating::Leistung_EH_anzeigen(k(), uebergeben, zustand->locale));
    EXPECT_NE(w->TB_Kuehlertyp->text(), QStringLiteral("---"));
    // Kept while hidden: the same dialog with its inputs next time.
    bedienen = [](QDialog& d) { EXPECT_EQ(static_cast<ui::LeistgVorg1_frm&>(d).TB_Tankvolumen->text(), QStringLiteral("200")); };
    w->CB_Leistung_d_TempA->click();
    EXPECT_EQ(k().KLeistung, uebergeben);
}

TEST_F(HilfsfensterTest, OutletAtInletHandsOverNoLoad)
{
    starten();
    referencePoint();
    bedienen = [this](QDialog& d) {
        auto& austritt = static_cast<ui::LeistgVorg2_frm&>(d);
        austritt.TB_T_out->setText(rating::Temp_EH_anzeigen(k(), 60, zustand->locale));
        austritt.VLstg2_berechnen();
        austritt.CB_zurueck->click();
    };
    w->CB_Leistung_T_out->click();
    EXPECT_EQ(k().KLeistung, 0);
    EXPECT_FALSE(w->CB_Kuehler_suchen->isEnabled());
    EXPECT_EQ(w->TB_Kuehlertyp->text(), QStringLiteral("---"));
}

// Every change made in the options window is in the settings file while the window is still
// open, as a program that is killed then would leave it; closing writes only the address block.
TEST_F(HilfsfensterTest, OptionsOpenedByTheMenuWriteEachChangeAtOnce)
{
    starten();
    QStringList gelesen;
    bedienen = [&](QDialog& d) {
        auto& o = static_cast<ui::Optionen&>(d);
        ASSERT_FALSE(o.CBox_SW_graphik->isChecked());
        o.CBox_SW_graphik->click();
        gelesen << QString::fromUtf8(config.settingsBytes());
        o.ChkBox_Dealer->click();
        pick(o.CBox_Dealer, 1);
        gelesen << QString::fromUtf8(config.settingsBytes());
        o.KB_close->click();
    };
    w->menuItem("Menu_Ex_Opt")->trigger();
    ASSERT_EQ(geoeffnet, QStringList{"Optionen"});
    ASSERT_EQ(gelesen.size(), 2);
    EXPECT_TRUE(gelesen[0].contains(QStringLiteral("SW_Graphik=1\n"))) << gelesen[0].toStdString();
    for (const char* zeile : {"DealerFlag=1\n", "DealerEUIdx=1\n", "DealerUSIdx=0\n"})
        EXPECT_TRUE(gelesen[1].contains(QLatin1String(zeile))) << zeile << "\n" << gelesen[1].toStdString();
    EXPECT_TRUE(config.settingsBytes().contains("[UserInfo]"));
}

} // namespace
