#pragma once
// Curve evaluation for the catalogue tests, written out from the record's definition.
#include "program/catalogue/kdaten_hc_tab.h"
#include <cmath>

namespace catalogue::testhilfe {

// Specific heat rejection in kW/K: Koeff_1 up to and including Q_Umschalt, Koeff_2 above.
inline double waerme(const KTabSatz& s, double q)
{
    const auto& c = q <= s.Q_Umschalt ? s.Koeff_1 : s.Koeff_2;
    const double x = std::log(q);
    return c[0] + c[1] * x + c[2] * x * x;
}

// Same for one coefficient set.
inline double waermeSatz(const std::array<double, 7>& c, double q)
{
    const double x = std::log(q);
    return c[0] + c[1] * x + c[2] * x * x;
}

// Oil pressure drop in mbar: first range up to and including Q_Umschalt_DP.
inline double druck(const KTabSatz& s, double q)
{
    if (q <= s.Q_Umschalt_DP)
        return std::exp(s.DP_Ln_1) * std::pow(q, s.DP_Exp_1);
    return std::exp(s.DP_Ln_2) * std::pow(q, s.DP_Exp_2);
}

// A catalogue filled once per test binary (filling is cheap, but most tests only read).
struct Katalog {
    KDaten_Tab kd;
    KDaten_HC_Tab hc;
    Katalog() { Init_KuehlerTabellen(kd, hc); }
};

inline const Katalog& gefuellt()
{
    static const Katalog k;
    return k;
}

} // namespace catalogue::testhilfe
