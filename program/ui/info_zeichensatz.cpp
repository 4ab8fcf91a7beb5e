#include "program/ui/info_zeichensatz.h"

namespace ui {

int Zeichensatz_der_Sprache(int SprachNr)
{
    switch (SprachNr) {
    case 4:  // Russian
    case 14: // Bulgarian
        return 204;
    case 5: // Polish
        return 238;
    case 15: // Japanese
        return 128;
    default:
        return 0;
    }
}

} // namespace ui
