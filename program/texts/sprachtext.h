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

} // namespace texts
