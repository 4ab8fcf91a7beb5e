// Reference values of the measured sizes, as the readers evaluate them.
#include "ktab_testhilfe.h"
#include "program/catalogue/ktab_daten.h"
#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testhilfe;

TEST(KTabWerte, DcMetricRowZero)
{
    const KTabSatz& s = oelSatz(gefuellt().kd.KTab_DC_EU, 0);
    // At the switch-over flow the first set applies; the second set agrees to within a few per cent.
    EXPECT_NEAR(waerme(s, 25), 0.0920, 5e-5);
    EXPECT_NEAR(waermeSatz(s.Koeff_1, 25), 0.09199, 5e-6);
    EXPECT_NEAR(waermeSatz(s.Koeff_2, 25), 0.09202, 5e-6);
    EXPECT_NEAR(waerme(s, 100), 0.1039, 5e-5);
    EXPECT_NEAR(druck(s, 25), 369.9, 0.05);
    EXPECT_NEAR(druck(s, 200), 3511, 0.5);
}

TEST(KTabWerte, AcMetricRowsAsGiven)
{
    const auto& t = gefuellt().kd.KTab_AC_Optim_EU;
    EXPECT_NEAR(waerme(oelSatz(t, 0), 25), 0.2300, 5e-5);
    EXPECT_NEAR(waermeSatz(oelSatz(t, 0).Koeff_2, 25), 0.2302, 5e-5);
    EXPECT_NEAR(waerme(oelSatz(t, 0), 200), 0.3129, 5e-5);
    EXPECT_NEAR(druck(oelSatz(t, 0), 200), 2600, 0.5);
    EXPECT_NEAR(waermeSatz(oelSatz(t, 7).Koeff_1, 50), 1.1708, 5e-5);
    EXPECT_NEAR(waermeSatz(oelSatz(t, 7).Koeff_2, 50), 1.1638, 5e-5);
    EXPECT_NEAR(waermeSatz(oelSatz(t, 11).Koeff_1, 100), 2.6843, 5e-5);
    EXPECT_NEAR(waermeSatz(oelSatz(t, 11).Koeff_2, 100), 2.5856, 5e-5);
    const KTabSatz& rln = oelSatz(gefuellt().kd.KTab_AC_Rough_LowNoise_EU, 0);
    EXPECT_NEAR(waermeSatz(rln.Koeff_1, 25), 0.13998, 5e-6);
    EXPECT_NEAR(waermeSatz(rln.Koeff_2, 25), 0.14022, 5e-6);
}

// The US tables are entered larger than the readers use them; the filler scales indices 0..2.
TEST(KTabWerte, UsRowsAsWrittenAndAsScaled)
{
    const auto& kd = gefuellt().kd;
    const KTabSatz& ac2 = oelSatz(kd.KTab_AC_Optim_US, 2);
    EXPECT_NEAR(waerme(ac2, 100), 0.3092, 5e-5);
    EXPECT_NEAR(waerme(ac2, 100) / SkalierungUS_AC, 0.8589, 5e-5);
    const KTabSatz& dc0 = oelSatz(kd.KTab_DC_US, 0);
    EXPECT_NEAR(waerme(dc0, 100), 0.1339, 5e-5);
    EXPECT_NEAR(waerme(dc0, 100) / SkalierungUS_DC, 0.7440, 5e-5);
    const KTabSatz& ac14 = oelSatz(kd.KTab_AC_Optim_US, 14);
    EXPECT_NEAR(waermeSatz(ac14.Koeff_1, 568) / SkalierungUS_AC, 18.098, 5e-4);
    EXPECT_NEAR(waermeSatz(ac14.Koeff_2, 568) / SkalierungUS_AC, 18.025, 5e-4);
    EXPECT_DOUBLE_EQ(ac14.Koeff_1[0], -38.156 * 0.36);
    EXPECT_DOUBLE_EQ(ac14.Koeff_2[2], -1.7728 * 0.36);
    // Flows and pressure drop keep their written values.
    EXPECT_EQ(ac14.Q_Umschalt, 568);
    EXPECT_EQ(ac14.DP_Exp_1, 1.0314);
    EXPECT_EQ(ac14.DP_Ln_1, 1.0264);
    EXPECT_EQ(ac14.Q_max, 1135.6);
}

namespace {

std::vector<double> spalte(const KTabelle& t, int letzte, double KTabSatz::*feld)
{
    std::vector<double> v;
    for (int i = 0; i <= letzte; ++i)
        v.push_back(oelSatz(t, i).*feld);
    return v;
}

std::vector<double> wiederhole(std::initializer_list<std::pair<double, int>> teile)
{
    std::vector<double> v;
    for (auto [wert, anzahl] : teile)
        v.insert(v.end(), static_cast<std::size_t>(anzahl), wert);
    return v;
}

} // namespace

