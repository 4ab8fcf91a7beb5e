#pragma once
// The arithmetic of the two heat-load dialogs, free of widgets: the heat load from a tank's
// heating and the heat load from a wanted oil outlet temperature. The medium's properties come in
// as functions so that the dialogs can evaluate them quietly while the user types.
#include <functional>

namespace ui {

// Specific heat (kJ/(kg·K)) and density (kg/m³) of the current medium at a temperature in °C.
struct Stoffwertfunktionen {
    std::function<double(double T)> cp;
    std::function<double(double T)> dichte;
};

// Litres per US gallon.
inline constexpr double LiterJeGallone = 3.785412;

// Tank test: volume, temperature rise (K) and heating time (min) as read from the fields.
struct TankEingaben {
    double volumen = 0;      // in the field's unit (litres, or US gallons when gallonen)
    bool gallonen = false;   // the flow unit is US gal/min, so the volume is in US gallons
    double anstiegK = 0;     // temperature rise in K
    double zeitMin = 0;      // heating time in minutes
};

struct TankErgebnis {
    bool zeitErsetzt = false;   // a time <= 0 was replaced by ZeitMinimum
    bool anstiegErsetzt = false; // a negative rise was replaced by 0
    double zeitMin = 0;         // the time used
    double anstiegK = 0;        // the rise used
    double T_mittel = 0;        // °C, where the properties were taken
    double cp_Medium = 0;
    double Dichte_Medium = 0;
    double RhoCp_Faktor = 0;    // rho/1000 · cp/60
    double leistung = 0;        // W; 0 when volume, rise or time is not above 0
};

inline constexpr double ZeitMinimum = 0.1; // minutes

// P = ρ·cp·V·ΔT / (60·t) with ρ and cp at T_Umgebung + ΔT/2.
TankErgebnis VLstg1_rechnen(const TankEingaben& ein, double T_Umgebung, const Stoffwertfunktionen& stoff);

struct AustrittErgebnis {
    double T_out = 0;            // the outlet temperature used, °C
    bool aufEintrittBegrenzt = false; // the wanted value was at or above T_in; T_out is T_in
    double T_mittel = 0;
    double cp_Medium = 0;
    double Dichte_Medium = 0;
    double leistung = 0;         // W
};

// P = (T_in − T_out)·(Durchfluss/60)·ρ·cp, with ρ and cp at the mean of T_in and T_out. A wanted
// value below T_Umgebung counts as T_Umgebung; one at or above T_in becomes T_in (load 0), and
// then the mean temperature stays T_mittel_bisher.
AustrittErgebnis VLstg2_rechnen(double T_out_gewuenscht, double T_in, double T_Umgebung, double Durchfluss,
                                double T_mittel_bisher, const Stoffwertfunktionen& stoff);

} // namespace ui
