// Technical data overview: the stored rows, the noise copy into the performance tables, and the
// display into the overview grid.
#include "program/catalogue/uebers.h"
#include "program/catalogue/kdaten_hc_tab.h"
#include "program/rating/selection.h"
#include "testsupport.h"
#include "program/texts/textcatalogue.h"
#include "common/error.h"
#include <gtest/gtest.h>
#include <QRegularExpression>

using namespace catalogue;

namespace {

QString u(const char8_t* s) { return QString::fromUtf8(s); }

// The program-wide texts as the main window's load fills them, the overview headings included.
texts::Texte programmTexte(KDaten_Uebers& d)
{
    texts::Texte t;
    texts::Init_SysTexte(t, {nullptr, [&d] { Init_UebersichtTexte(d); }});
    return t;
}

// Performance tables as the catalogue declares them: 9 rows (DC) or 16 rows (US AC), two media.
struct Leistungstabellen {
    KTabelle dcUS = KTabelle(9), dcEU = KTabelle(9);
    KTabelle acOptUS = KTabelle(16), acOptLnUS = KTabelle(16), acRoUS = KTabelle(16), acRoLnUS = KTabelle(16);
    GeraeuschZiele ziele()
    {
        return {&dcUS, &dcEU, &acOptUS, &acOptLnUS, &acRoUS, &acRoLnUS};
    }
};

struct Uebersicht : ::testing::Test {
    KDaten_Uebers d;
    Leistungstabellen perf;
    texts::Texte texte;
    MemoryGrid grid{9, 2};
    MemoryBeschriftung label;

    void SetUp() override
    {
        Init_UebersichtTabellen(d, perf.ziele());
        texte = programmTexte(d);
        texte.SprachNr = 1;
    }

    void anzeigen(const UebersichtLage& lage) { Datenuebersicht_anzeigen(d, texte, lage, grid, label); }

    QStringList spalte(int col) const
    {
        QStringList out;
        for (int r = 0; r < 9; ++r)
            out << grid.TextMatrix(r, col);
        return out;
    }
};

QStringList werte(const UebersichtSatz& s, int dir)
{
    const auto i = static_cast<std::size_t>(dir);
    return {s.Ventilatordrehzahl[i], s.Schalldruckpegel[i], s.Anschlussspannung[i], s.Leistungsaufnahme[i],
            s.Fuellinhalt, s.Betriebsdruck, s.Gesamtgewicht[i], s.Versandgewicht[i]};
}

} // namespace

