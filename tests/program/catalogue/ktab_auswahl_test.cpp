// The series-and-region rule that picks a performance table and its last usable row.
#include "ktab_testhilfe.h"
#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testhilfe;

TEST(KTabAuswahl, EverySeriesInBothRegions)
{
    using K = KDaten_Tab;
    struct Fall {
        long baureihe;
        bool us;
        KTabelle K::*erwartet; // nullptr: no table
        int typMax;
    };
    const Fall faelle[] = {
        {DC_12V, false, &K::KTab_DC_EU, 7},
        {DC_24V, false, &K::KTab_DC_EU, 7},
        {DC_12V, true, &K::KTab_DC_US, 7},
        {DC_24V, true, &K::KTab_DC_US, 7},
        {AC_Optim, false, &K::KTab_AC_Optim_EU, 11},
        {AC_Optim, true, &K::KTab_AC_Optim_US, 14},
        {AC_Optim_LowNoise, false, &K::KTab_AC_Optim_LowNoise_EU, 11},
        {AC_Optim_LowNoise, true, &K::KTab_AC_Optim_LowNoise_US, 14},
        {AC_Rough, false, &K::KTab_AC_Rough_EU, 11},
        {AC_Rough, true, &K::KTab_AC_Rough_US, 14},
        {AC_Rough_LowNoise, false, &K::KTab_AC_Rough_LowNoise_EU, 11},
        {AC_Rough_LowNoise, true, &K::KTab_AC_Rough_LowNoise_US, 14},
        {Hydro_Optim, false, &K::KTab_Hydro_Optim_EU, 11},
        {Hydro_Optim, true, &K::KTab_Hydro_Optim_US, 14},
        {Hydro_Rough, false, &K::KTab_Hydro_Rough_EU, 11},
        {Hydro_Rough, true, &K::KTab_Hydro_Rough_US, 14},
        {0, false, nullptr, 0},
        {0, true, nullptr, 0},
        {9, true, nullptr, 0},
        {-1, false, nullptr, 0},
    };
    const KDaten_Tab& kd = gefuellt().kd;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "series " << f.baureihe << (f.us ? " US" : " EU"));
        int typMax = -99;
        const KTabelle* t = waehleTabelle(kd, f.baureihe, f.us, typMax);
        EXPECT_EQ(t, f.erwartet ? &(kd.*f.erwartet) : nullptr);
        EXPECT_EQ(typMax, f.typMax);
        // The last usable row is a size; the row after it never is.
        if (t) {
            EXPECT_TRUE(oelSatz(*t, typMax).isAvailable());
            EXPECT_FALSE(oelSatz(*t, typMax + 1).isAvailable());
            EXPECT_EQ(static_cast<int>(t->size()), typMax + 2);
        }
    }
}

TEST(KTabAuswahl, RegionFlagOfTheModule)
{
    KDaten_Tab kd;
    int typMax = 0;
    EXPECT_FALSE(kd.Region_US);
    EXPECT_EQ(waehleTabelle(kd, AC_Rough, typMax), &kd.KTab_AC_Rough_EU);
    EXPECT_EQ(typMax, 11);
    kd.Region_US = true;
    EXPECT_EQ(waehleTabelle(kd, AC_Rough, typMax), &kd.KTab_AC_Rough_US);
    EXPECT_EQ(typMax, 14);
}

TEST(KTabAuswahl, OilRowAccessIsBoundsChecked)
{
    const KTabelle& t = gefuellt().kd.KTab_DC_EU;
    EXPECT_EQ(&oelSatz(t, 3), &t[3][MediumOel]);
    for (int zeile : {-1, 9}) {
        try {
            (void)oelSatz(t, zeile);
            ADD_FAILURE() << "row " << zeile << " read";
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), 9);
        }
    }
}
