#pragma once
// The font character set each auxiliary window takes from the current language. Qt draws every
// script with any font, so the number is only kept by the windows; the rule stays in one place.
namespace ui {

// 204 for Russian and Bulgarian, 238 for Polish, 128 for Japanese, 0 for every other language.
int Zeichensatz_der_Sprache(int SprachNr);

} // namespace ui
