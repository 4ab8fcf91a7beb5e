#pragma once
// The numbers of the result for one size and operating point: outlet temperature by iteration,
// delivered heat, mean temperature, flow warnings, pressure drop and reserve. The medium's
// properties and the size's capacity come in as functions, so the rules are tested by value.
#include <functional>

namespace ui {

struct ErgebnisEingang {
    double T_in = 0;
    double T_Umgebung = 0;
    double Durchfluss = 0; // l/min
    double KLeistung = 0;  // W
    bool wasserGlykol = false;
    double DruckWert = 0;  // the size's pressure-drop value at the flow, mbar
    double Q_min = 0;      // l/min
    double Q_max = 0;      // l/min
};

struct ErgebnisFunktionen {
    std::function<double(double dT)> kuehlleistung; // W at the temperature difference
    std::function<double(double T)> cp;             // kJ/(kg K); may raise the property error
    std::function<double(double T)> dichte;         // kg/m3
    std::function<double(double T)> viskositaet;    // viscosity factor of the oil grade
    std::function<bool()> stoffwertFehler;          // set by cp outside its range
};

enum class DurchflussWarnung { Keine, ZuNiedrig, ZuHoch };

struct ErgebnisWerte {
    double T_out = 0;
    double Abgef_Leistg = 0;
    double T_mittel = 0;
    long Iter_Zaehler = 0;
    bool leistungNichtAbfuehrbar = false; // the flow cannot carry the heat down to ambient
    DurchflussWarnung warnung = DurchflussWarnung::Keine;
    double Visk_Faktor = 1;
    double DruckVerlust = 0; // Pa
    double Leistg_Reserve = 0;
};

inline constexpr long MaxIterationen = 1000;

ErgebnisWerte berechneErgebnis(const ErgebnisEingang& e, const ErgebnisFunktionen& f);

// The reserve field turns red for a negative reserve, and when the flow could not carry the heat
// (the delivered heat shown is then the size's capacity, more than the flow takes away).
bool reserveRot(const ErgebnisWerte& w);

} // namespace ui
