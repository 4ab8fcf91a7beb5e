#pragma once
// The size search: every size of a performance table is rated at the current operating point,
// the result list is filled, and the smallest size whose heat exceeds the load is chosen.
#include "program/catalogue/ktabsatz.h"
#include "program/rating/kuehlerdaten.h"
#include "common/messages.h"

namespace rating {

// A search fills type code, heat, pressure drop, noise and flow limits; the completion pass
// after a successful search also fills speed steps, drawing, fan speed and a normalised noise text.
enum class Durchlauf { Suche, Vervollstaendigung };

// Rates rows 0..letzteZeile of the table (always its oil column) with Q = Durchfluss and
// dT = T_in − T_Umgebung, after setting T_out := T_Umgebung and clearing result slots 0..14.
// Returns and stores in Typ_Index the first available row whose heat is above KLeistung, else the
// largest available row (Abgef_Leistg = its heat), else −1; −1 also when there is no table or it
// lacks the rows. A flow that is not positive and finite rates every row at heat 0 and pressure
// drop 0. Allocates nothing in the search.
int Groessen_bewerten(KuehlerDaten& daten, const catalogue::KTabelle* tabelle, int letzteZeile, Durchlauf modus,
                      common::MessageBoxes& boxes);

// The noise text as the result list shows it: read as a number, rounded half to even to a whole
// number and written as decimal text; text that is no number gives "0".
QString normierterGeraeuschText(const QString& text);

} // namespace rating
