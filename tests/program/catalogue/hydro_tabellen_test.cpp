// Hydraulic work tables: the measured rows, the step pattern of every size, the not-available
// record, and the data rules over every size and speed step.
#include "ktab_regeln.h"
#include "program/catalogue/ktab_daten.h"
#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testhilfe;

namespace {

struct Arbeitstabelle {
    const char* name;
    HydroVarTabelle KDaten_HC_Tab::*tabelle;
    bool us;
    bool rough;
};

const Arbeitstabelle arbeitstabellen[] = {
    {"HydroVarTab_Optim_EU", &KDaten_HC_Tab::HydroVarTab_Optim_EU, false, false},
    {"HydroVarTab_Rough_EU", &KDaten_HC_Tab::HydroVarTab_Rough_EU, false, true},
    {"HydroVarTab_Optim_US", &KDaten_HC_Tab::HydroVarTab_Optim_US, true, false},
    {"HydroVarTab_Rough_US", &KDaten_HC_Tab::HydroVarTab_Rough_US, true, true},
};

// Permitted steps per size.
const int stufenUS[15][2] = {{4, 7}, {4, 7}, {4, 7}, {4, 7}, {3, 6}, {3, 6}, {2, 5}, {2, 5},
                             {2, 4}, {2, 4}, {2, 4}, {2, 4}, {2, 4}, {1, 3}, {1, 3}};
const int stufenEU[12][2] = {{2, 6}, {2, 6}, {1, 6}, {1, 6}, {1, 5}, {1, 5},
                             {1, 4}, {1, 4}, {1, 4}, {1, 4}, {1, 2}, {1, 2}};

// The last step that repeats the top permitted step (above it: not available up to step 8).
int letzteWiederholung(const Arbeitstabelle& a, int groesse, int stufeMax)
{
    if (!a.us)
        return 7;
    if (!a.rough && (groesse == 4 || groesse == 5 || groesse == 6))
        return 7;
    if (a.rough && groesse == 4)
        return 7;
    return stufeMax;
}

const HydroVarTabelle& tab(const Arbeitstabelle& a) { return gefuellt().hc.*a.tabelle; }

KTabSatz ohneDrehzahl(KTabSatz s)
{
    s.Drehzahl = 0;
    return s;
}

} // namespace

