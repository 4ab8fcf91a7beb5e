#pragma once
// The fourteen performance tables described once, for the table-driven catalogue tests.
#include "ktab_testhilfe.h"
#include "program/catalogue/ktab_daten.h"
#include <vector>

namespace catalogue::testhilfe {

struct TabInfo {
    const char* name;
    KTabelle KDaten_Tab::*tabelle;
    int letzte;                          // last usable row
    bool us;
    bool hydro;
    const daten::KTabDaten* roh;         // constants as written (AC and DC tables)
    double skalierung;                   // 1 where nothing is scaled
    KTabelle KDaten_Tab::*optim;         // source of the copied pressure-drop fields, or none
    bool standardZeichnung;              // the filler writes a default drawing into every declared row
    bool rough;
    bool lowNoise;
};

inline const std::vector<TabInfo>& alleTabellen()
{
    using K = KDaten_Tab;
    static const std::vector<TabInfo> t = {
        {"KTab_DC_EU", &K::KTab_DC_EU, 7, false, false, &daten::DC_EU, 1, nullptr, true, false, false},
        {"KTab_DC_US", &K::KTab_DC_US, 7, true, false, &daten::DC_US, 0.18, nullptr, true, false, false},
        {"KTab_AC_Optim_EU", &K::KTab_AC_Optim_EU, 11, false, false, &daten::AC_Optim_EU, 1, nullptr, true, false,
         false},
        {"KTab_AC_Optim_LowNoise_EU", &K::KTab_AC_Optim_LowNoise_EU, 11, false, false, &daten::AC_Optim_LowNoise_EU,
         1, &K::KTab_AC_Optim_EU, false, false, true},
        {"KTab_AC_Rough_EU", &K::KTab_AC_Rough_EU, 11, false, false, &daten::AC_Rough_EU, 1, &K::KTab_AC_Optim_EU,
         true, true, false},
        {"KTab_AC_Rough_LowNoise_EU", &K::KTab_AC_Rough_LowNoise_EU, 11, false, false, &daten::AC_Rough_LowNoise_EU,
         1, &K::KTab_AC_Optim_EU, false, true, true},
        {"KTab_AC_Optim_US", &K::KTab_AC_Optim_US, 14, true, false, &daten::AC_Optim_US, 0.36, nullptr, true, false,
         false},
        {"KTab_AC_Optim_LowNoise_US", &K::KTab_AC_Optim_LowNoise_US, 14, true, false, &daten::AC_Optim_LowNoise_US,
         0.36, &K::KTab_AC_Optim_US, true, false, true},
        {"KTab_AC_Rough_US", &K::KTab_AC_Rough_US, 14, true, false, &daten::AC_Rough_US, 0.36, &K::KTab_AC_Optim_US,
         true, true, false},
        {"KTab_AC_Rough_LowNoise_US", &K::KTab_AC_Rough_LowNoise_US, 14, true, false, &daten::AC_Rough_LowNoise_US,
         0.36, &K::KTab_AC_Optim_US, true, true, true},
        {"KTab_Hydro_Optim_EU", &K::KTab_Hydro_Optim_EU, 11, false, true, nullptr, 1, nullptr, true, false, false},
        {"KTab_Hydro_Rough_EU", &K::KTab_Hydro_Rough_EU, 11, false, true, nullptr, 1, nullptr, true, true, false},
        {"KTab_Hydro_Optim_US", &K::KTab_Hydro_Optim_US, 14, true, true, nullptr, 1, nullptr, true, false, false},
        {"KTab_Hydro_Rough_US", &K::KTab_Hydro_Rough_US, 14, true, true, nullptr, 1, nullptr, true, true, false},
    };
    return t;
}

inline std::vector<TabInfo> acDcTabellen()
{
    std::vector<TabInfo> r;
    for (const auto& t : alleTabellen())
        if (!t.hydro)
            r.push_back(t);
    return r;
}

// Flows spread evenly in ln Q over [q0, q1].
inline std::vector<double> flussRaster(double q0, double q1, int n = 41)
{
    std::vector<double> q;
    for (int i = 0; i < n; ++i)
        q.push_back(std::exp(std::log(q0) + (std::log(q1) - std::log(q0)) * i / (n - 1)));
    return q;
}

} // namespace catalogue::testhilfe
