#pragma once
// The program-wide values of the rating engine: the operating point in internal units
// (°C, K, l/min, W, Pa, kJ/(kg·K), kg/m³, cSt), the display-unit selectors with their names,
// the medium, the selected series and size, and the result list of the last search.
#include "common/colour.h"
#include "program/texts/sprachtext.h"
#include <QString>
#include <QtGlobal>
#include <array>

namespace rating {

// Display units, numbered as the unit selectors store them.
namespace eh {
inline constexpr int Temp_C = 0, Temp_F = 1, Temp_K = 2;
inline constexpr int Durchfluss_kg_s = 0, Durchfluss_l_s = 1, Durchfluss_l_min = 2, Durchfluss_l_h = 3,
                     Durchfluss_kg_h = 4, Durchfluss_USgal_min = 5;
inline constexpr long Leistung_kW = 0, Leistung_kcal_h = 1, Leistung_BTU_h = 2, Leistung_hp = 3;
inline constexpr int Druck_Pa = 0, Druck_mbar = 1, Druck_mmHg = 2, Druck_mmWS = 3, Druck_psi = 4, Druck_bar = 5;
}

// Medium kinds of Medium_Typ.
inline constexpr int MediumOel = 0;
inline constexpr int MediumWasserGlykol = 1;
// Oil grades of Medium_Subindex: ISO VG 32, 46, 68, 100, 150, 220, 320, 460, 680.
inline constexpr int AnzahlOelSorten = 9;

// The medium record: kind first, then the oil grade (0 for water-glycol).
struct Medium {
    int Medium_Typ = MediumOel;
    int Medium_Subindex = 0;
};

// One size of the searched table in the result list.
struct KErgebnisSatz {
    QString TypCode;           // empty: no size / not available
    double Leistung = 0;       // W at the operating point
    double DruckWert = 0;      // catalogue pressure drop, mbar
    QString Geraeusch;         // noise text, dB(A)
    double Durchfluss_Min = 0; // l/min
    double Durchfluss_Max = 0; // l/min
    int Drehzahl_Min = 0;      // hydraulic speed steps (completion pass)
    int Drehzahl_Max = 0;
    QString Zeichnung;         // drawing file (completion pass)
    qint16 Zusatzwert = 0;     // fan speed of the record, 1/min (completion pass)
};

inline constexpr int KErgebnisSlots = 16;
// The searches fill slots 0..14 at most; slot 15 is never touched by them.
inline constexpr int KErgebnisLetzteSuchzeile = 14;

struct KuehlerDaten {
    // Operating point.
    double T_in = 0;              // °C oil inlet
    double T_out = 0;             // °C oil outlet
    double T_Umgebung = 0;        // °C ambient air
    double Durchfluss = 0;        // l/min oil flow
    double T_mittel = 0;          // °C mean oil temperature of the properties
    double cp_Medium = 0;         // kJ/(kg·K)
    double Dichte_Medium = 1000;  // kg/m³
    double RhoCp_Faktor = 0;      // rho/1000 · cp/60 of the first heat-load dialog
    double Visk_Medium = 0;       // cSt, from the last viscosity call
    double T_mittel_Ergebnis = 0; // °C
    double Visk_Faktor = 0;       // viscosity factor of the pressure drop
    double KLeistung = 0;         // W required heat load
    double Abgef_Leistg = 0;      // W dissipated by the current size
    double DruckVerlust = 0;      // Pa oil pressure drop of the current size
    double Leistg_Reserve = 0;    // capacity reserve as a fraction (shown × 100)
    bool Eingabe_OK = false;
    int Typ_Index = 0;            // current row of the selected table; negative: no size
    int Typ_MaxIndex = 0;         // last row of the selected table
    QString TypSchluessel;
    QString TypSchluessel_Bericht; // the last valid key, kept for the report

    // Display-unit selectors and the names shown beside the fields (unit, then language).
    int EH_Temp = eh::Temp_C;
    int EH_Durchfluss = eh::Durchfluss_l_min;
    long EH_Leistung = eh::Leistung_kW;
    int EH_Druck = eh::Druck_mbar;
    std::array<texts::SprachText, 3> EH_Temp_Namen{};
    std::array<texts::SprachText, 7> EH_Durchfluss_Namen{};
    std::array<texts::SprachText, 5> EH_Leistung_Namen{};
    std::array<texts::SprachText, 6> EH_Druck_Namen{};

    // Medium and the flag of an oil temperature outside the specific-heat range.
    int Medium_Typ = MediumOel;
    int Medium_Subindex = 0;
    bool Stoffwert_Fehler = false;

    // Selected series (catalogue::Baureihe) and the result list of the last search.
    long Kuehler_Baureihe = 0;
    std::array<KErgebnisSatz, KErgebnisSlots> KErgebnis{};

    // Kept beside the series for the main window, the overview and the report; the engine's
    // calculations do not read them. The colours have this one home: the main window's start-up
    // and drive options write them, the window and the report read them.
    common::ColourValue Farbe_Antrieb = 0;     // colour of the chosen drive
    common::ColourValue Farbe_Titelleiste = 0; // colour of the caption bar
    common::ColourValue Farbe_Standard = 0;    // base colour of the windows
    bool LuefterDrueckend = false;             // the fan pushes the air through the cooler
    bool HydroRPM_in_Arbeit = false;           // the hydraulic-speed handler is running

    Medium medium() const { return {Medium_Typ, Medium_Subindex}; }
};

} // namespace rating