TEST(HydroTabellen, MeasuredMetricRows)
{
    const auto& hc = gefuellt().hc;
    struct Stufe { int s; double k1[2]; double k2[3]; const char* geraeusch; };
    const Stufe groesse0[] = {
        {0, {0.0277, 0.0399}, {0.0754, 0.0336, -0.0026}, "68"}, {1, {0.0277, 0.0399}, {0.0754, 0.0336, -0.0026}, "68"},
        {2, {0.0277, 0.0399}, {0.0754, 0.0336, -0.0026}, "68"}, {3, {0.0278, 0.0485}, {0.0593, 0.0518, -0.0039}, "73"},
        {4, {0.0279, 0.0555}, {0.046, 0.0662, -0.0049}, "77"},  {5, {0.028, 0.0615}, {0.0413, 0.0751, -0.0053}, "80"},
        {6, {0.028, 0.0665}, {0.0117, 0.094, -0.0067}, "84"},   {7, {0.028, 0.0665}, {0.0117, 0.094, -0.0067}, "84"},
    };
    for (const Stufe& e : groesse0) {
        const KTabSatz& s = hc.HydroVarTab_Optim_EU[0][e.s];
        SCOPED_TRACE(e.s);
        EXPECT_EQ(s.Koeff_1, (std::array<double, 7>{e.k1[0], e.k1[1], 0}));
        EXPECT_EQ(s.Koeff_2, (std::array<double, 7>{e.k2[0], e.k2[1], e.k2[2]}));
        EXPECT_EQ(s.Geraeusch, e.geraeusch);
        EXPECT_EQ(s.Drehzahl, (e.s + 1) * 500);
        EXPECT_EQ(s.Q_Umschalt, 25);
        EXPECT_EQ(s.Q_Umschalt_DP, 100);
    }
    EXPECT_FALSE(hc.HydroVarTab_Optim_EU[0][8].isAvailable());
    EXPECT_NEAR(waermeSatz(hc.HydroVarTab_Optim_EU[0][2].Koeff_1, 25), 0.15613, 5e-6);
    EXPECT_NEAR(waermeSatz(hc.HydroVarTab_Optim_EU[0][2].Koeff_2, 25), 0.15662, 5e-6);

    // The Rough fin at the same size and step: its own coefficients, everything else as Optim.
    KTabSatz rough = hc.HydroVarTab_Rough_EU[0][2];
    EXPECT_EQ(rough.Koeff_1, (std::array<double, 7>{0.0275, 0.0332, 0}));
    EXPECT_EQ(rough.Koeff_2, (std::array<double, 7>{0.0732, 0.0254, -0.0019}));
    rough.Koeff_1 = hc.HydroVarTab_Optim_EU[0][2].Koeff_1;
    rough.Koeff_2 = hc.HydroVarTab_Optim_EU[0][2].Koeff_2;
    EXPECT_EQ(rough.TypBez, "HR" + hc.HydroVarTab_Optim_EU[0][2].TypBez.mid(1));
    rough.TypBez = hc.HydroVarTab_Optim_EU[0][2].TypBez;
    EXPECT_EQ(rough, hc.HydroVarTab_Optim_EU[0][2]);

    // The largest size runs at 1450 1/min from step 2 on.
    for (int s = 0; s <= 7; ++s) {
        const KTabSatz& r = hc.HydroVarTab_Optim_EU[11][s];
        SCOPED_TRACE(s);
        const bool hoch = s >= 2;
        EXPECT_EQ(r.Drehzahl, hoch ? 1450 : (s + 1) * 500);
        EXPECT_EQ(r.Geraeusch, hoch ? "98" : "87");
        EXPECT_EQ(r.Koeff_1, hoch ? (std::array<double, 7>{-5.9423, 1.8756, 0}) : (std::array<double, 7>{-5.165, 1.675, 0}));
        EXPECT_EQ(r.Koeff_2,
                  hoch ? (std::array<double, 7>{-19.086, 6.2361, -0.3319}) : (std::array<double, 7>{-16.97, 6.127, -0.4113}));
        EXPECT_EQ(hc.HydroVarTab_Rough_EU[11][s].Drehzahl, r.Drehzahl);
    }
    EXPECT_NEAR(waerme(hc.HydroVarTab_Optim_EU[11][1], 100), 2.5487, 5e-5);
    EXPECT_NEAR(waermeSatz(hc.HydroVarTab_Optim_EU[11][1].Koeff_2, 100), 2.5232, 5e-5);
    EXPECT_NEAR(waerme(hc.HydroVarTab_Optim_EU[11][2], 100), 2.6952, 5e-5);
    EXPECT_NEAR(waermeSatz(hc.HydroVarTab_Optim_EU[11][2].Koeff_2, 100), 2.5935, 5e-5);
}

