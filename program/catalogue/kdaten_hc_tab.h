#pragma once
// Hydraulic-motor series: per fin version and region a work table with every size at every fan-speed
// step, and the current step, which is copied into the region's hydraulic performance tables.
#include "program/catalogue/kdaten_tab.h"

namespace catalogue {

// Speed steps 0..8; step s stands for (s + 1) x 500 1/min.
inline constexpr int HydroStufen = 9;
inline constexpr int drehzahlDerStufe(int stufe) { return (stufe + 1) * 500; }

// First index the size row, second the speed step.
using HydroVarTabelle = std::vector<std::array<KTabSatz, HydroStufen>>;

struct KDaten_HC_Tab {
    HydroVarTabelle HydroVarTab_Optim_US = HydroVarTabelle(ZeilenUS);
    HydroVarTabelle HydroVarTab_Rough_US = HydroVarTabelle(ZeilenUS);
    HydroVarTabelle HydroVarTab_Optim_EU = HydroVarTabelle(ZeilenEU);
    HydroVarTabelle HydroVarTab_Rough_EU = HydroVarTabelle(ZeilenEU);

    // The current speed step (not a speed in 1/min). Start-up leaves step 1 in the tables.
    int Hydro_Drehzahl = 1;
    // The step that the performance tables of each region hold at present.
    int stufeInTabellenEU = 1;
    int stufeInTabellenUS = 1;
};

// Build the Optim (then the Rough) work tables and copy their step 1 into the performance tables.
// The Rough builder needs the complete Optim work tables.
void Init_Hydro_Optim_Tabellen(KDaten_Tab& kd, KDaten_HC_Tab& hc);
void Init_Hydro_Rough_Tabellen(KDaten_Tab& kd, KDaten_HC_Tab& hc);

void Init_HydroVarTab_Optim_US(KDaten_HC_Tab& hc);
void Init_HydroVarTab_Optim_EU(KDaten_HC_Tab& hc);
void Init_HydroVarTab_Rough_US(KDaten_HC_Tab& hc);
void Init_HydroVarTab_Rough_EU(KDaten_HC_Tab& hc);

// The not-available record of a size at step s: no type code, no capacity, flow range 0..1 l/min.
KTabSatz nichtVerfuegbarerSatz(double stufeMin, double stufeMax, const QString& zeichnung, int stufe);

// Makes `stufe` the current step; error 9 outside 0..8.
void setzeHydroStufe(KDaten_HC_Tab& hc, int stufe);

// Copies the current step into both hydraulic performance tables of the region kd.Region_US
// (whole records, oil column only). Called before every search and result computation, so the
// tables always hold the step the window shows, whatever changed since (size, series, region).
void Hydro_Stufe_anwenden(KDaten_Tab& kd, KDaten_HC_Tab& hc);

// Copies step `stufe` of one region (both fin versions); error 9 outside 0..8.
void kopiereHydroStufe(KDaten_Tab& kd, KDaten_HC_Tab& hc, bool regionUS, int stufe);

} // namespace catalogue