TEST(KTabWerte, PublishedFlowData)
{
    const auto& kd = gefuellt().kd;
    using K = KDaten_Tab;
    struct Fluss {
        const char* name;
        KTabelle K::*tabelle;
        std::vector<double> qu, qmin, qmax, quDp;
    };
    const auto acEuQmax = std::vector<double>{200, 350, 500, 500, 550, 650, 700, 800, 800, 800, 800, 950};
    const auto acEuQuDp = std::vector<double>{35, 57, 116, 106, 150, 200, 200, 10000, 10000, 10000, 10000, 10000};
    const auto usQmin = wiederhole({{19, 2}, {37.9, 7}, {94.6, 4}, {113.6, 2}});
    const auto usQmax = wiederhole({{113.5, 2}, {189.3, 2}, {302.8, 4}, {757.1, 5}, {1135.6, 2}});
    const auto usQuDp = std::vector<double>{10000, 10000, 10000, 137.9, 10000, 10000, 172.4, 10000,
                                            10000, 10000, 10000, 10000, 10000, 10000, 10000};
    const Fluss faelle[] = {
        {"DC EU", &K::KTab_DC_EU, wiederhole({{25, 8}}), wiederhole({{1, 8}}),
         {200, 200, 300, 400, 450, 350, 400, 400}, {125, 10000, 125, 163, 150, 175, 10000, 10000}},
        {"DC US", &K::KTab_DC_US, wiederhole({{10000, 8}}), wiederhole({{37.9, 8}}),
         wiederhole({{189.3, 3}, {302.8, 5}}), {10000, 10000, 10000, 10000, 138, 10000, 10000, 10000}},
        {"AC Optim EU", &K::KTab_AC_Optim_EU, wiederhole({{25, 7}, {50, 3}, {100, 2}}),
         wiederhole({{1, 7}, {25, 5}}), acEuQmax, acEuQuDp},
        {"AC Rough EU", &K::KTab_AC_Rough_EU, wiederhole({{25, 7}, {50, 3}, {100, 2}}),
         wiederhole({{1, 7}, {25, 5}}), acEuQmax, acEuQuDp},
        {"AC Optim low noise EU", &K::KTab_AC_Optim_LowNoise_EU, wiederhole({{25, 9}, {50, 1}, {100, 2}}),
         wiederhole({{1, 9}, {25, 3}}), acEuQmax, acEuQuDp},
        {"AC Rough low noise EU", &K::KTab_AC_Rough_LowNoise_EU, wiederhole({{25, 9}, {50, 2}, {100, 1}}),
         wiederhole({{1, 9}, {25, 3}}), acEuQmax, acEuQuDp},
        {"AC Optim US", &K::KTab_AC_Optim_US, wiederhole({{37.9, 2}, {10000, 11}, {568, 2}}), usQmin, usQmax, usQuDp},
        {"AC Rough US", &K::KTab_AC_Rough_US, wiederhole({{37.9, 2}, {10000, 12}, {568, 1}}), usQmin, usQmax, usQuDp},
        {"AC Optim low noise US", &K::KTab_AC_Optim_LowNoise_US, wiederhole({{37.9, 2}, {10000, 13}}), usQmin,
         usQmax, usQuDp},
        {"AC Rough low noise US", &K::KTab_AC_Rough_LowNoise_US, wiederhole({{37.9, 2}, {10000, 13}}), usQmin,
         usQmax, usQuDp},
    };
    for (const Fluss& f : faelle) {
        SCOPED_TRACE(f.name);
        const int letzte = static_cast<int>(f.qu.size()) - 1;
        EXPECT_EQ(spalte(kd.*f.tabelle, letzte, &KTabSatz::Q_Umschalt), f.qu);
        EXPECT_EQ(spalte(kd.*f.tabelle, letzte, &KTabSatz::Q_min), f.qmin);
        EXPECT_EQ(spalte(kd.*f.tabelle, letzte, &KTabSatz::Q_max), f.qmax);
        EXPECT_EQ(spalte(kd.*f.tabelle, letzte, &KTabSatz::Q_Umschalt_DP), f.quDp);
    }
}

TEST(KTabWerte, MetricAcNoiseLists)
{
    const auto& kd = gefuellt().kd;
    struct Liste { KTabelle KDaten_Tab::*tabelle; std::array<int, 12> db; };
    const Liste listen[] = {
        {&KDaten_Tab::KTab_AC_Optim_EU, {80, 83, 81, 80, 81, 80, 82, 80, 86, 88, 94, 98}},
        {&KDaten_Tab::KTab_AC_Optim_LowNoise_EU, {68, 78, 71, 72, 73, 74, 74, 75, 77, 77, 85, 89}},
        {&KDaten_Tab::KTab_AC_Rough_EU, {68, 70, 81, 80, 81, 83, 82, 80, 86, 88, 94, 98}},
        {&KDaten_Tab::KTab_AC_Rough_LowNoise_EU, {68, 70, 71, 72, 73, 74, 74, 75, 77, 77, 85, 89}},
    };
    for (const Liste& l : listen)
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(oelSatz(kd.*l.tabelle, i).Geraeusch, QString::number(l.db[i])) << i;
}