TEST(HydroTabellen, MeasuredUsRowsAreHeldScaled)
{
    const auto& hc = gefuellt().hc;
    for (int s = 0; s <= 4; ++s) {
        const KTabSatz& r = hc.HydroVarTab_Optim_US[0][s];
        SCOPED_TRACE(s);
        EXPECT_NEAR(r.Koeff_1[0], 0.06705, 1e-12);
        EXPECT_NEAR(r.Koeff_1[1], 0.0147168, 1e-12);
        EXPECT_EQ(r.Koeff_1[2], 0);
        EXPECT_NEAR(r.Koeff_2[0], -0.0315, 1e-12);
        EXPECT_NEAR(r.Koeff_2[1], 0.064098, 1e-12);
        EXPECT_NEAR(r.Koeff_2[2], -0.00612, 1e-12);
        EXPECT_TRUE(r.Geraeusch.isEmpty());
    }
    EXPECT_NEAR(waermeSatz(hc.HydroVarTab_Optim_US[0][4].Koeff_1, 37.9), 0.12054, 5e-6);
    EXPECT_NEAR(waermeSatz(hc.HydroVarTab_Optim_US[0][4].Koeff_2, 37.9), 0.12063, 5e-6);
    for (int s = 0; s <= 1; ++s) {
        const KTabSatz& r = hc.HydroVarTab_Optim_US[14][s];
        EXPECT_NEAR(r.Koeff_1[0], -12.6522, 1e-9);
        EXPECT_NEAR(r.Koeff_1[1], 4.725, 1e-9);
        EXPECT_NEAR(r.Koeff_1[2], -0.32112, 1e-9);
        EXPECT_EQ(r.Q_Umschalt, 10000);
        EXPECT_EQ(r.Koeff_2, (std::array<double, 7>{}));
    }
    for (int s = 4; s <= 8; ++s)
        EXPECT_FALSE(hc.HydroVarTab_Optim_US[14][s].isAvailable()) << s;

    // As entered, before the scaling by 0.18.
    auto eingetragen = [](int groesse, int stufe) -> const daten::HydroBlock* {
        for (const daten::HydroBlock& b : daten::Hydro_Optim_US.bloecke)
            if (b.groesse == groesse && b.von <= stufe && stufe <= b.bis)
                return &b;
        return nullptr;
    };
    const daten::HydroBlock* g0 = eingetragen(0, 4);
    ASSERT_NE(g0, nullptr);
    EXPECT_EQ(g0->von, 0);
    EXPECT_EQ(g0->Koeff_1, (std::array<double, 3>{0.3725, 0.08176, 0}));
    EXPECT_EQ(g0->Koeff_2, (std::array<double, 3>{-0.175, 0.3561, -0.034}));
    const daten::HydroBlock* g14 = eingetragen(14, 1);
    ASSERT_NE(g14, nullptr);
    EXPECT_EQ(g14->Koeff_1, (std::array<double, 3>{-70.29, 26.25, -1.784}));
}

// Steps below the lowest permitted one hold its data; every permitted step its own; above the top
// step the table either repeats it or holds the not-available record; step 8 is never available.
TEST(HydroTabellen, StepPatternOfEverySize)
{
    for (const Arbeitstabelle& a : arbeitstabellen) {
        const HydroVarTabelle& t = tab(a);
        const int letzte = a.us ? TypMaxUS : TypMaxEU;
        for (int g = 0; g <= letzte; ++g) {
            const int smin = a.us ? stufenUS[g][0] : stufenEU[g][0];
            const int smax = a.us ? stufenUS[g][1] : stufenEU[g][1];
            const int wiederholtBis = letzteWiederholung(a, g, smax);
            const QString zeichnung = t[g][0].Zeichnung_Datei;
            SCOPED_TRACE(testing::Message() << a.name << " size " << g);
            for (int s = 0; s < HydroStufen; ++s) {
                const KTabSatz& r = t[g][s];
                SCOPED_TRACE(s);
                EXPECT_EQ(r.Stufe_min, smin);
                EXPECT_EQ(r.Stufe_max, smax);
                EXPECT_EQ(r.Zeichnung_Datei, zeichnung);
                const bool spezial = !a.us && g == 11 && s >= 2 && s <= 7;
                EXPECT_EQ(r.Drehzahl, spezial ? 1450 : drehzahlDerStufe(s));
                if (s < smin) {
                    EXPECT_EQ(ohneDrehzahl(r), ohneDrehzahl(t[g][smin]));
                } else if (s <= smax) {
                    EXPECT_TRUE(r.isAvailable());
                    EXPECT_EQ(r.TypBez, t[g][smin].TypBez);
                } else if (s <= wiederholtBis) {
                    EXPECT_EQ(ohneDrehzahl(r), ohneDrehzahl(t[g][smax]));
                } else {
                    KTabSatz na = nichtVerfuegbarerSatz(smin, smax, zeichnung, s);
                    // The US Rough table keeps the pressure drop of the Optim table at the same step.
                    if (a.rough && a.us)
                        kopiereDruckfelder(na, gefuellt().hc.HydroVarTab_Optim_US[g][s]);
                    EXPECT_EQ(r, na);
                }
            }
        }
    }
}

