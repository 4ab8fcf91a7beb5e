#pragma once
// The fillers of the program-wide texts. Each text gets its German, English and French literal
// in slots 0 to 2 and its string-table entries in slots 3 to 16. The main window's load runs
// Init_MeldungsTexte and then Init_SysTexte, before the language is applied.
//
// A text whose string-table entries are incomplete keeps empty slots from the missing language
// on, and the filler goes on with the next text: a missing translation must not stop the
// program from starting.
#include "program/texts/stringtable.h"
#include "program/texts/texte.h"

#include <functional>

namespace texts {

// The heading fillers of the catalogue that Init_SysTexte runs first (spare-part headings,
// then overview headings). They live with the catalogue; an unset one is skipped.
struct HeadingFillers {
    std::function<void()> Init_ZubehoerTexte;
    std::function<void()> Init_UebersichtTexte;
};

void Init_MeldungsTexte(Texte& texte, const StringTable& table = compiledStringTable());
// Runs the heading fillers, then Init_MenueTexte, then fills the title and the main texts.
void Init_SysTexte(Texte& texte, const HeadingFillers& headings = {},
                   const StringTable& table = compiledStringTable());
void Init_MenueTexte(Texte& texte, const StringTable& table = compiledStringTable());

} // namespace texts
