#include "common/recordingmessageboxes.h"
#include "program/rating/curves.h"
#include "program/rating/sizesearch.h"
#include "synthetictables.h"
#include "testsupport.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace rating;
using ratingtest::flacheGroesse;
using ratingtest::nichtVerfuegbar;

namespace {

// dT = 10 K, so a flat size of c0 kW/K rates 10000 · c0 W.
struct Suche : ::testing::Test {
    common::RecordingMessageBoxes boxes;
    KuehlerDaten d;
    void SetUp() override
    {
        d.T_in = 40;
        d.T_Umgebung = 30;
        d.T_out = 55;
        d.Durchfluss = 50;
    }
    int suche(const catalogue::KTabelle& t, int letzte, Durchlauf modus = Durchlauf::Suche)
    {
        return Groessen_bewerten(d, &t, letzte, modus, boxes);
    }
};

// Four sizes: 1000, 0 (clamped from a negative curve), 3000, 3000 W.
catalogue::KTabelle vierGroessen()
{
    return ratingtest::tabelle({flacheGroesse(0.1, "A1"), flacheGroesse(-0.2, "A2"), flacheGroesse(0.3, "A3"),
                                flacheGroesse(0.3, "A4")});
}

TEST_F(Suche, WahlNachDerLast)
{
    const struct {
        double last;
        int zeile;
        double abgegeben;
    } faelle[] = {
        {0, 0, 1000},       // the first size with heat above 0
        {999.9, 0, 1000},
        {1000, 2, 3000},    // equal heat is not enough; the clamped size 1 is skipped; equal sizes: the lower
        {2999.9, 2, 3000},
        {3000, 3, 3000},    // nothing above: the last row with its insufficient heat
        {1e9, 3, 3000},
    };
    const catalogue::KTabelle t = vierGroessen();
    for (const auto& f : faelle) {
        d.KLeistung = f.last;
        EXPECT_EQ(suche(t, 3), f.zeile) << f.last;
        EXPECT_EQ(d.Typ_Index, f.zeile) << f.last;
        EXPECT_NEAR(d.Abgef_Leistg, f.abgegeben, 1e-9) << f.last;
        EXPECT_EQ(d.T_out, d.T_Umgebung);
    }
    EXPECT_EQ(d.KErgebnis[1].Leistung, 0);
    EXPECT_NEAR(d.KErgebnis[2].Leistung, 3000, 1e-9);
    EXPECT_EQ(d.KErgebnis[2].TypCode, QStringLiteral("A3"));
    EXPECT_NEAR(d.KErgebnis[0].DruckWert, std::exp(1.0) * 50, 1e-9);
}

TEST_F(Suche, SlotsHinterDerLetztenZeileSindGeleert)
{
    for (auto& slot : d.KErgebnis) {
        slot.TypCode = QStringLiteral("alt");
        slot.Leistung = 7;
        slot.Geraeusch = QStringLiteral("99");
        slot.Zeichnung = QStringLiteral("alt.svg");
        slot.Drehzahl_Min = 3;
    }
    d.KLeistung = 500;
    suche(vierGroessen(), 3);
    for (int i = 4; i <= 14; ++i) {
        EXPECT_TRUE(d.KErgebnis[i].TypCode.isEmpty()) << i;
        EXPECT_EQ(d.KErgebnis[i].Leistung, 0) << i;
        EXPECT_EQ(d.KErgebnis[i].Geraeusch, QStringLiteral("0")) << i;
    }
    // A search alone keeps what only the completion pass writes; slot 15 is never touched.
    EXPECT_EQ(d.KErgebnis[0].Zeichnung, QStringLiteral("alt.svg"));
    EXPECT_EQ(d.KErgebnis[0].Drehzahl_Min, 3);
    EXPECT_EQ(d.KErgebnis[15].TypCode, QStringLiteral("alt"));
    EXPECT_EQ(d.KErgebnis[15].Leistung, 7);
}

// The catalogue's water-glycol column is empty; the medium must not empty the search.
TEST_F(Suche, WasserGlykolBewertetDieOelspalte)
{
    EXPECT_EQ(bewerteteSpalte(MediumWasserGlykol), catalogue::MediumOel);
    EXPECT_EQ(bewerteteSpalte(MediumOel), catalogue::MediumOel);
    const catalogue::KTabelle t = vierGroessen();
    d.KLeistung = 1500;
    const int oel = suche(t, 3);
    const KErgebnisSatz oelSatz = d.KErgebnis[oel];
    d.Medium_Typ = MediumWasserGlykol;
    EXPECT_EQ(suche(t, 3), oel);
    EXPECT_EQ(d.KErgebnis[oel].TypCode, oelSatz.TypCode);
    EXPECT_EQ(d.KErgebnis[oel].Leistung, oelSatz.Leistung);
    EXPECT_EQ(d.KErgebnis[oel].DruckWert, oelSatz.DruckWert);
    EXPECT_EQ(d.KErgebnis[oel].TypCode, QStringLiteral("A3"));
}

// Without a usable flow every size rates 0 W and 0 mbar, also after an earlier valid search.
TEST_F(Suche, UngueltigerDurchflussBewertetNichts)
{
    const catalogue::KTabelle t = vierGroessen();
    for (double Q : {0.0, -5.0, double(NAN), double(INFINITY)}) {
        d.Durchfluss = 50;
        d.KLeistung = 0;
        suche(t, 3);
        d.Durchfluss = Q;
        EXPECT_EQ(suche(t, 3), 3) << Q;
        EXPECT_EQ(d.Abgef_Leistg, 0) << Q;
        for (int i = 0; i <= 3; ++i) {
            EXPECT_EQ(d.KErgebnis[i].Leistung, 0) << Q << " row " << i;
            EXPECT_EQ(d.KErgebnis[i].DruckWert, 0) << Q << " row " << i;
        }
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Suche, OhneTabelleMinusEins)
{
    const catalogue::KTabelle leer;
    const catalogue::KTabelle zuKurz = vierGroessen(); // 5 declared rows, asked for 0..7
    const catalogue::KTabelle* tabellen[] = {nullptr, &leer, &zuKurz};
    for (const catalogue::KTabelle* t : tabellen) {
        d.Typ_Index = 4;
        d.Abgef_Leistg = 123;
        EXPECT_EQ(Groessen_bewerten(d, t, 7, Durchlauf::Suche, boxes), -1);
        EXPECT_EQ(d.Typ_Index, -1);
        EXPECT_EQ(d.Abgef_Leistg, 0);
        EXPECT_EQ(d.T_out, d.T_Umgebung);
    }
}

// Sizes at a speed step they do not permit are never a result, not even as the fallback.
TEST_F(Suche, NichtVerfuegbareGroessen)
{
    catalogue::KTabelle t;
    for (int i = 0; i < 8; ++i)
        t.push_back({flacheGroesse(0.1 * (i + 1), QStringLiteral("H%1").arg(i)), {}});
    for (int i = 8; i < 15; ++i)
        t.push_back({nichtVerfuegbar(), {}});
    t.push_back({});
    d.KLeistung = 1e6;
    EXPECT_EQ(suche(t, 14), 7);
    EXPECT_NEAR(d.Abgef_Leistg, 8000, 1e-9);
    // Even a negative load does not pick a size without a type code.
    d.KLeistung = -1;
    t[0][0] = nichtVerfuegbar();
    EXPECT_EQ(suche(t, 14), 1);
    // Nothing available at all: no size.
    const catalogue::KTabelle keine = ratingtest::tabelle({nichtVerfuegbar(), nichtVerfuegbar()});
    d.KLeistung = 0;
    EXPECT_EQ(suche(keine, 1), -1);
    EXPECT_EQ(d.Typ_Index, -1);
    EXPECT_EQ(d.Abgef_Leistg, 0);
}

// At the pressure switch-over flow the search takes range 2, the curve function range 1.
TEST_F(Suche, DruckwertAmUmschaltpunkt)
{
    const catalogue::KTabelle t = ratingtest::tabelle({ratingtest::dcEuZeile0()});
    d.Durchfluss = 125;
    suche(t, 0);
    EXPECT_NEAR(d.KErgebnis[0].DruckWert, 1982.0322747362522, 1e-8);
    EXPECT_NEAR(Kennlinie_Potenz_berechnen(t, 125, 0, 0, boxes), 1952.425862123228, 1e-8);
}

TEST_F(Suche, VervollstaendigungErgaenztDieListe)
{
    catalogue::KTabSatz a = flacheGroesse(0.1, "H1");
    a.Stufe_min = 2.5;
    a.Stufe_max = 3.5;
    a.Zeichnung_Datei = QStringLiteral("hc_a.svg");
    a.Drehzahl = 1450;
    a.Geraeusch = QStringLiteral("75");
    catalogue::KTabSatz b = flacheGroesse(0.2, "H2");
    b.Stufe_min = 1.5;
    b.Stufe_max = 6.4;
    b.Geraeusch = QStringLiteral("abc");
    const catalogue::KTabelle t = ratingtest::tabelle({a, b});
    d.KErgebnis[15].Zeichnung = QStringLiteral("slot15.svg");
    d.KErgebnis[5].Zeichnung = QStringLiteral("alt.svg");
    d.KLeistung = 1500;
    EXPECT_EQ(suche(t, 1, Durchlauf::Vervollstaendigung), 1);
    EXPECT_EQ(d.KErgebnis[0].Drehzahl_Min, 2); // halves to even
    EXPECT_EQ(d.KErgebnis[0].Drehzahl_Max, 4);
    EXPECT_EQ(d.KErgebnis[1].Drehzahl_Min, 2);
    EXPECT_EQ(d.KErgebnis[1].Drehzahl_Max, 6);
    EXPECT_EQ(d.KErgebnis[0].Zeichnung, QStringLiteral("hc_a.svg"));
    EXPECT_EQ(d.KErgebnis[0].Zusatzwert, 1450);
    EXPECT_EQ(d.KErgebnis[0].Geraeusch, QStringLiteral("75"));
    EXPECT_EQ(d.KErgebnis[1].Geraeusch, QStringLiteral("0")); // not the previous row's 75
    EXPECT_TRUE(d.KErgebnis[5].Zeichnung.isEmpty());
    EXPECT_EQ(d.KErgebnis[15].Zeichnung, QStringLiteral("slot15.svg"));
    EXPECT_NEAR(d.KErgebnis[1].Leistung, 2000, 1e-9);
}

TEST(Geraeusch, NormierterText)
{
    const struct {
        const char* text;
        const char* normiert;
    } faelle[] = {
        {"80", "80"}, {"79.5", "80"}, {"80.5", "80"}, {"81.5", "82"}, {"80 ", "80"}, {" 72", "72"},
        {"", "0"},    {"abc", "0"},   {"007", "7"},   {"-3", "-3"},   {"1E3", "1000"}, {"1E99", "0"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(normierterGeraeuschText(QString::fromUtf8(f.text)), QString::fromUtf8(f.normiert)) << f.text;
}

} // namespace
