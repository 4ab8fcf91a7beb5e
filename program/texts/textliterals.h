#pragma once
// The literal languages of the program-wide texts, one table per filler.
#include "program/texts/texte.h"

#include <QtGlobal>
#include <span>

namespace texts {

// Text number of a text that has no string-table entries.
inline constexpr qint16 NoTextNumber = -1;

struct TextLiteral {
    SprachText Texte::*array;
    qint16 textNr;      // NoTextNumber: slots 3 to 16 stay empty
    const char* de;     // UTF-8
    const char* en;
    const char* fr;     // nullptr: the French slot is not written
};

std::span<const TextLiteral> meldungsLiterals();
std::span<const TextLiteral> sysLiterals();
std::span<const TextLiteral> menueLiterals();

// The menu text of a text number in t; nullptr when no menu text has that number.
const SprachText* menueText(const Texte& t, qint16 textNr);

} // namespace texts
