// Shape of the filled performance tables: declared rows, empty water-glycol column, spare rows,
// copied pressure-drop fields, scaling of the US coefficients.
#include "ktab_tabellen.h"
#include <QStringList>
#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testhilfe;

TEST(KTabInvarianten, DeclaredRowsAndEmptyWaterGlycolColumn)
{
    const auto& kd = gefuellt().kd;
    for (const auto& t : alleTabellen()) {
        SCOPED_TRACE(t.name);
        const KTabelle& tab = kd.*t.tabelle;
        ASSERT_EQ(static_cast<int>(tab.size()), t.letzte + 2);
        for (const auto& zeile : tab)
            EXPECT_EQ(zeile[MediumWasserGlykol], KTabSatz{});
    }
}

// The row after the last size holds at most the default drawing; it is never a size.
TEST(KTabInvarianten, SpareLastRowHoldsOnlyTheDefaultDrawing)
{
    const auto& kd = gefuellt().kd;
    for (const auto& t : alleTabellen()) {
        SCOPED_TRACE(t.name);
        KTabSatz spare = oelSatz(kd.*t.tabelle, t.letzte + 1);
        EXPECT_FALSE(spare.isAvailable());
        EXPECT_EQ(spare.Zeichnung_Datei.endsWith(".svg"), t.standardZeichnung);
        if (t.roh && t.roh->standardZeichnung) {
            EXPECT_EQ(spare.Zeichnung_Datei, QString::fromUtf8(t.roh->standardZeichnung));
        }
        spare.Zeichnung_Datei.clear();
        EXPECT_EQ(spare, KTabSatz{});
    }
}

TEST(KTabInvarianten, EverySizeIsAvailableAndUnusedCoefficientsAreZero)
{
    const auto& kd = gefuellt().kd;
    for (const auto& t : alleTabellen()) {
        SCOPED_TRACE(t.name);
        for (int i = 0; i <= t.letzte; ++i) {
            const KTabSatz& s = oelSatz(kd.*t.tabelle, i);
            EXPECT_TRUE(s.isAvailable()) << i;
            for (int k = 3; k < 7; ++k) {
                EXPECT_EQ(s.Koeff_1[k], 0) << i;
                EXPECT_EQ(s.Koeff_2[k], 0) << i;
            }
            if (s.Q_Umschalt == 10000) {
                EXPECT_EQ(s.Koeff_2, (std::array<double, 7>{})) << i;
            }
            if (s.Q_Umschalt_DP == 10000) {
                EXPECT_EQ(s.DP_Exp_2, 0) << i;
                EXPECT_EQ(s.DP_Ln_2, 0) << i;
            }
            if (!t.hydro) {
                EXPECT_EQ(s.Stufe_min, 0) << i;
                EXPECT_EQ(s.Stufe_max, 0) << i;
                EXPECT_EQ(s.Drehzahl, 0) << i;
            }
        }
    }
}

// Noise texts of the DC and US AC tables come later from the overview; the filler leaves them empty.
TEST(KTabInvarianten, NoiseOnlyInMetricAcAndHydraulicTables)
{
    const auto& kd = gefuellt().kd;
    for (const auto& t : alleTabellen()) {
        SCOPED_TRACE(t.name);
        const bool mitGeraeusch = (!t.us && t.roh != nullptr && t.letzte == TypMaxEU) || (t.hydro && !t.us);
        for (int i = 0; i <= t.letzte; ++i)
            EXPECT_EQ(oelSatz(kd.*t.tabelle, i).Geraeusch.isEmpty(), !mitGeraeusch) << i;
    }
}

TEST(KTabInvarianten, LowNoiseAndRoughCopyThePressureDropOfTheirOptimTable)
{
    const auto& kd = gefuellt().kd;
    for (const auto& t : acDcTabellen()) {
        if (!t.optim)
            continue;
        SCOPED_TRACE(t.name);
        for (int i = 0; i <= t.letzte; ++i) {
            const KTabSatz& s = oelSatz(kd.*t.tabelle, i);
            const KTabSatz& o = oelSatz(kd.*t.optim, i);
            EXPECT_EQ(s.DP_Exp_1, o.DP_Exp_1) << i;
            EXPECT_EQ(s.DP_Ln_1, o.DP_Ln_1) << i;
            EXPECT_EQ(s.Q_Umschalt_DP, o.Q_Umschalt_DP) << i;
            EXPECT_EQ(s.DP_Exp_2, o.DP_Exp_2) << i;
            EXPECT_EQ(s.DP_Ln_2, o.DP_Ln_2) << i;
            EXPECT_EQ(s.Q_max, o.Q_max) << i;
            if (!t.us) {
                EXPECT_EQ(s.Zeichnung_Datei, o.Zeichnung_Datei) << i;
            }
        }
    }
}

