#pragma once
// Where the engine's messages go: the message interface, the current language and the two
// oil-temperature texts of the specific-heat function.
#include "common/messages.h"
#include "program/texts/sprachtext.h"
#include "program/texts/texte.h"
#include <QString>

namespace rating {

struct Meldungen {
    common::MessageBoxes& boxes;
    texts::SprachText Text_117{}; // oil above 300 °C
    texts::SprachText Text_118{}; // oil below 0 °C
    int SprachNr = 1;
    QString titel;                // the program's title, caption of the boxes

    // The text of the current language; an unknown language falls back to English.
    const QString& inSprache(const texts::SprachText& text) const
    {
        const int slot = (SprachNr >= 0 && SprachNr < texts::SprachSlots) ? SprachNr : 1;
        return text[static_cast<std::size_t>(slot)];
    }
};

// The engine's messages in the program's current language, captioned with the program title.
Meldungen meldungenAus(const texts::Texte& texte, common::MessageBoxes& boxes);

} // namespace rating
