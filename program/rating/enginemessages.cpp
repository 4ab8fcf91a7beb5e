#include "program/rating/enginemessages.h"

namespace rating {

Meldungen meldungenAus(const texts::Texte& texte, common::MessageBoxes& boxes)
{
    Meldungen m{boxes, texte.Text_117, texte.Text_118, texte.SprachNr, {}};
    m.titel = m.inSprache(texte.Titel_Text);
    return m;
}

} // namespace rating