// The fillers scale indices 0..2 of both coefficient sets of the size rows, and nothing else.
TEST(KTabInvarianten, HeldValuesAreTheWrittenOnesScaledWhereTheTableSaysSo)
{
    const auto& kd = gefuellt().kd;
    for (const auto& t : acDcTabellen()) {
        SCOPED_TRACE(t.name);
        ASSERT_EQ(static_cast<int>(t.roh->zeilen.size()), t.letzte + 1);
        for (int i = 0; i <= t.letzte; ++i) {
            const KTabSatz& s = oelSatz(kd.*t.tabelle, i);
            const daten::KZeile& z = t.roh->zeilen[static_cast<std::size_t>(i)];
            for (int k = 0; k < 3; ++k) {
                EXPECT_DOUBLE_EQ(s.Koeff_1[k], z.Koeff_1[k] * t.skalierung) << i;
                EXPECT_DOUBLE_EQ(s.Koeff_2[k], z.Koeff_2[k] * t.skalierung) << i;
            }
            EXPECT_EQ(s.Q_Umschalt, z.Q_Umschalt) << i;
            EXPECT_EQ(s.Q_min, z.Q_min) << i;
            EXPECT_EQ(s.Q_max, z.Q_max) << i;
            EXPECT_EQ(s.TypBez, QString::fromUtf8(z.TypBez)) << i;
            if (!t.optim) {
                EXPECT_EQ(s.DP_Exp_1, z.Druck[0]) << i;
                EXPECT_EQ(s.DP_Ln_1, z.Druck[1]) << i;
                EXPECT_EQ(s.Q_Umschalt_DP, z.Druck[2]) << i;
            }
        }
    }
}

// A second filling of the same tables (from fresh storage) gives the same contents: the fillers
// read only constants and the Optim tables filled before them.
TEST(KTabInvarianten, FillingIsRepeatable)
{
    KDaten_Tab kd;
    KDaten_HC_Tab hc;
    Init_KuehlerTabellen(kd, hc);
    for (const auto& t : alleTabellen())
        EXPECT_EQ(kd.*t.tabelle, gefuellt().kd.*t.tabelle) << t.name;
}

TEST(KTabInvarianten, DrawingVariantsPerRow)
{
    const auto& kd = gefuellt().kd;
    auto zeichnungen = [&](const KTabelle& tab, int letzte) {
        QStringList z;
        for (int i = 0; i <= letzte; ++i)
            z << oelSatz(tab, i).Zeichnung_Datei;
        return z;
    };
    // Rows sharing a drawing, written as the index of the variant per row.
    auto muster = [](const QStringList& z) {
        std::vector<int> m;
        QStringList gesehen;
        for (const QString& n : z) {
            if (!gesehen.contains(n))
                gesehen << n;
            m.push_back(static_cast<int>(gesehen.indexOf(n)));
        }
        return m;
    };
    const std::vector<int> dc = {0, 0, 0, 0, 0, 1, 1, 1};
    const std::vector<int> acEu = {0, 0, 0, 0, 0, 0, 0, 1, 2, 2, 3, 3};
    const std::vector<int> acUs = {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2};
    const std::vector<int> acUsRoughLowNoise = {0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 2, 2, 2, 2};
    EXPECT_EQ(muster(zeichnungen(kd.KTab_DC_EU, 7)), dc);
    EXPECT_EQ(muster(zeichnungen(kd.KTab_DC_US, 7)), dc);
    for (auto* t : {&kd.KTab_AC_Optim_EU, &kd.KTab_AC_Optim_LowNoise_EU, &kd.KTab_AC_Rough_EU,
                    &kd.KTab_AC_Rough_LowNoise_EU})
        EXPECT_EQ(muster(zeichnungen(*t, 11)), acEu);
    for (auto* t : {&kd.KTab_AC_Optim_US, &kd.KTab_AC_Optim_LowNoise_US, &kd.KTab_AC_Rough_US})
        EXPECT_EQ(muster(zeichnungen(*t, 14)), acUs);
    EXPECT_EQ(muster(zeichnungen(kd.KTab_AC_Rough_LowNoise_US, 14)), acUsRoughLowNoise);
    const std::vector<int> hydroEu = {0, 0, 0, 0, 0, 0, 0, 1, 2, 2, 3, 3};
    const std::vector<int> hydroUs = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2};
    EXPECT_EQ(muster(zeichnungen(kd.KTab_Hydro_Optim_EU, 11)), hydroEu);
    EXPECT_EQ(zeichnungen(kd.KTab_Hydro_Rough_EU, 11), zeichnungen(kd.KTab_Hydro_Optim_EU, 11));
    EXPECT_EQ(muster(zeichnungen(kd.KTab_Hydro_Optim_US, 14)), hydroUs);
    EXPECT_EQ(zeichnungen(kd.KTab_Hydro_Rough_US, 14), zeichnungen(kd.KTab_Hydro_Optim_US, 14));
    // Row 8: threaded-socket drawing in this one table, first flange drawing in the other three.
    EXPECT_EQ(oelSatz(kd.KTab_AC_Rough_LowNoise_US, 8).Zeichnung_Datei, oelSatz(kd.KTab_AC_Optim_US, 0).Zeichnung_Datei);
    EXPECT_EQ(oelSatz(kd.KTab_AC_Rough_US, 8).Zeichnung_Datei, oelSatz(kd.KTab_AC_Optim_US, 7).Zeichnung_Datei);
    // The four US AC tables use the same three drawings; DC and AC, metric and US use their own.
    EXPECT_EQ(zeichnungen(kd.KTab_AC_Optim_US, 14), zeichnungen(kd.KTab_AC_Rough_US, 14));
    EXPECT_NE(oelSatz(kd.KTab_DC_EU, 0).Zeichnung_Datei, oelSatz(kd.KTab_DC_US, 0).Zeichnung_Datei);
    EXPECT_NE(oelSatz(kd.KTab_AC_Optim_EU, 0).Zeichnung_Datei, oelSatz(kd.KTab_AC_Optim_US, 0).Zeichnung_Datei);
}
