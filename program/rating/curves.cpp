#include "program/rating/curves.h"
#include "program/rating/potenz.h"
#include "common/checked.h"
#include <cmath>

namespace rating {

int bewerteteSpalte(int /*Medium_Typ*/)
{
    return catalogue::MediumOel;
}

double spezifischeLeistung(const catalogue::KTabSatz& satz, double Q, double L)
{
    const auto& c = (Q <= satz.Q_Umschalt) ? satz.Koeff_1 : satz.Koeff_2;
    return c[0] + c[1] * L + c[2] * L * L;
}

double Kennlinie_Log_berechnen(const catalogue::KTabelle& tabelle, double Q, int zeile, int spalte)
{
    if (!(Q > 0) || !std::isfinite(Q))
        return 0;
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= tabelle.size() || spalte < 0 || spalte > 1)
        return 0;
    const auto& satz = tabelle[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)];
    const double s = spezifischeLeistung(satz, Q, std::log(Q));
    return std::isfinite(s) ? s : 0;
}

double Kennlinie_Potenz_berechnen(const catalogue::KTabelle& tabelle, double Q, int zeile, int spalte,
                                  common::MessageBoxes& boxes)
{
    const auto& satz = common::at(common::at(tabelle, zeile), spalte);
    const bool bereich1 = Q <= satz.Q_Umschalt_DP;
    const double a = bereich1 ? satz.DP_Ln_1 : satz.DP_Ln_2;
    const double b = bereich1 ? satz.DP_Exp_1 : satz.DP_Exp_2;
    return common::requireFinite(std::exp(a) * Potenz(Q, b, boxes));
}

} // namespace rating