// Rows given in full: every number as the filler holds it.
TEST(KTabWerte, DcMetricTableInFull)
{
    const double k[8][5] = {
        {0.026, 0.0205, 0.03614, 0.02349, -0.001904}, {0.029, 0.04722, -0.01908, 0.0831, -0.006471},
        {0.029, 0.05716, 0.003213, 0.08761, -0.0069}, {0.029, 0.08761, -0.115, 0.1769, -0.01367},
        {0.029, 0.1003, -0.1689, 0.2164, -0.01672},   {0.029, 0.1202, -0.3584, 0.3251, -0.02611},
        {0.029, 0.1454, -0.7093, 0.4974, -0.03792},   {0.029, 0.1591, -0.9838, 0.6296, -0.04834},
    };
    const double dp[8][4] = {
        {1.0337, 2.5858, 1.2163, 1.7192}, {1.026, 2.6168, 0, 0},      {1.0291, 1.9479, 1.1349, 1.4524},
        {1.0353, 1.9959, 1.1708, 1.3071}, {1.0395, 1.5423, 1.2305, 0.6065}, {1.03, 2.1786, 1.1345, 1.6605},
        {1.0354, 2.6712, 0, 0},           {1.0467, 2.194, 0, 0},
    };
    const auto& t = gefuellt().kd.KTab_DC_EU;
    for (int i = 0; i < 8; ++i) {
        const KTabSatz& s = oelSatz(t, i);
        EXPECT_EQ(s.Koeff_1, (std::array<double, 7>{k[i][0], k[i][1], 0})) << i;
        EXPECT_EQ(s.Koeff_2, (std::array<double, 7>{k[i][2], k[i][3], k[i][4]})) << i;
        EXPECT_EQ((std::array<double, 4>{s.DP_Exp_1, s.DP_Ln_1, s.DP_Exp_2, s.DP_Ln_2}),
                  (std::array<double, 4>{dp[i][0], dp[i][1], dp[i][2], dp[i][3]}))
            << i;
    }
}

// The telling rows of the other tables, as written (before any scaling) and, where the table
// carries them itself, with their pressure-drop fields.
TEST(KTabWerte, TellingRowsAsWritten)
{
    struct Zeile {
        const daten::KTabDaten* d;
        int i;
        std::array<double, 3> k1;
        double qu;
        std::array<double, 3> k2;
        std::array<double, 5> dp; // all 0: copied from the Optim table
    };
    const Zeile zeilen[] = {
        {&daten::AC_Optim_EU, 0, {0.028, 0.06275, 0}, 25, {-0.05749, 0.1195, -0.009359}, {1.0239, 2.2744, 35, 1.1173, 1.9435}},
        {&daten::AC_Optim_EU, 7, {-1.606, 0.7098, 0}, 50, {-4.326, 1.897, -0.1262}, {1.018, 1.5015, 10000, 0, 0}},
        {&daten::AC_Optim_EU, 11, {5.27, -3.413, 0.6192}, 100, {-17.14, 5.454, -0.2542}, {1.0212, 1.0665, 10000, 0, 0}},
        {&daten::AC_Rough_LowNoise_EU, 0, {0.028, 0.03479, 0}, 25, {0.03792, 0.04342, -0.003616}, {}},
        {&daten::DC_US, 0, {0.04202, 0.252, -0.02162}, 10000, {0, 0, 0}, {1.2434, 1.5507, 10000, 0, 0}},
        {&daten::AC_Optim_US, 0, {0.259, 0.03873, 0}, 37.9, {0.1994, 0.05491, 0.00002338}, {1.0661, 2.5817, 10000, 0, 0}},
        {&daten::AC_Optim_US, 2, {-0.3041, 0.3779, -0.02722}, 10000, {0, 0, 0}, {1.1315, 1.8595, 10000, 0, 0}},
        {&daten::AC_Optim_US, 14, {-38.156, 12.013, -0.4956}, 568, {-86.662, 27.75, -1.7728}, {1.0314, 1.0264, 10000, 0, 0}},
    };
    for (const Zeile& z : zeilen) {
        const daten::KZeile& r = z.d->zeilen[static_cast<std::size_t>(z.i)];
        SCOPED_TRACE(testing::Message() << r.TypBez);
        EXPECT_EQ(r.Koeff_1, z.k1);
        EXPECT_EQ(r.Q_Umschalt, z.qu);
        EXPECT_EQ(r.Koeff_2, z.k2);
        if (z.dp != std::array<double, 5>{}) {
            EXPECT_EQ(r.Druck, z.dp);
        }
    }
    // The metric Rough low-noise row takes its pressure drop from the Optim row.
    const KTabSatz& rln = oelSatz(gefuellt().kd.KTab_AC_Rough_LowNoise_EU, 0);
    EXPECT_EQ(rln.Q_Umschalt_DP, 35);
    EXPECT_EQ(rln.DP_Ln_2, 1.9435);
}
