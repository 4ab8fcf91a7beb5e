#pragma once
// Installation dimensions of every cooler size: per series and region one table of display texts,
// one row per size, one column per dimension letter of the size's installation drawing.
#include <QString>
#include <array>
#include <vector>

namespace catalogue {

inline constexpr int EinbauSpalten = 19;
using EinbauZeile = std::array<QString, EinbauSpalten>;
// Declared rows of a table; an empty table stands for "no table".
using EinbauTabelle = std::vector<EinbauZeile>;

// The dimension letter of column j: A-H, J-P (no I), none for column 15, X-Z.
QString EinbauBuchstabe(int spalte);

struct KDaten_Einbau {
    EinbauTabelle EinbauTab_DC_EU;          // rows 0..12, sizes 0..7, mm
    EinbauTabelle EinbauTab_AC_Optim_EU;    // rows 0..12, sizes 0..11
    EinbauTabelle EinbauTab_AC_Rough_EU;
    EinbauTabelle EinbauTab_Hydro_Optim_EU;
    EinbauTabelle EinbauTab_Hydro_Rough_EU;
    EinbauTabelle EinbauTab_DC_US;          // rows 0..15, sizes 0..7, inch
    EinbauTabelle EinbauTab_AC_Optim_US;    // rows 0..15, sizes 0..14
    EinbauTabelle EinbauTab_AC_Rough_US;
    EinbauTabelle EinbauTab_Hydro_Optim_US;
    EinbauTabelle EinbauTab_Hydro_Rough_US;
};

// Fills the ten tables: US in the order DC, AC Optim, AC Rough, hydraulic Optim, hydraulic Rough,
// then the metric ones in the same order. Filling again gives the same tables.
void Init_EinbauTabellen(KDaten_Einbau& daten);

// A copy of the table of the series and region, and its last size in Typ_MaxIndex (7 DC, 11 metric,
// 14 US). A series code outside 1..8 gives an empty table and Typ_MaxIndex 0. Only Region_US true
// selects a US table.
EinbauTabelle Get_EinbauTabelle(const KDaten_Einbau& daten, long Kuehler_Baureihe, bool Region_US,
                                int& Typ_MaxIndex);

// The stored table of the series and region, or nullptr (no copy; for readers that only look).
const EinbauTabelle* EinbauTabelle_von(const KDaten_Einbau& daten, long Kuehler_Baureihe, bool Region_US);

} // namespace catalogue
