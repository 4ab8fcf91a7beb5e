#pragma once
// Physical properties of the cooled medium: specific heat, density, and the viscosity of an
// ISO VG oil grade with the factor that scales the catalogue pressure drop.
#include "program/rating/enginemessages.h"
#include "program/rating/kuehlerdaten.h"
#include <array>

namespace rating {

// Viscosity coefficients per oil grade: ν = 10^(e^(B + A·T)) cSt.
struct ViskositaetKoeff {
    int isoVG;
    double A; // 1/°C
    double B;
};
inline constexpr std::array<ViskositaetKoeff, AnzahlOelSorten> ViskositaetTabelle{{
    {32, -0.0125, 0.9088},
    {46, -0.0117, 0.9746},
    {68, -0.0108, 1.0371},
    {100, -0.0103, 1.104},
    {150, -0.0101, 1.1816},
    {220, -0.0097, 1.2373},
    {320, -0.0093, 1.291},
    {460, -0.009, 1.3406},
    {680, -0.0088, 1.3927},
}};

// Specific heat in kJ/(kg·K) at T °C. Oil is interpolated between 0 and 300 °C; outside that
// range the boundary value is returned, Stoffwert_Fehler is set and the message Text_118 (below 0)
// or Text_117 (above 300) is shown. Water-glycol (grade 0) follows a quadratic; any other medium
// gives 0. A non-finite temperature is error 6.
double Stoffwert_cp(double T, Medium medium, KuehlerDaten& daten, const Meldungen& meldungen);

// Density in kg/m³ at T °C: oil on 0..300 °C, water-glycol (grade 0); everything else 1000.
// Never reports.
double Stoffwert_Dichte(double T, Medium medium);

// Viscosity factor f = 0.0324·ν + 0.0253 of the oil grade at T °C; writes ν to Visk_Medium.
// A grade outside the table is error 9, an overflow of the exponentials error 6.
double Stoffwert_Viskositaet(double T, int sorte, KuehlerDaten& daten, common::MessageBoxes& boxes);

} // namespace rating
