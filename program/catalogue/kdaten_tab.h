#pragma once
// The performance catalogue: one table of sizes per cooler series and region, the region flag,
// and the rule that picks the table of a series.
#include "common/checked.h"
#include "program/catalogue/ktabsatz.h"

namespace catalogue {

struct KDaten_HC_Tab;

// Declared rows of a table: the sizes plus one spare row that is never offered.
inline constexpr int ZeilenDC = 9;
inline constexpr int ZeilenEU = 13;
inline constexpr int ZeilenUS = 16;
// Last usable row (Typ_MaxIndex) of each table shape.
inline constexpr int TypMaxDC = 7;
inline constexpr int TypMaxEU = 11;
inline constexpr int TypMaxUS = 14;

// Curve coefficients of the US AC and DC tables are entered this much larger than the readers use them.
inline constexpr double SkalierungUS_AC = 0.36;
inline constexpr double SkalierungUS_DC = 0.18;

struct KDaten_Tab {
    KTabelle KTab_DC_EU = KTabelle(ZeilenDC);
    KTabelle KTab_DC_US = KTabelle(ZeilenDC);
    KTabelle KTab_AC_Optim_EU = KTabelle(ZeilenEU);
    KTabelle KTab_AC_Optim_LowNoise_EU = KTabelle(ZeilenEU);
    KTabelle KTab_AC_Rough_EU = KTabelle(ZeilenEU);
    KTabelle KTab_AC_Rough_LowNoise_EU = KTabelle(ZeilenEU);
    KTabelle KTab_AC_Optim_US = KTabelle(ZeilenUS);
    KTabelle KTab_AC_Optim_LowNoise_US = KTabelle(ZeilenUS);
    KTabelle KTab_AC_Rough_US = KTabelle(ZeilenUS);
    KTabelle KTab_AC_Rough_LowNoise_US = KTabelle(ZeilenUS);
    KTabelle KTab_Hydro_Optim_EU = KTabelle(ZeilenEU);
    KTabelle KTab_Hydro_Rough_EU = KTabelle(ZeilenEU);
    KTabelle KTab_Hydro_Optim_US = KTabelle(ZeilenUS);
    KTabelle KTab_Hydro_Rough_US = KTabelle(ZeilenUS);

    // False: metric 50 Hz tables (..._EU); true: US 60 Hz tables (..._US).
    bool Region_US = false;
};

// Fills every performance table and the hydraulic work tables, in the order the copies need:
// each region's Optim table before the low-noise and Rough tables that copy from it,
// the hydraulic Optim work tables before the Rough ones.
void Init_KuehlerTabellen(KDaten_Tab& kd, KDaten_HC_Tab& hc);

// The ten AC and DC fillers (Init_KuehlerTabellen calls them in its order).
void Init_KTab_DC_US(KDaten_Tab& kd);
void Init_KTab_DC_EU(KDaten_Tab& kd);
void Init_KTab_AC_Optim_US(KDaten_Tab& kd);
void Init_KTab_AC_Optim_EU(KDaten_Tab& kd);
void Init_KTab_AC_Optim_LowNoise_US(KDaten_Tab& kd);
void Init_KTab_AC_Optim_LowNoise_EU(KDaten_Tab& kd);
void Init_KTab_AC_Rough_US(KDaten_Tab& kd);
void Init_KTab_AC_Rough_EU(KDaten_Tab& kd);
void Init_KTab_AC_Rough_LowNoise_US(KDaten_Tab& kd);
void Init_KTab_AC_Rough_LowNoise_EU(KDaten_Tab& kd);

// The five pressure-drop fields (DP_Exp_1, DP_Ln_1, Q_Umschalt_DP, DP_Exp_2, DP_Ln_2), which the
// low-noise and Rough tables take over from the Optim table of their region.
void kopiereDruckfelder(KTabSatz& ziel, const KTabSatz& quelle);

// The table of a series (Kuehler_Baureihe) in a region, and its last usable row in typMaxIndex.
// Series 1 and 2 share the DC table; any code outside 1..8 gives nullptr and typMaxIndex 0.
const KTabelle* waehleTabelle(const KDaten_Tab& kd, long baureihe, bool regionUS, int& typMaxIndex);
// The same for the region held in kd.Region_US.
const KTabelle* waehleTabelle(const KDaten_Tab& kd, long baureihe, int& typMaxIndex);

// The performance data of a size: the oil column. The water-glycol column is kept empty; every
// reader evaluates the oil column and lets the medium enter through its fluid properties.
// Error 9 when the row lies outside the table.
inline const KTabSatz& oelSatz(const KTabelle& tabelle, int zeile)
{
    return common::at(tabelle, zeile)[MediumOel];
}

} // namespace catalogue
