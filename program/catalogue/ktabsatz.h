#pragma once
// One cooler size of a performance table, and the table shape every reader shares.
#include <QString>
#include <array>
#include <vector>

namespace catalogue {

struct KTabSatz {
    std::array<double, 7> Koeff_1{}; // c0, c1, c2 in kW/K for Q <= Q_Umschalt; 3..6 stay 0
    std::array<double, 7> Koeff_2{}; // c0, c1, c2 for Q > Q_Umschalt
    double Q_Umschalt = 0;           // l/min; 10000 = one range
    QString TypBez;                  // type code; empty = no size / not available
    QString Geraeusch;               // dB(A) as a decimal integer text
    double DP_Exp_1 = 0;
    double DP_Ln_1 = 0;
    double Q_Umschalt_DP = 0;        // l/min; 10000 = one range
    double DP_Exp_2 = 0;
    double DP_Ln_2 = 0;
    double Q_min = 0;                // l/min
    double Q_max = 0;                // l/min
    double Stufe_min = 0;            // hydraulic fan-speed step, (k + 1) x 500 1/min
    double Stufe_max = 0;
    QString Zeichnung_Datei;         // drawing file in the system folder
    qint16 Drehzahl = 0;             // 1/min, hydraulic records only

    // A size the user may be offered: not-available and empty records have no type code.
    bool isAvailable() const { return !TypBez.isEmpty(); }
    bool operator==(const KTabSatz&) const = default;
};

// The second index of every performance table.
inline constexpr int MediumOel = 0;
inline constexpr int MediumWasserGlykol = 1;

// A performance table: declared rows, each with the oil and the water-glycol column.
using KTabelle = std::vector<std::array<KTabSatz, 2>>;

// Series codes of Kuehler_Baureihe.
enum Baureihe : long {
    Keine = 0,
    DC_12V = 1,
    DC_24V = 2,
    AC_Optim = 3,
    AC_Optim_LowNoise = 4,
    AC_Rough = 5,
    AC_Rough_LowNoise = 6,
    Hydro_Optim = 7,
    Hydro_Rough = 8,
};

} // namespace catalogue