TEST_F(Uebersicht, TellingRowsAreStoredVerbatim)
{
    struct Fall {
        const UebersichtTabelle* tab;
        int size;
        QStringList erwartet; // field order 1..8, member 0
    };
    const Fall faelle[] = {
        {&d.UebersTab_DC12_US, 0, {"1800 (nominal)", "80", "12", "0.062", "", "377 [psi]", "", "20 [lbs]"}},
        {&d.UebersTab_AC_Optim_US, 0, {"3450", "77", "230/460", "1/3 [HP]", "", "377 [psi]", "30[lbs]", "37[lbs]"}},
        {&d.UebersTab_AC_Optim_US, 14, {"1750", "101", "230/460", "10 [HP]", "", "250 [psi]", "630[lbs]", "710[lbs]"}},
        {&d.UebersTab_AC_Optim_LowNoise_US, 0, {"1700", "65", "230/460", "1/4 [HP]", "", "377 [psi]", "30[lbs]", "37[lbs]"}},
        // Speed and noise of hydraulic sizes are never shown from the table; the pressure carries its unit.
        {&d.UebersTab_Hydro_Optim_US, 14, {"", "", "Hydraulic", "", "", "250 [psi]", "580 [lbs]", "650 [lbs]"}},
        {&d.UebersTab_DC12_EU, 0, {"-", "80 ", "12V ", "0,096", "1,4 ", "26 ", "6,4 ", "-"}},
        {&d.UebersTab_AC_Optim_EU, 0, {"3000 ", "80 ", "230/400  ", "0,37 ", "2,3 ", "26 ", "20 ", " "}},
        {&d.UebersTab_AC_Optim_EU, 11, {"1500 ", "98 ", "400/690 ", "11 ", "51 ", "17 ", "343 ", " "}},
        {&d.UebersTab_Hydro_Optim_EU, 0, {"", "", "-", "-", "2,3 ", "26 ", "17 ", " "}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(werte((*f.tab)[static_cast<std::size_t>(f.size)], 0), f.erwartet) << "size " << f.size;
}

TEST_F(Uebersicht, NoiseTextsReachThePerformanceTablesAndASecondFillChangesNothing)
{
    EXPECT_EQ(perf.dcUS[0][0].Geraeusch, "80");
    EXPECT_EQ(perf.dcUS[0][1].Geraeusch, "80");
    EXPECT_EQ(perf.dcEU[0][0].Geraeusch, "80 ");
    EXPECT_EQ(perf.dcEU[0][1].Geraeusch, "80 ");
    EXPECT_EQ(perf.acOptUS[0][0].Geraeusch, "77");
    EXPECT_EQ(perf.acOptUS[0][1].Geraeusch, "");
    EXPECT_EQ(perf.acOptUS[14][0].Geraeusch, "101");
    EXPECT_EQ(perf.acOptLnUS[0][0].Geraeusch, "65");
    // Beyond the last size the copy writes the empty text.
    EXPECT_EQ(perf.dcUS[8][0].Geraeusch, "");
    EXPECT_EQ(perf.acRoLnUS[15][0].Geraeusch, "");
    // Every US AC performance row of a size gets its overview noise.
    for (std::size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(perf.acRoUS[i][0].Geraeusch, d.UebersTab_AC_Rough_US[i].Schalldruckpegel[0]);
        EXPECT_FALSE(perf.acRoUS[i][0].Geraeusch.isEmpty());
    }

    const KDaten_Uebers vorher = d;
    const Leistungstabellen perfVorher = perf;
    Init_UebersichtTabellen(d, perf.ziele());
    EXPECT_EQ(d.UebersTab_AC_Optim_US, vorher.UebersTab_AC_Optim_US);
    EXPECT_EQ(d.UebersTab_Hydro_Rough_US, vorher.UebersTab_Hydro_Rough_US);
    EXPECT_EQ(d.UebersTab_DC24_EU, vorher.UebersTab_DC24_EU);
    EXPECT_EQ(perf.dcUS, perfVorher.dcUS);
    EXPECT_EQ(perf.acOptLnUS, perfVorher.acOptLnUS);

    // A table shorter than the overview is written only as far as it reaches.
    KTabelle kurz(3);
    Init_UebersTab_DC12_US(d, &kurz);
    EXPECT_EQ(kurz.size(), 3u);
    EXPECT_EQ(kurz[2][1].Geraeusch, "82");
}

TEST_F(Uebersicht, EveryTableKeepsItsShapeFormsAndSharedValues)
{
    struct Info {
        const char* name;
        const UebersichtTabelle* tab;
        int declared, sizes;
        bool us, metric;
    };
    const Info tabellen[] = {
        {"DC12_US", &d.UebersTab_DC12_US, 9, 8, true, false},
        {"DC24_US", &d.UebersTab_DC24_US, 9, 8, true, false},
        {"AC_Optim_US", &d.UebersTab_AC_Optim_US, 16, 15, true, false},
        {"AC_Optim_LowNoise_US", &d.UebersTab_AC_Optim_LowNoise_US, 16, 15, true, false},
        {"AC_Rough_US", &d.UebersTab_AC_Rough_US, 16, 15, true, false},
        {"AC_Rough_LowNoise_US", &d.UebersTab_AC_Rough_LowNoise_US, 16, 15, true, false},
        {"Hydro_Optim_US", &d.UebersTab_Hydro_Optim_US, 16, 15, true, false},
        {"Hydro_Rough_US", &d.UebersTab_Hydro_Rough_US, 16, 15, true, false},
        {"DC12_EU", &d.UebersTab_DC12_EU, 9, 8, false, true},
        {"DC24_EU", &d.UebersTab_DC24_EU, 9, 8, false, true},
        {"AC_Optim_EU", &d.UebersTab_AC_Optim_EU, 13, 12, false, true},
        {"AC_Optim_LowNoise_EU", &d.UebersTab_AC_Optim_LowNoise_EU, 13, 12, false, true},
        {"AC_Rough_EU", &d.UebersTab_AC_Rough_EU, 13, 12, false, true},
        {"AC_Rough_LowNoise_EU", &d.UebersTab_AC_Rough_LowNoise_EU, 13, 12, false, true},
        {"Hydro_Optim_EU", &d.UebersTab_Hydro_Optim_EU, 13, 12, false, true},
        {"Hydro_Rough_EU", &d.UebersTab_Hydro_Rough_EU, 13, 12, false, true},
    };
    const QRegularExpression metrisch(QStringLiteral("^\\d+(,\\d+)? $"));
    for (const Info& t : tabellen) {
        SCOPED_TRACE(t.name);
        ASSERT_EQ(static_cast<int>(t.tab->size()), t.declared);
        for (int i = 0; i < t.declared; ++i) {
            const UebersichtSatz& s = (*t.tab)[static_cast<std::size_t>(i)];
            SCOPED_TRACE(i);
            if (i >= t.sizes) {
                // Only the US DC tables keep their constant texts beyond the last size.
                UebersichtSatz leer;
                if (QString(t.name).startsWith("DC") && t.us) {
                    leer.Ventilatordrehzahl = s.Ventilatordrehzahl;
                    leer.Anschlussspannung = s.Anschlussspannung;
                    leer.Betriebsdruck = s.Betriebsdruck;
                    EXPECT_EQ(s.Betriebsdruck, "377 [psi]");
                }
                EXPECT_EQ(s, leer);
                continue;
            }
            // The pressure always says what it is measured in, or is a metric bar value.
            if (t.us) {
                EXPECT_EQ(s.Betriebsdruck, i >= 12 && t.declared == 16 ? "250 [psi]" : "377 [psi]");
            } else {
                EXPECT_TRUE(s.Betriebsdruck == "26 " || s.Betriebsdruck == "17 ");
                EXPECT_TRUE(metrisch.match(s.Fuellinhalt).hasMatch()) << s.Fuellinhalt.toStdString();
                EXPECT_TRUE(metrisch.match(s.Gesamtgewicht[0]).hasMatch()) << s.Gesamtgewicht[0].toStdString();
            }
            // Both airflow members are equal everywhere.
            EXPECT_EQ(s.Ventilatordrehzahl[0], s.Ventilatordrehzahl[1]);
            EXPECT_EQ(s.Schalldruckpegel[0], s.Schalldruckpegel[1]);
            EXPECT_EQ(s.Anschlussspannung[0], s.Anschlussspannung[1]);
            EXPECT_EQ(s.Leistungsaufnahme[0], s.Leistungsaufnahme[1]);
            EXPECT_EQ(s.Gesamtgewicht[0], s.Gesamtgewicht[1]);
            EXPECT_EQ(s.Versandgewicht[0], s.Versandgewicht[1]);
        }
    }
    // US hydraulic weights: bare number, a blank and "[lbs]".
    const QRegularExpression lbs(QStringLiteral("^\\d+ \\[lbs\\]$"));
    for (const auto* tab : {&d.UebersTab_Hydro_Optim_US, &d.UebersTab_Hydro_Rough_US})
        for (std::size_t i = 0; i < 15; ++i)
            for (int m = 0; m < 2; ++m) {
                EXPECT_TRUE(lbs.match((*tab)[i].Gesamtgewicht[static_cast<std::size_t>(m)]).hasMatch());
                EXPECT_TRUE(lbs.match((*tab)[i].Versandgewicht[static_cast<std::size_t>(m)]).hasMatch());
            }
    // Metric AC noise is that of the performance tables of the same series.
    const char* optimEU[12] = {"80 ", "83 ", "81 ", "80 ", "81 ", "80 ", "82 ", "80 ", "86 ", "88 ", "94 ", "98 "};
    const char* roughEU[12] = {"68 ", "70 ", "81 ", "80 ", "81 ", "83 ", "82 ", "80 ", "86 ", "88 ", "94 ", "98 "};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(d.UebersTab_AC_Optim_EU[i].Schalldruckpegel[0], optimEU[i]);
        EXPECT_EQ(d.UebersTab_AC_Rough_EU[i].Schalldruckpegel[0], roughEU[i]);
    }
    // Shared values between tables.
    for (std::size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(d.UebersTab_AC_Rough_LowNoise_US[i].Gesamtgewicht, d.UebersTab_AC_Optim_US[i].Gesamtgewicht);
        EXPECT_EQ(d.UebersTab_AC_Rough_US[i].Versandgewicht, d.UebersTab_AC_Optim_US[i].Versandgewicht);
    }
    EXPECT_EQ(d.UebersTab_AC_Optim_LowNoise_US, d.UebersTab_AC_Rough_LowNoise_US);
    EXPECT_EQ(d.UebersTab_Hydro_Optim_US, d.UebersTab_Hydro_Rough_US);
    EXPECT_EQ(d.UebersTab_Hydro_Optim_EU, d.UebersTab_Hydro_Rough_EU);
    UebersichtTabelle rough = d.UebersTab_AC_Rough_US;
    EXPECT_EQ(rough[2].Leistungsaufnahme[0], "1/3 [HP]");
    EXPECT_EQ(d.UebersTab_AC_Optim_US[2].Leistungsaufnahme[0], "1/2 [HP]");
    rough[2] = d.UebersTab_AC_Optim_US[2];
    EXPECT_EQ(rough, d.UebersTab_AC_Optim_US);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_TRUE(d.UebersTab_DC24_US[i].Schalldruckpegel[0].isEmpty());
}

TEST_F(Uebersicht, HandsOutACopyOfTheTableOfSeriesAndRegion)
{
    UebersichtTabelle kopie = UebersichtTab_holen(d, AC_Optim_LowNoise, true);
    EXPECT_EQ(kopie, d.UebersTab_AC_Optim_LowNoise_US);
    kopie[0].Betriebsdruck = "changed";
    EXPECT_EQ(d.UebersTab_AC_Optim_LowNoise_US[0].Betriebsdruck, "377 [psi]");
    EXPECT_EQ(UebersichtTab_holen(d, DC_24V, false), d.UebersTab_DC24_EU);
    EXPECT_EQ(UebersichtTab_holen(d, Hydro_Rough, true), d.UebersTab_Hydro_Rough_US);
    for (long serie : {0L, 9L, -3L})
        EXPECT_TRUE(UebersichtTab_holen(d, serie, true).empty());
}

TEST_F(Uebersicht, HeadingsCarryTheirLiteralsAndStringTableTexts)
{
    EXPECT_EQ(d.UebersText_Schalldruck[0], u(u8"Schalldruckpegel [dB(A), 1m]"));
    EXPECT_EQ(d.UebersText_Gesamtgewicht[2], u(u8"Poids total à vide [kg]"));
    EXPECT_EQ(d.UebersText_Versandgewicht, d.UebersText_Versandgewicht_Bericht);
    const texts::StringTable& table = texts::compiledStringTable();
    const std::pair<const texts::SprachText*, int> nummern[] = {
        {&d.UebersText_MotorVariante, 470}, {&d.UebersText_Drehzahl, 472}, {&d.UebersText_Betriebsdruck, 477},
        {&d.UebersText_Versandgewicht, 521}};
    for (const auto& [text, nr] : nummern) {
        // Swedish carries no appended blanks, so its slot is the table entry itself.
        EXPECT_EQ((*text)[16], table.entry(16, nr).value_or("missing")) << nr;
        EXPECT_FALSE((*text)[16].isEmpty());
        EXPECT_TRUE((*text)[17].isEmpty());
    }
    // A table without the entries: the error reaches the caller, the literals stand.
    KDaten_Uebers leer;
    EXPECT_THROW(Init_UebersichtTexte(leer, texts::StringTable::load(QStringLiteral("/nonexistent"))), common::Error);
    EXPECT_EQ(leer.UebersText_MotorVariante[1], "Fan motor type");
}

TEST_F(Uebersicht, NoSeriesShowsHeadingsAndNotSelected)
{
    grid.setTextMatrix(4, 1, "stale");
    UebersichtLage lage;
    texte.SprachNr = 0;
    lage.Typ_Index = 3;
    anzeigen(lage);
    EXPECT_EQ(label.Caption(), u(u8"Datenübersicht"));
    EXPECT_EQ(spalte(0), (QStringList{u(u8"Lüfter Motor-Variante"), "Ventilatordrehzahl [1/min]",
                                      "Schalldruckpegel [dB(A), 1m] (approx.)", "Anschluss-Spannung [V]",
                                      "Leistungsaufnahme [kW]", "Gesamtgewicht [kg] (approx.)",
                                      "Versandgewicht [kg] (approx.)", u(u8"Füllinhalt [l] (approx.)"),
                                      "Betriebsdruck [bar]"}));
    EXPECT_EQ(spalte(1), (QStringList{u(u8"Noch nicht gewählt"), "", "", "", "", "", "", "", ""}));
    texte.SprachNr = 1;
    lage.Kuehler_Baureihe = 9;
    anzeigen(lage);
    EXPECT_EQ(grid.TextMatrix(0, 1), "not selected");
}

TEST_F(Uebersicht, ShowsTheSizeInGridRowOrder)
{
    UebersichtLage lage;
    lage.Kuehler_Baureihe = AC_Optim;
    lage.Region_US = true;
    lage.Typ_Index = 14;
    anzeigen(lage);
    EXPECT_EQ(label.Caption(), "Data");
    // Row 5 total weight, 6 shipping weight, 7 volume, 8 pressure.
    EXPECT_EQ(spalte(1), (QStringList{"3 phase AC (A)", "1750", "101", "230/460", "10 [HP]", "630[lbs]", "710[lbs]",
                                      "", "250 [psi]"}));
    EXPECT_EQ(grid.TextMatrix(2, 0), "Noise Level [dB(A), 1m] (approx.)");
    EXPECT_EQ(grid.TextMatrix(4, 0), "Power Consumption [kW]");

    // The same index in the metric region addresses the metric table; values keep their blanks.
    lage.Region_US = false;
    lage.Typ_Index = 11;
    anzeigen(lage);
    EXPECT_EQ(spalte(1), (QStringList{"3 phase AC (A)", "1500 ", "98 ", "400/690 ", "11 ", "343 ", " ", "51 ", "17 "}));

    // Drive texts by series.
    const std::pair<long, const char*> antriebe[] = {{DC_12V, "12 VDC"}, {DC_24V, "24 VDC"},
                                                     {AC_Rough_LowNoise, "3 phase AC (A)"},
                                                     {Hydro_Rough, "Hydraulic (H)"}};
    for (const auto& [serie, text] : antriebe) {
        lage.Kuehler_Baureihe = serie;
        lage.Typ_Index = 0;
        anzeigen(lage);
        EXPECT_EQ(grid.TextMatrix(0, 1), text);
    }
}

TEST_F(Uebersicht, NoValuesForANegativeOrOutOfRangeSize)
{
    UebersichtLage lage;
    lage.Kuehler_Baureihe = DC_12V;
    lage.Region_US = true;
    const QStringList nurAntrieb{"12 VDC", "", "", "", "", "", "", "", ""};
    for (int index : {-1, 8, 9, 15, 400}) {
        lage.Typ_Index = index;
        anzeigen(lage);
        EXPECT_EQ(spalte(1), nurAntrieb) << index;
    }
    // The last slot of a metric AC table, and a US size in the metric region.
    lage.Kuehler_Baureihe = AC_Optim;
    lage.Region_US = false;
    for (int index : {12, 14}) {
        lage.Typ_Index = index;
        anzeigen(lage);
        EXPECT_EQ(spalte(1), (QStringList{"3 phase AC (A)", "", "", "", "", "", "", "", ""})) << index;
    }
}

TEST_F(Uebersicht, HydraulicSizeShowsSpeedAndNoiseOfItsResult)
{
    std::array<rating::KErgebnisSatz, rating::KErgebnisSlots> KErgebnis{};
    auto ergebnis = [](const char* typ, const char* geraeusch, qint16 drehzahl) {
        rating::KErgebnisSatz e;
        e.TypCode = typ;
        e.Geraeusch = geraeusch;
        e.Zusatzwert = drehzahl;
        return e;
    };
    KErgebnis[3] = ergebnis("H27", "77", 2500);
    KErgebnis[14] = ergebnis("HR286", "0", 1500);
    UebersichtLage lage;
    lage.Kuehler_Baureihe = Hydro_Optim;
    lage.Region_US = false;
    lage.Typ_Index = 3;
    // The overview gets the current size's result as the main window hands it over.
    std::span<const rating::KErgebnisSatz> liste = KErgebnis;
    auto anzeigenMitErgebnis = [&] {
        lage.Ergebnis = rating::uebersichtErgebnis(liste, lage.Typ_Index);
        anzeigen(lage);
    };
    anzeigenMitErgebnis();
    EXPECT_EQ(spalte(1), (QStringList{"Hydraulic (H)", "2500", "77", "-", "-", "38 ", " ", "5,5 ", "26 "}));
    // Pushing airflow: same values; the stored table is not changed by the display.
    lage.LuefterDrueckend = true;
    anzeigenMitErgebnis();
    EXPECT_EQ(grid.TextMatrix(1, 1), "2500");
    EXPECT_EQ(grid.TextMatrix(2, 1), "77");
    EXPECT_TRUE(d.UebersTab_Hydro_Optim_EU[3].Ventilatordrehzahl[1].isEmpty());

    // US hydraulic: no noise in the result ("0"), voltage "Hydraulic" for both directions.
    lage.Region_US = true;
    lage.Kuehler_Baureihe = Hydro_Rough;
    lage.Typ_Index = 14;
    for (bool drueckend : {false, true}) {
        lage.LuefterDrueckend = drueckend;
        anzeigenMitErgebnis();
        EXPECT_EQ(spalte(1), (QStringList{"Hydraulic (H)", "1500", "", "Hydraulic", "", "580 [lbs]", "650 [lbs]", "",
                                          "250 [psi]"}));
    }
    // A slot without a size (or no result list at all) shows neither speed nor noise.
    lage.Typ_Index = 5;
    anzeigenMitErgebnis();
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(grid.TextMatrix(3, 1), "Hydraulic");
    liste = {};
    lage.Typ_Index = 14;
    anzeigenMitErgebnis();
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
}

TEST_F(Uebersicht, Us24VoltSizeShowsNoNoise)
{
    UebersichtLage lage;
    lage.Kuehler_Baureihe = DC_24V;
    lage.Region_US = true;
    lage.Typ_Index = 2;
    for (bool drueckend : {false, true}) {
        lage.LuefterDrueckend = drueckend;
        anzeigen(lage);
        EXPECT_EQ(grid.TextMatrix(2, 1), "");
        EXPECT_EQ(grid.TextMatrix(3, 1), "24");
    }
}

TEST(UebersichtStart, NoiseTextsAfterTheWholeStartupFill)
{
    // The load's order: performance tables first, then the overview twice.
    KDaten_Tab kd;
    KDaten_HC_Tab hc;
    Init_KuehlerTabellen(kd, hc);
    for (const auto* t : {&kd.KTab_DC_US, &kd.KTab_DC_EU, &kd.KTab_AC_Optim_US})
        EXPECT_TRUE((*t)[0][MediumOel].Geraeusch.isEmpty());
    KDaten_Uebers d;
    Init_UebersichtTabellen(d, kd);
    EXPECT_EQ(kd.KTab_DC_US[0][MediumOel].Geraeusch, "80");
    EXPECT_EQ(kd.KTab_DC_US[0][MediumWasserGlykol].Geraeusch, "80");
    EXPECT_EQ(kd.KTab_DC_EU[0][MediumOel].Geraeusch, "80 ");
    EXPECT_EQ(kd.KTab_AC_Optim_US[0][MediumOel].Geraeusch, "77");
    EXPECT_EQ(kd.KTab_AC_Optim_US[0][MediumWasserGlykol].Geraeusch, "");
    // Everything else of the performance records stays as the catalogue filled it.
    EXPECT_EQ(kd.KTab_AC_Optim_US[0][MediumOel].TypBez, "A108");
    EXPECT_FALSE(kd.KTab_AC_Optim_US[0][MediumOel].Zeichnung_Datei.isEmpty());
    // The metric AC and hydraulic tables keep their own noise texts.
    EXPECT_EQ(kd.KTab_AC_Optim_EU[0][MediumOel].Geraeusch, "80");

    const KDaten_Tab nachErstemLauf = kd;
    const KDaten_Uebers uebersNachErstemLauf = d;
    Init_UebersichtTabellen(d, kd);
    EXPECT_EQ(kd.KTab_DC_US, nachErstemLauf.KTab_DC_US);
    EXPECT_EQ(kd.KTab_DC_EU, nachErstemLauf.KTab_DC_EU);
    EXPECT_EQ(kd.KTab_AC_Rough_LowNoise_US, nachErstemLauf.KTab_AC_Rough_LowNoise_US);
    EXPECT_EQ(d.UebersTab_AC_Optim_LowNoise_US, uebersNachErstemLauf.UebersTab_AC_Optim_LowNoise_US);
    EXPECT_EQ(d.UebersTab_DC12_EU, uebersNachErstemLauf.UebersTab_DC12_EU);

    // Metric AC noise of the overview is that of the performance table of the same series, row by row.
    const std::pair<const UebersichtTabelle*, const KTabelle*> paare[] = {
        {&d.UebersTab_AC_Optim_EU, &kd.KTab_AC_Optim_EU},
        {&d.UebersTab_AC_Optim_LowNoise_EU, &kd.KTab_AC_Optim_LowNoise_EU},
        {&d.UebersTab_AC_Rough_EU, &kd.KTab_AC_Rough_EU},
        {&d.UebersTab_AC_Rough_LowNoise_EU, &kd.KTab_AC_Rough_LowNoise_EU}};
    for (const auto& [uebers, leistung] : paare)
        for (std::size_t i = 0; i < 12; ++i)
            EXPECT_EQ((*uebers)[i].Schalldruckpegel[0], (*leistung)[i][MediumOel].Geraeusch + " ") << i;
}
