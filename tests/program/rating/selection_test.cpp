#include "common/recordingmessageboxes.h"
#include "program/catalogue/kdaten_tab.h"
#include "program/rating/selection.h"
#include "synthetictables.h"
#include "testsupport.h"
#include <gtest/gtest.h>

using namespace rating;

namespace {

// Every table of the catalogue gets flat sizes tagged with its own name, so a search tells which
// table it read; size i rates (i + 1) · 1000 W at dT = 10 K.
catalogue::KDaten_Tab markierterKatalog()
{
    catalogue::KDaten_Tab kd;
    const std::pair<catalogue::KTabelle*, const char*> tabellen[] = {
        {&kd.KTab_DC_EU, "DC_EU"},
        {&kd.KTab_DC_US, "DC_US"},
        {&kd.KTab_AC_Optim_EU, "AC_Optim_EU"},
        {&kd.KTab_AC_Optim_US, "AC_Optim_US"},
        {&kd.KTab_AC_Optim_LowNoise_EU, "AC_Optim_LowNoise_EU"},
        {&kd.KTab_AC_Optim_LowNoise_US, "AC_Optim_LowNoise_US"},
        {&kd.KTab_AC_Rough_EU, "AC_Rough_EU"},
        {&kd.KTab_AC_Rough_US, "AC_Rough_US"},
        {&kd.KTab_AC_Rough_LowNoise_EU, "AC_Rough_LowNoise_EU"},
        {&kd.KTab_AC_Rough_LowNoise_US, "AC_Rough_LowNoise_US"},
        {&kd.KTab_Hydro_Optim_EU, "Hydro_Optim_EU"},
        {&kd.KTab_Hydro_Optim_US, "Hydro_Optim_US"},
        {&kd.KTab_Hydro_Rough_EU, "Hydro_Rough_EU"},
        {&kd.KTab_Hydro_Rough_US, "Hydro_Rough_US"},
    };
    for (auto [t, name] : tabellen)
        for (std::size_t i = 0; i + 1 < t->size(); ++i)
            (*t)[i][0] = ratingtest::flacheGroesse(0.1 * double(i + 1), QStringLiteral("%1/%2").arg(name).arg(i));
    return kd;
}

struct Auswahl : ::testing::Test {
    catalogue::KDaten_Tab kd = markierterKatalog();
    common::RecordingMessageBoxes boxes;
    KuehlerDaten d;
    void SetUp() override
    {
        d.T_in = 40;
        d.T_Umgebung = 30;
        d.Durchfluss = 60;
    }
};

TEST_F(Auswahl, TabelleJeBaureiheUndRegion)
{
    const struct {
        long baureihe;
        bool us;
        const char* erste; // type code of row 0; nullptr: no table
        int maxIndex;
    } faelle[] = {
        {catalogue::DC_12V, false, "DC_EU/0", 7},
        {catalogue::DC_24V, false, "DC_EU/0", 7},
        {catalogue::DC_12V, true, "DC_US/0", 7},
        {catalogue::AC_Optim, false, "AC_Optim_EU/0", 11},
        {catalogue::AC_Optim, true, "AC_Optim_US/0", 14},
        {catalogue::AC_Optim_LowNoise, false, "AC_Optim_LowNoise_EU/0", 11},
        {catalogue::AC_Rough, true, "AC_Rough_US/0", 14},
        {catalogue::AC_Rough_LowNoise, false, "AC_Rough_LowNoise_EU/0", 11},
        {catalogue::Hydro_Optim, true, "Hydro_Optim_US/0", 14},
        {catalogue::Hydro_Rough, false, "Hydro_Rough_EU/0", 11},
        {catalogue::Keine, false, nullptr, 0},
        {9, true, nullptr, 0},
        {-1, false, nullptr, 0},
    };
    for (const auto& f : faelle) {
        kd.Region_US = f.us;
        d.Kuehler_Baureihe = f.baureihe;
        d.Typ_MaxIndex = 99;
        const catalogue::KTabelle& t = Get_KuehlerTabelle(d, kd);
        EXPECT_EQ(d.Typ_MaxIndex, f.maxIndex) << f.baureihe << " " << f.us;
        if (f.erste)
            EXPECT_EQ(t.at(0)[0].TypBez, QString::fromUtf8(f.erste));
        else
            EXPECT_TRUE(t.empty()) << f.baureihe;
    }
}

TEST_F(Auswahl, KuehlleistungDerAktuellenGroesse)
{
    d.Kuehler_Baureihe = catalogue::AC_Optim;
    EXPECT_NEAR(Kuehlleistung_berechnen(d, kd, 2, 10), 3000, 1e-9);
    EXPECT_EQ(Kuehlleistung_berechnen(d, kd, 2, 0), 0);
    EXPECT_NEAR(Kuehlleistung_berechnen(d, kd, 2, -10), -3000, 1e-9);
    EXPECT_EQ(Kuehlleistung_berechnen(d, kd, 13, 10), 0); // beyond the declared rows
    d.Medium_Typ = MediumWasserGlykol;
    EXPECT_NEAR(Kuehlleistung_berechnen(d, kd, 2, 10), 3000, 1e-9);
    d.Kuehler_Baureihe = catalogue::Keine;
    EXPECT_EQ(Kuehlleistung_berechnen(d, kd, 2, 10), 0);
    EXPECT_EQ(d.Typ_MaxIndex, 0);
}

TEST_F(Auswahl, SucheBisZurLetztenZeileDerRegion)
{
    d.KLeistung = 1e9;
    d.Kuehler_Baureihe = catalogue::Hydro_Rough;
    kd.Region_US = false;
    EXPECT_EQ(Kuehler_suchen(d, kd, boxes), 11);
    EXPECT_EQ(d.KErgebnis[11].TypCode, QStringLiteral("Hydro_Rough_EU/11"));
    EXPECT_NEAR(d.Abgef_Leistg, 12000, 1e-9);
    kd.Region_US = true;
    EXPECT_EQ(Kuehler_suchen(d, kd, boxes), 14);
    EXPECT_EQ(d.Typ_MaxIndex, 14);
    d.KLeistung = 2500;
    EXPECT_EQ(Kuehler_suchen(d, kd, boxes), 2);
    EXPECT_EQ(d.KErgebnis[2].TypCode, QStringLiteral("Hydro_Rough_US/2"));
}

TEST_F(Auswahl, OhneBaureiheKeineGroesse)
{
    d.Kuehler_Baureihe = catalogue::Keine;
    EXPECT_EQ(Kuehler_suchen(d, kd, boxes), -1);
    EXPECT_EQ(d.Typ_Index, -1);
    EXPECT_EQ(KuehlerErgebnis_berechnen(d, kd, boxes), -1);
    // The AC search over the shorter DC table finds no rows 8..11: no size instead of a stray read.
    d.Kuehler_Baureihe = catalogue::DC_12V;
    EXPECT_EQ(Kuehler_suchen(d, kd, boxes), -1);
}

TEST_F(Auswahl, DCSucheIstFuer12Und24VoltGleich)
{
    d.KLeistung = 4500;
    for (bool us : {false, true}) {
        d.Kuehler_Baureihe = catalogue::DC_12V;
        EXPECT_EQ(Kuehler_suchen_DC(d, kd, us, boxes), 4);
        const auto liste12 = d.KErgebnis;
        d.Kuehler_Baureihe = catalogue::DC_24V;
        EXPECT_EQ(Kuehler_suchen_DC24(d, kd, us, boxes), 4);
        EXPECT_EQ(d.Typ_MaxIndex, 7);
        EXPECT_EQ(d.KErgebnis[4].TypCode, QString::fromLatin1(us ? "DC_US/4" : "DC_EU/4"));
        for (int i = 0; i < KErgebnisSlots; ++i) {
            EXPECT_EQ(d.KErgebnis[i].TypCode, liste12[i].TypCode) << i;
            EXPECT_EQ(d.KErgebnis[i].Leistung, liste12[i].Leistung) << i;
            EXPECT_EQ(d.KErgebnis[i].DruckWert, liste12[i].DruckWert) << i;
        }
    }
}

TEST_F(Auswahl, VervollstaendigungNachDerSuche)
{
    kd.Region_US = true;
    kd.KTab_AC_Optim_US[3][0].Stufe_min = 2.5;
    kd.KTab_AC_Optim_US[3][0].Zeichnung_Datei = QStringLiteral("us_flange.svg");
    d.Kuehler_Baureihe = catalogue::AC_Optim;
    d.KLeistung = 3500;
    const int zeile = Kuehler_suchen(d, kd, boxes);
    ASSERT_EQ(zeile, 3);
    EXPECT_TRUE(d.KErgebnis[3].Zeichnung.isEmpty());
    d.T_Umgebung = 20; // a later result computation may move T_out; the pass resets it again
    EXPECT_EQ(KuehlerErgebnis_berechnen(d, kd, boxes), 1);
    EXPECT_EQ(d.T_out, 20);
    EXPECT_EQ(d.Typ_MaxIndex, 14);
    EXPECT_EQ(d.KErgebnis[3].Drehzahl_Min, 2);
    EXPECT_EQ(d.KErgebnis[3].Zeichnung, QStringLiteral("us_flange.svg"));
    d.Kuehler_Baureihe = catalogue::DC_24V;
    d.KLeistung = 1e9;
    EXPECT_EQ(KuehlerErgebnis_berechnen(d, kd, boxes), 7);
    EXPECT_EQ(d.Typ_MaxIndex, 7);
}

} // namespace
