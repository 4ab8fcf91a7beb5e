#include "program/windowrules/typschluessel.h"

#include "program/catalogue/ktabsatz.h"

namespace ui {

QString antriebsSuffix(long Kuehler_Baureihe, bool Region_US)
{
    switch (Kuehler_Baureihe) {
    case catalogue::DC_12V:
        return Suffix_DC12;
    case catalogue::DC_24V:
        return Suffix_DC24;
    case catalogue::AC_Optim:
    case catalogue::AC_Optim_LowNoise:
    case catalogue::AC_Rough:
    case catalogue::AC_Rough_LowNoise:
        return Region_US ? Suffix_AC_US : QString();
    default:
        return {};
    }
}

QString typSchluesselBilden(const TypSchluesselLage& lage)
{
    const bool ergebnis = lage.KLeistung > 0 && lage.Eingabe_OK && lage.Typ_Index >= 0 && lage.Kuehler_Baureihe != 0
        && lage.ergebnisAngezeigt && !lage.TypCode.isEmpty();
    if (!ergebnis)
        return KeinTypSchluessel;
    return lage.TypCode + antriebsSuffix(lage.Kuehler_Baureihe, lage.Region_US)
        + (lage.drueckend ? LuftMarke_drueckend : QString());
}

} // namespace ui