TEST(HydroTabellen, PerSizeValuesAndFlowExceptions)
{
    struct Groesse { double qu, qmin, qmax, dp[5]; };
    const Groesse us[15] = {
        {37.9, 19, 113.5, {1.0819, 2.508, 10000, 0, 0}},   {37.9, 19, 113.5, {1.1014, 1.9912, 10000, 0, 0}},
        {10000, 37.9, 189, {1.1315, 1.8595, 10000, 0, 0}}, {10000, 37.9, 189, {1.1382, 1.3482, 137.9, 1.291, 0.6013}},
        {10000, 37.9, 189, {1.0575, 2.2352, 10000, 0, 0}}, {10000, 37.9, 189, {1.0585, 2.2062, 10000, 0, 0}},
        {10000, 37.9, 302, {1.0689, 1.6463, 172.4, 1.1461, 1.2566}}, {10000, 37.9, 302, {1.0846, 1.6187, 10000, 0, 0}},
        {10000, 37.9, 757, {1.0331, 1.8081, 10000, 0, 0}}, {10000, 95, 757, {1.0475, 1.5491, 10000, 0, 0}},
        {10000, 95, 757, {1.0493, 1.4852, 10000, 0, 0}},   {10000, 95, 757, {1.0523, 1.3856, 10000, 0, 0}},
        {10000, 95, 757, {1.0598, 1.1645, 10000, 0, 0}},   {10000, 113.6, 1136, {1.029, 1.1888, 10000, 0, 0}},
        {10000, 113.6, 1136, {1.0314, 1.0264, 10000, 0, 0}},
    };
    const Groesse eu[12] = {
        {25, 1, 400, {1.0432, 2.0042, 100, 1.217, 1.2329}},  {25, 1, 350, {1.0509, 1.7195, 100, 1.3108, 0.5525}},
        {25, 1, 500, {1.0257, 2.3367, 150, 1.1692, 1.613}},  {25, 1, 500, {1.0263, 2.2865, 150, 1.1392, 1.7293}},
        {25, 1, 550, {1.0345, 1.7426, 150, 1.2159, 0.8475}}, {25, 1, 650, {1.0382, 1.8108, 200, 1.2393, 0.769}},
        {50, 25, 700, {1.0268, 1.6839, 200, 1.149, 1.0447}}, {50, 25, 800, {1.0176, 1.6101, 10000, 0, 0}},
        {50, 25, 800, {1.0179, 1.5257, 10000, 0, 0}},        {50, 25, 800, {1.0362, 1.2955, 10000, 0, 0}},
        {100, 50, 800, {1.0191, 1.2473, 10000, 0, 0}},       {100, 50, 950, {1.0212, 1.0665, 10000, 0, 0}},
    };
    for (const Arbeitstabelle& a : arbeitstabellen) {
        const HydroVarTabelle& t = tab(a);
        const int letzte = a.us ? TypMaxUS : TypMaxEU;
        for (int g = 0; g <= letzte; ++g) {
            const Groesse& e = a.us ? us[g] : eu[g];
            for (int s = 0; s <= 7; ++s) {
                const KTabSatz& r = t[g][s];
                if (!r.isAvailable())
                    continue;
                SCOPED_TRACE(testing::Message() << a.name << " size " << g << " step " << s);
                EXPECT_EQ(r.Q_Umschalt, e.qu);
                EXPECT_EQ((std::array<double, 5>{r.DP_Exp_1, r.DP_Ln_1, r.Q_Umschalt_DP, r.DP_Exp_2, r.DP_Ln_2}),
                          (std::array<double, 5>{e.dp[0], e.dp[1], e.dp[2], e.dp[3], e.dp[4]}));
                double qmin = e.qmin;
                double qmax = e.qmax;
                if (!a.us && s >= 4 && (g == 8 || g == 9 || (g == 7 && !a.rough)))
                    qmin = 50;
                if (!a.us && !a.rough && g == 7 && s == 3)
                    qmax = 700;
                EXPECT_EQ(r.Q_min, qmin);
                EXPECT_EQ(r.Q_max, qmax);
            }
        }
    }
}

