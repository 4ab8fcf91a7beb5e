#include "program/rating/stoffwerte.h"
#include "program/rating/potenz.h"
#include "common/checked.h"
#include <cmath>

namespace rating {

namespace {

bool istWasserGlykol(Medium m)
{
    return m.Medium_Typ == MediumWasserGlykol && m.Medium_Subindex == 0;
}

// Oil between 0 and 300 °C; each interval includes its upper end.
double cpOel(double T)
{
    if (T <= 150)
        return 1.764 + 0.55 * T / 150;
    if (T <= 200)
        return 2.314 + (2.51 - 2.314) * (T - 150) / 50;
    if (T <= 250)
        return 2.51 + (2.7 - 2.51) * (T - 200) / 50;
    return 2.7 + (2.89 - 2.7) * (T - 250) / 50;
}

} // namespace

double Stoffwert_cp(double T, Medium medium, KuehlerDaten& daten, const Meldungen& meldungen)
{
    common::requireFinite(T);
    if (medium.Medium_Typ == MediumOel) {
        if (T < 0) {
            meldungen.boxes.show(meldungen.inSprache(meldungen.Text_118),
                                 common::mb::OkOnly | common::mb::Critical, meldungen.titel);
            daten.Stoffwert_Fehler = true;
            return 1.764;
        }
        if (T > 300) {
            meldungen.boxes.show(meldungen.inSprache(meldungen.Text_117),
                                 common::mb::OkOnly | common::mb::Critical, meldungen.titel);
            daten.Stoffwert_Fehler = true;
            return 2.89;
        }
        return cpOel(T);
    }
    if (istWasserGlykol(medium))
        return (-0.02108 * T * T + 6.79425 * T + 3186.35115) / 1000;
    return 0;
}

double Stoffwert_Dichte(double T, Medium medium)
{
    if (!std::isfinite(T))
        return 1000;
    if (medium.Medium_Typ == MediumOel && T >= 0 && T <= 300)
        return 905.7 - 97.4 * T / 150;
    if (istWasserGlykol(medium))
        return -0.001359 * T * T - 0.497353 * T + 1083.277722;
    return 1000;
}

double Stoffwert_Viskositaet(double T, int sorte, KuehlerDaten& daten, common::MessageBoxes& boxes)
{
    const ViskositaetKoeff& k = common::at(ViskositaetTabelle, sorte);
    const double exponent = common::requireFinite(std::exp(k.A * T) * std::exp(k.B));
    const double nu = Potenz(10, exponent, boxes);
    daten.Visk_Medium = nu;
    return 0.0324 * nu + 0.0253;
}

} // namespace rating
