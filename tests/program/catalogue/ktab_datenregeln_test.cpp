// The rules every size of the AC and DC tables obeys: curve shape, order of the sizes and series,
// pressure drop and type codes. Nothing but these tests guards the catalogue constants.
#include "ktab_regeln.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testhilfe;

TEST(KTabDatenregeln, CurvesArePositiveRisingAndMeetAtTheSwitchOver)
{
    const auto& kd = gefuellt().kd;
    for (const auto& t : alleTabellen()) {
        for (int i = 0; i <= t.letzte; ++i) {
            const KTabSatz& s = oelSatz(kd.*t.tabelle, i);
            EXPECT_EQ(kurveSteigtPositiv(s), std::string()) << t.name << " row " << i;
            EXPECT_EQ(saetzeTreffenSich(s), std::string()) << t.name << " row " << i;
            EXPECT_EQ(druckPlausibel(s), std::string()) << t.name << " row " << i;
        }
    }
}

// So that the search's first fit is the smallest size that suffices.
TEST(KTabDatenregeln, CapacityRisesWithTheSize)
{
    const auto& kd = gefuellt().kd;
    for (const auto& t : alleTabellen())
        for (int i = 0; i < t.letzte; ++i)
            EXPECT_EQ(nichtUeber(oelSatz(kd.*t.tabelle, i), oelSatz(kd.*t.tabelle, i + 1), false), std::string())
                << t.name << " rows " << i << ", " << i + 1;
}

TEST(KTabDatenregeln, RoughBelowOptimAndLowNoiseBelowStandard)
{
    const auto& kd = gefuellt().kd;
    using K = KDaten_Tab;
    struct Paar { const char* name; KTabelle K::*unten; KTabelle K::*oben; int letzte; };
    const Paar paare[] = {
        {"Rough EU", &K::KTab_AC_Rough_EU, &K::KTab_AC_Optim_EU, 11},
        {"Rough US", &K::KTab_AC_Rough_US, &K::KTab_AC_Optim_US, 14},
        {"low noise EU", &K::KTab_AC_Optim_LowNoise_EU, &K::KTab_AC_Optim_EU, 11},
        {"low noise US", &K::KTab_AC_Optim_LowNoise_US, &K::KTab_AC_Optim_US, 14},
        {"Rough low noise EU", &K::KTab_AC_Rough_LowNoise_EU, &K::KTab_AC_Rough_EU, 11},
        {"Rough low noise US", &K::KTab_AC_Rough_LowNoise_US, &K::KTab_AC_Rough_US, 14},
        {"hydraulic Rough EU", &K::KTab_Hydro_Rough_EU, &K::KTab_Hydro_Optim_EU, 11},
        {"hydraulic Rough US", &K::KTab_Hydro_Rough_US, &K::KTab_Hydro_Optim_US, 14},
    };
    for (const Paar& p : paare)
        for (int i = 0; i <= p.letzte; ++i)
            EXPECT_EQ(nichtUeber(oelSatz(kd.*p.unten, i), oelSatz(kd.*p.oben, i), true), std::string())
                << p.name << " row " << i;
}

TEST(KTabDatenregeln, CoefficientShapeOfTheMetricAndUsTables)
{
    const auto& kd = gefuellt().kd;
    for (const auto& t : acDcTabellen()) {
        SCOPED_TRACE(t.name);
        int eineKurve = 0;
        for (int i = 0; i <= t.letzte; ++i) {
            const KTabSatz& s = oelSatz(kd.*t.tabelle, i);
            if (s.Q_Umschalt >= 10000)
                ++eineKurve;
            if (t.us)
                continue;
            // Metric: linear in ln Q below a switch-over of 25 or 50; from the oil's own heat
            // capacity at 1 l/min when it is 25; quadratic and concave above it.
            if (s.Q_Umschalt == 25 || s.Q_Umschalt == 50) {
                EXPECT_EQ(s.Koeff_1[2], 0) << i;
            }
            if (s.Q_Umschalt == 25) {
                EXPECT_TRUE(s.Koeff_1[0] == 0.026 || s.Koeff_1[0] == 0.028 || s.Koeff_1[0] == 0.029)
                    << i << ": " << s.Koeff_1[0];
            }
            EXPECT_LT(s.Q_Umschalt, 10000) << i;
            EXPECT_LT(s.Koeff_2[2], 0) << i;
        }
        if (t.us) {
            EXPECT_GT(2 * eineKurve, t.letzte + 1) << "most US sizes have one range";
        }
    }
}

TEST(KTabDatenregeln, TypeCodesFollowTheSchemeAndShareSizeNumbers)
{
    const auto& kd = gefuellt().kd;
    struct Schema { KTabelle KDaten_Tab::*tabelle; int letzte; const char* praefix; int gruppe; };
    using K = KDaten_Tab;
    // Tables of one group use the same size numbers row by row; different groups use their own.
    const Schema schemata[] = {
        {&K::KTab_DC_EU, 7, "D", 0},
        {&K::KTab_DC_US, 7, "D", 1},
        {&K::KTab_AC_Optim_EU, 11, "A", 2},
        {&K::KTab_AC_Optim_LowNoise_EU, 11, "AL", 2},
        {&K::KTab_AC_Rough_EU, 11, "AR", 2},
        {&K::KTab_AC_Rough_LowNoise_EU, 11, "ARL", 2},
        {&K::KTab_AC_Optim_US, 14, "A", 3},
        {&K::KTab_AC_Optim_LowNoise_US, 14, "AL", 3},
        {&K::KTab_AC_Rough_US, 14, "AR", 3},
        {&K::KTab_AC_Rough_LowNoise_US, 14, "ARL", 3},
        {&K::KTab_Hydro_Optim_EU, 11, "H", 4},
        {&K::KTab_Hydro_Rough_EU, 11, "HR", 4},
        {&K::KTab_Hydro_Optim_US, 14, "H", 5},
        {&K::KTab_Hydro_Rough_US, 14, "HR", 5},
    };
    std::map<int, std::vector<int>> nummern;
    for (const Schema& s : schemata) {
        const QRegularExpression muster(QString("^%1(\\d{2,3})$").arg(s.praefix));
        std::vector<int> n;
        for (int i = 0; i <= s.letzte; ++i) {
            const QString typ = oelSatz(kd.*s.tabelle, i).TypBez;
            const auto m = muster.match(typ);
            ASSERT_TRUE(m.hasMatch()) << typ.toStdString();
            n.push_back(m.captured(1).toInt());
            if (i > 0) {
                EXPECT_GT(n[i], n[i - 1]) << typ.toStdString();
            }
        }
        auto [it, neu] = nummern.emplace(s.gruppe, n);
        if (!neu) {
            EXPECT_EQ(it->second, n) << s.praefix;
        }
    }
    // Metric and US tables of a drive never share a number; DC and AC tables number their own way.
    const std::pair<int, int> verschieden[] = {{0, 1}, {2, 3}, {4, 5}};
    for (auto [eu, us] : verschieden) {
        const std::set<int> a(nummern[eu].begin(), nummern[eu].end());
        for (int v : nummern[us])
            EXPECT_FALSE(a.count(v)) << "groups " << eu << " and " << us << " share " << v;
    }
    EXPECT_NE(nummern[0], std::vector<int>(nummern[2].begin(), nummern[2].begin() + 8));
    EXPECT_NE(nummern[1], std::vector<int>(nummern[3].begin(), nummern[3].begin() + 8));
}
