#pragma once
// Fills the string-table languages of one text array.
#include "program/texts/sprachtext.h"
#include "program/texts/stringtable.h"

#include <QtGlobal>

namespace texts {

// String-table id of a text number in a table language: (sprache - 3) x 1000 + textNr, checked
// against the 16-bit id range (error 6 on overflow).
qint16 stringTableId(int sprache, qint16 textNr);

// Replaces slots 3 to 16 of Texte with the table's entries for TextNr, in ascending language
// order, and appends the Chinese, Korean and Japanese blanks. Slots 0 to 2 and 17 stay as they
// are. Each slot is first replaced by the raw entry, so calling it again changes nothing.
// A missing entry raises ResourceNotFound at that language: the languages before it are filled,
// that one and the later ones keep their old content.
void Lade_ResTexte(SprachText& Texte, qint16 TextNr, const StringTable& table = compiledStringTable());

} // namespace texts
