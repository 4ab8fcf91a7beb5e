#include "program/ui/optionen_berichtdaten.h"

namespace ui {

void Word_Optionen_Standard(OptionenBerichtDaten& daten)
{
    for (int i = 0; i < OptionenBerichtDaten::AnzahlOptionen; ++i)
        daten.setOptionFlag(i, i < 8 ? 1 : 0);
}

} // namespace ui
