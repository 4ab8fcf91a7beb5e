// The speed step as catalogue state: start-up contents of the hydraulic performance tables and the
// copy of the current step into the region in force.
#include "ktab_testhilfe.h"
#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testhilfe;

namespace {

struct Region {
    KTabelle KDaten_Tab::*optim;
    KTabelle KDaten_Tab::*rough;
    HydroVarTabelle KDaten_HC_Tab::*varOptim;
    HydroVarTabelle KDaten_HC_Tab::*varRough;
};
const Region EU{&KDaten_Tab::KTab_Hydro_Optim_EU, &KDaten_Tab::KTab_Hydro_Rough_EU,
                &KDaten_HC_Tab::HydroVarTab_Optim_EU, &KDaten_HC_Tab::HydroVarTab_Rough_EU};
const Region US{&KDaten_Tab::KTab_Hydro_Optim_US, &KDaten_Tab::KTab_Hydro_Rough_US,
                &KDaten_HC_Tab::HydroVarTab_Optim_US, &KDaten_HC_Tab::HydroVarTab_Rough_US};

// Both performance tables of the region hold step s of their work table in every declared row,
// and an empty water-glycol column.
void haeltStufe(const KDaten_Tab& kd, const KDaten_HC_Tab& hc, const Region& r, int s)
{
    for (auto [tabelle, var] : {std::pair{r.optim, r.varOptim}, std::pair{r.rough, r.varRough}}) {
        const KTabelle& t = kd.*tabelle;
        ASSERT_EQ(t.size(), (hc.*var).size());
        for (std::size_t i = 0; i < t.size(); ++i) {
            EXPECT_EQ(t[i][MediumOel], (hc.*var)[i][static_cast<std::size_t>(s)]) << "row " << i << " step " << s;
            EXPECT_EQ(t[i][MediumWasserGlykol], KTabSatz{}) << "row " << i;
        }
    }
}

class HydroStufe : public testing::Test {
protected:
    void SetUp() override { Init_KuehlerTabellen(kd, hc); }
    KDaten_Tab kd;
    KDaten_HC_Tab hc;
};

} // namespace

TEST_F(HydroStufe, StartUpHoldsStepOneInBothRegions)
{
    EXPECT_EQ(hc.Hydro_Drehzahl, 1);
    haeltStufe(kd, hc, EU, 1);
    haeltStufe(kd, hc, US, 1);
    // Step 1 is below every size's lowest permitted step or equal to it: its data at 1000 1/min.
    const KTabSatz& eu0 = oelSatz(kd.KTab_Hydro_Optim_EU, 0);
    EXPECT_EQ(eu0.Koeff_1, (std::array<double, 7>{0.0277, 0.0399, 0}));
    EXPECT_EQ(eu0.Geraeusch, "68");
    EXPECT_EQ(eu0.Drehzahl, 1000);
    const KTabSatz& us0 = oelSatz(kd.KTab_Hydro_Optim_US, 0);
    EXPECT_NEAR(us0.Koeff_1[0], 0.06705, 1e-12);
    EXPECT_EQ(us0.Drehzahl, 1000);
    for (int i = 0; i <= TypMaxUS; ++i)
        EXPECT_TRUE(oelSatz(kd.KTab_Hydro_Rough_US, i).isAvailable()) << i;
}

TEST_F(HydroStufe, UsStepFiveLeavesTheLargeSizesNotAvailable)
{
    kd.Region_US = true;
    setzeHydroStufe(hc, 5);
    Hydro_Stufe_anwenden(kd, hc);
    haeltStufe(kd, hc, US, 5);
    haeltStufe(kd, hc, EU, 1); // the other region keeps its step
    EXPECT_EQ(hc.stufeInTabellenUS, 5);
    EXPECT_EQ(hc.stufeInTabellenEU, 1);
    for (auto* t : {&kd.KTab_Hydro_Optim_US, &kd.KTab_Hydro_Rough_US})
        for (int i = 0; i <= TypMaxUS; ++i) {
            const KTabSatz& s = oelSatz(*t, i);
            EXPECT_EQ(s.isAvailable(), i <= 7) << i;
            EXPECT_EQ(s.Drehzahl, 3000) << i;
            if (!s.isAvailable()) {
                EXPECT_EQ(s.Q_max, 1) << i;
                EXPECT_EQ(waerme(s, 0.5), 0) << i;
            }
        }
}

TEST_F(HydroStufe, MetricStepsZeroToSevenAlwaysOfferEverySize)
{
    for (int s = 0; s <= 7; ++s) {
        setzeHydroStufe(hc, s);
        Hydro_Stufe_anwenden(kd, hc);
        for (int i = 0; i <= TypMaxEU; ++i) {
            EXPECT_TRUE(oelSatz(kd.KTab_Hydro_Optim_EU, i).isAvailable()) << i << " step " << s;
            EXPECT_TRUE(oelSatz(kd.KTab_Hydro_Rough_EU, i).isAvailable()) << i << " step " << s;
        }
    }
    // Step 7: the largest size stays at its top speed, 1450 1/min.
    const KTabSatz& g11 = oelSatz(kd.KTab_Hydro_Optim_EU, 11);
    EXPECT_EQ(g11.Drehzahl, 1450);
    EXPECT_EQ(g11.Geraeusch, "98");
    EXPECT_EQ(g11.Koeff_1, hc.HydroVarTab_Optim_EU[11][2].Koeff_1);
    setzeHydroStufe(hc, 8);
    Hydro_Stufe_anwenden(kd, hc);
    for (int i = 0; i <= TypMaxEU; ++i)
        EXPECT_FALSE(oelSatz(kd.KTab_Hydro_Optim_EU, i).isAvailable()) << i;
}

// The step chosen in one region is applied to the other region's tables as soon as that region
// is in force: the tables never hold a step other than the current one when they are read.
TEST_F(HydroStufe, CurrentStepFollowsARegionChange)
{
    setzeHydroStufe(hc, 3);
    Hydro_Stufe_anwenden(kd, hc);
    haeltStufe(kd, hc, EU, 3);
    haeltStufe(kd, hc, US, 1);
    kd.Region_US = true;
    Hydro_Stufe_anwenden(kd, hc);
    haeltStufe(kd, hc, US, 3);
    EXPECT_EQ(hc.stufeInTabellenUS, 3);
    EXPECT_EQ(oelSatz(kd.KTab_Hydro_Optim_US, 6).Drehzahl, 2000);
}

TEST_F(HydroStufe, StepOutsideZeroToEightIsRefused)
{
    setzeHydroStufe(hc, 4);
    for (int s : {-1, 9}) {
        try {
            setzeHydroStufe(hc, s);
            ADD_FAILURE() << "step " << s << " accepted";
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), 9);
        }
        EXPECT_THROW(kopiereHydroStufe(kd, hc, false, s), common::Error);
    }
    EXPECT_EQ(hc.Hydro_Drehzahl, 4);
    haeltStufe(kd, hc, EU, 1);
}
