// The documented example values of the performance tables, as the readers evaluate them.
#include "ktab_testhilfe.h"
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
