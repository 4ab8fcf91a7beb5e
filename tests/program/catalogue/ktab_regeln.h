#pragma once
// The catalogue's data rules as checks over records; each returns an empty string when the rule holds,
// otherwise what broke it.
#include "ktab_tabellen.h"
#include <QString>
#include <string>
#include <set>

namespace catalogue::testhilfe {

// Capacity positive over [Q_min, Q_max] and rising with the flow within each coefficient set.
inline std::string kurveSteigtPositiv(const KTabSatz& s)
{
    const double q0 = std::max(s.Q_min, 1.0);
    for (double q : flussRaster(q0, s.Q_max)) {
        if (!(waerme(s, q) > 0))
            return QString("capacity %1 at %2 l/min").arg(waerme(s, q)).arg(q).toStdString();
    }
    struct Bereich { double von, bis; const std::array<double, 7>* c; };
    const Bereich bereiche[] = {{q0, std::min(s.Q_Umschalt, s.Q_max), &s.Koeff_1},
                                {std::max(q0, s.Q_Umschalt), s.Q_max, &s.Koeff_2}};
    for (const Bereich& b : bereiche) {
        if (b.bis <= b.von)
            continue;
        const auto qs = flussRaster(b.von, b.bis);
        for (std::size_t i = 1; i < qs.size(); ++i)
            if (waermeSatz(*b.c, qs[i]) < waermeSatz(*b.c, qs[i - 1]) - 1e-12)
                return QString("capacity falls at %1 l/min").arg(qs[i]).toStdString();
    }
    return {};
}

// The two sets meet at the switch-over flow within 4 %.
inline std::string saetzeTreffenSich(const KTabSatz& s)
{
    if (s.Q_Umschalt >= 10000)
        return {};
    const double a = waermeSatz(s.Koeff_1, s.Q_Umschalt);
    const double b = waermeSatz(s.Koeff_2, s.Q_Umschalt);
    if (std::abs(a - b) > 0.04 * std::abs(a))
        return QString("sets %1 and %2 at %3 l/min").arg(a).arg(b).arg(s.Q_Umschalt).toStdString();
    return {};
}

// Pressure drop: plausible exponents, and the two ranges meet within 4 % at their switch-over.
inline std::string druckPlausibel(const KTabSatz& s)
{
    if (s.DP_Exp_1 < 1.0 || s.DP_Exp_1 > 1.35)
        return QString("exponent %1").arg(s.DP_Exp_1).toStdString();
    if (s.Q_Umschalt_DP >= 10000)
        return {};
    if (s.DP_Exp_2 < 1.0 || s.DP_Exp_2 > 1.35)
        return QString("second exponent %1").arg(s.DP_Exp_2).toStdString();
    const double q = s.Q_Umschalt_DP;
    const double a = std::exp(s.DP_Ln_1) * std::pow(q, s.DP_Exp_1);
    const double b = std::exp(s.DP_Ln_2) * std::pow(q, s.DP_Exp_2);
    if (std::abs(a - b) > 0.04 * a)
        return QString("ranges %1 and %2 mbar at %3 l/min").arg(a).arg(b).arg(q).toStdString();
    return {};
}

// `unten` does not exceed `oben` anywhere in their common flow range; with `strikt` it lies below
// it at the top of that range.
inline std::string nichtUeber(const KTabSatz& unten, const KTabSatz& oben, bool strikt)
{
    const double q0 = std::max({unten.Q_min, oben.Q_min, 1.0});
    const double q1 = std::min(unten.Q_max, oben.Q_max);
    if (q1 <= q0)
        return QString("no common flow range").toStdString();
    for (double q : flussRaster(q0, q1, 81))
        if (waerme(unten, q) > waerme(oben, q) + 1e-12)
            return QString("%1 above %2 at %3 l/min").arg(waerme(unten, q)).arg(waerme(oben, q)).arg(q).toStdString();
    if (strikt && !(waerme(unten, q1) < waerme(oben, q1)))
        return QString("not below at %1 l/min").arg(q1).toStdString();
    return {};
}

} // namespace catalogue::testhilfe