TEST(HydroTabellen, RoughCopiesPressureDropAndInTheMetricRegionNoiseAndDrawing)
{
    const auto& hc = gefuellt().hc;
    for (bool us : {false, true}) {
        const HydroVarTabelle& o = us ? hc.HydroVarTab_Optim_US : hc.HydroVarTab_Optim_EU;
        const HydroVarTabelle& r = us ? hc.HydroVarTab_Rough_US : hc.HydroVarTab_Rough_EU;
        for (std::size_t g = 0; g < o.size(); ++g)
            for (int s = 0; s < HydroStufen; ++s) {
                SCOPED_TRACE(testing::Message() << (us ? "US" : "EU") << " size " << g << " step " << s);
                KTabSatz druckNurOptim;
                kopiereDruckfelder(druckNurOptim, o[g][s]);
                KTabSatz druckNurRough;
                kopiereDruckfelder(druckNurRough, r[g][s]);
                EXPECT_EQ(druckNurRough, druckNurOptim);
                EXPECT_EQ(r[g][s].Stufe_min, o[g][s].Stufe_min);
                EXPECT_EQ(r[g][s].Stufe_max, o[g][s].Stufe_max);
                EXPECT_EQ(r[g][s].Zeichnung_Datei, o[g][s].Zeichnung_Datei);
                if (us) {
                    EXPECT_TRUE(r[g][s].Geraeusch.isEmpty());
                    EXPECT_TRUE(o[g][s].Geraeusch.isEmpty());
                } else {
                    EXPECT_EQ(r[g][s].Geraeusch, o[g][s].Geraeusch);
                }
            }
    }
}

// The row after the last size: nothing but a drawing name in every step.
TEST(HydroTabellen, PlaceholderRowHoldsOnlyADrawing)
{
    for (const Arbeitstabelle& a : arbeitstabellen) {
        const HydroVarTabelle& t = tab(a);
        ASSERT_EQ(static_cast<int>(t.size()), (a.us ? TypMaxUS : TypMaxEU) + 2);
        for (KTabSatz r : t.back()) {
            EXPECT_TRUE(r.Zeichnung_Datei.endsWith(".svg")) << a.name;
            r.Zeichnung_Datei.clear();
            EXPECT_EQ(r, KTabSatz{}) << a.name;
        }
    }
}

TEST(HydroTabellen, CurvesRiseWithFlowStepAndSizeAndRoughStaysBelowOptim)
{
    const auto& hc = gefuellt().hc;
    for (const Arbeitstabelle& a : arbeitstabellen) {
        const HydroVarTabelle& t = tab(a);
        const int letzte = a.us ? TypMaxUS : TypMaxEU;
        for (int g = 0; g <= letzte; ++g) {
            for (int s = 0; s < HydroStufen; ++s) {
                const KTabSatz& r = t[g][s];
                if (!r.isAvailable())
                    continue;
                SCOPED_TRACE(testing::Message() << a.name << " size " << g << " step " << s);
                EXPECT_EQ(kurveSteigtPositiv(r), std::string());
                EXPECT_EQ(saetzeTreffenSich(r), std::string());
                EXPECT_EQ(druckPlausibel(r), std::string());
                for (int k = 3; k < 7; ++k) {
                    EXPECT_EQ(r.Koeff_1[k], 0);
                    EXPECT_EQ(r.Koeff_2[k], 0);
                }
                if (!a.us) {
                    if (r.Q_Umschalt == 25) {
                        EXPECT_GE(r.Koeff_1[0], 0.026);
                        EXPECT_LE(r.Koeff_1[0], 0.029);
                    }
                    if (r.Q_Umschalt <= 50) {
                        EXPECT_EQ(r.Koeff_1[2], 0);
                    }
                    EXPECT_LT(r.Koeff_2[2], 0);
                    const int db = r.Geraeusch.toInt();
                    EXPECT_TRUE(db >= 68 && db <= 99) << r.Geraeusch.toStdString();
                }
                // A faster fan cools more at every flow (the top step of the size is its fastest).
                if (s >= r.Stufe_min && s < r.Stufe_max) {
                    EXPECT_EQ(nichtUeber(r, t[g][s + 1], true), std::string()) << "step " << s + 1;
                    if (!a.us) {
                        EXPECT_LT(r.Geraeusch.toInt(), t[g][s + 1].Geraeusch.toInt());
                    }
                }
                // Whatever step the tables hold, a larger size is no weaker at a common flow.
                if (g < letzte && t[g + 1][s].isAvailable()) {
                    EXPECT_EQ(nichtUeber(r, t[g + 1][s], false), std::string()) << "size " << g + 1;
                }
                if (a.rough) {
                    const HydroVarTabelle& o = a.us ? hc.HydroVarTab_Optim_US : hc.HydroVarTab_Optim_EU;
                    EXPECT_EQ(nichtUeber(r, o[g][s], true), std::string()) << "Optim";
                }
            }
        }
    }
}
