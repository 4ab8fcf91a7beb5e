#pragma once
// The two curves of a cooler size: specific capacity over the oil flow (two ranges, quadratic in
// ln Q) and the catalogue pressure drop (a power law in two ranges).
#include "program/catalogue/ktabsatz.h"
#include "common/messages.h"

namespace rating {

// The performance-table column every evaluation reads. Only the oil column of the catalogue holds
// curves; the medium enters the rating through its properties, never through the column.
int bewerteteSpalte(int Medium_Typ);

// Specific capacity c0 + c1·L + c2·L² in kW/K with L = ln Q; set 1 for Q <= Q_Umschalt.
// 0 for a flow that is not positive and finite, a row or column outside the table, or a
// non-finite result.
double Kennlinie_Log_berechnen(const catalogue::KTabelle& tabelle, double Q, int zeile, int spalte);

// Catalogue pressure drop e^a · Q^b in mbar; range 1 for Q <= Q_Umschalt_DP. A row or column
// outside the table is error 9; a failing power goes through Potenz (message, factor 1).
double Kennlinie_Potenz_berechnen(const catalogue::KTabelle& tabelle, double Q, int zeile, int spalte,
                                  common::MessageBoxes& boxes);

// Capacity terms of one record at a flow, shared with the size search.
double spezifischeLeistung(const catalogue::KTabSatz& satz, double Q, double L);

} // namespace rating
