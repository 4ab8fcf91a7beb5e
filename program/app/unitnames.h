#pragma once
// The names of the display units in every language, filled once at start after the texts: the
// menu items, unit labels, charts, dialogs and the report all read them from the selection's data.
#include "program/rating/kuehlerdaten.h"
#include "program/texts/texte.h"

namespace app {

// Flow, power and pressure names: German, English and French from literals, the other languages
// from the string table (a missing translation leaves its slot empty). Temperature names: the
// symbols of the texts (Init_SysTexte must have run), and "K".
void fillUnitNames(rating::KuehlerDaten& k, const texts::Texte& t);

} // namespace app
