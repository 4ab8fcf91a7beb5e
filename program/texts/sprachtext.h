#pragma once
// One user-interface text in every language: slots 0 to 16 in the order German, English, French,
// Chinese, Russian, Polish, Finnish, Spanish, Italian, Portuguese, Czech, Turkish, Korean, Dutch,
// Bulgarian, Japanese, Swedish; slot 17 stays empty.
#include <QString>
#include <array>

namespace texts {

inline constexpr int SprachSlots = 18;
using SprachText = std::array<QString, SprachSlots>;

// The text of one language; a language number outside the slots reads as the empty text.
inline QString textInSprache(const SprachText& text, int sprachNr)
{
    return sprachNr >= 0 && sprachNr < SprachSlots ? text[static_cast<std::size_t>(sprachNr)] : QString();
}

// German, English and French from the program's own UTF-8 literals; a null French literal leaves
// that slot as it is.
template <class Char>
inline void setzeLiterale(SprachText& text, const Char* de, const Char* en, const Char* fr)
{
    text[0] = QString::fromUtf8(de);
    text[1] = QString::fromUtf8(en);
    if (fr != nullptr)
        text[2] = QString::fromUtf8(fr);
}

} // namespace texts
