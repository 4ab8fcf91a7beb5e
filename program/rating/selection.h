#pragma once
// The engine's entry points over the catalogue: the table of the selected series, the capacity
// of the current size, the searches of the main window's search command and the completion pass.
#include "program/catalogue/kdaten_tab.h"
#include "program/catalogue/uebers.h"
#include "program/rating/kuehlerdaten.h"
#include "common/messages.h"
#include <optional>
#include <span>

namespace rating {

// The performance table of Kuehler_Baureihe in the region of kd.Region_US, read only; an empty
// table for no series. Sets Typ_MaxIndex to the table's last usable row (7, 11, 14; 0 for none).
const catalogue::KTabelle& Get_KuehlerTabelle(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd);

// Heat in W of the size in `zeile` at the current flow and the temperature difference dT
// (K), from the oil column; 0 without a series or for a row outside the table.
double Kuehlleistung_berechnen(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, int zeile, double dT);

// Search of the AC and hydraulic series (Kuehler_Baureihe 3..8): rows 0..11, or 0..14 in the US
// region. Returns the chosen row (also in Typ_Index), −1 when there is no table or no available size.
int Kuehler_suchen(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, common::MessageBoxes& boxes);

// Search of the DC series, rows 0..7 of the DC table of the given region.
int Kuehler_suchen_DC(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, bool regionUS,
                      common::MessageBoxes& boxes);
// The 24 V units share the 12 V table: the same search.
int Kuehler_suchen_DC24(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, bool regionUS,
                        common::MessageBoxes& boxes);

// Completion pass after a successful search: the same rating over the table of Get_KuehlerTabelle,
// adding speed steps, drawing, fan speed and normalised noise texts to the result list.
int KuehlerErgebnis_berechnen(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, common::MessageBoxes& boxes);

// What the overview shows of the result in slot Typ_Index of a result list: its fan speed and
// noise. Unset for a slot outside the list or one without a size.
std::optional<catalogue::UebersichtErgebnis> uebersichtErgebnis(std::span<const KErgebnisSatz> KErgebnis,
                                                                int Typ_Index);

} // namespace rating
