#pragma once
// Spare parts and accessories: for every size of every series and region the order numbers of the
// cooler element, stand, shroud, fan, motor or blower and guard (the last three by airflow
// direction), their headings, and the display that writes the current size's numbers into a grid.
#include "program/catalogue/grid.h"
#include "program/texts/sprachtext.h"
#include "program/texts/stringtable.h"
#include "program/texts/texte.h"
#include <QString>
#include <array>
#include <vector>

namespace catalogue {

struct ZubehoerSatz {
    QString Typ;                        // type designation, not shown
    QString BestellNr;                  // order number of the unit (metric tables), not shown
    QString Kuehlelement;               // grid row 1
    QString Fuss;                       // grid row 2
    QString ZusatzNr;                   // additional part (large US sizes), not shown
    QString Haube;                      // grid row 3
    std::array<QString, 2> Luefter;     // grid row 4; index 0 sucking, 1 pushing airflow
    std::array<QString, 2> Motor;       // grid row 5
    std::array<QString, 2> Schutzgitter; // grid row 6
    bool operator==(const ZubehoerSatz&) const = default;
};
using ZubehoerTabelle = std::vector<ZubehoerSatz>;

struct Zubehoer {
    ZubehoerTabelle ZubehoerTab_DC12_US, ZubehoerTab_DC24_US;                         // 0..8
    ZubehoerTabelle ZubehoerTab_AC_Optim_US, ZubehoerTab_AC_Optim_LowNoise_US;       // 0..15
    ZubehoerTabelle ZubehoerTab_AC_Rough_US, ZubehoerTab_AC_Rough_LowNoise_US;
    ZubehoerTabelle ZubehoerTab_Hydro_Optim_US, ZubehoerTab_Hydro_Rough_US;
    ZubehoerTabelle ZubehoerTab_DC12_EU, ZubehoerTab_DC24_EU;                         // 0..8
    ZubehoerTabelle ZubehoerTab_AC_Optim_EU, ZubehoerTab_AC_Optim_LowNoise_EU;       // 0..12
    ZubehoerTabelle ZubehoerTab_AC_Rough_EU, ZubehoerTab_AC_Rough_LowNoise_EU;
    ZubehoerTabelle ZubehoerTab_Hydro_Optim_EU, ZubehoerTab_Hydro_Rough_EU;

    texts::SprachText ZubehoerText_BestellNr;     // 450
    texts::SprachText ZubehoerText_Kuehlelement;  // 453
    texts::SprachText ZubehoerText_Haube;         // 454
    texts::SprachText ZubehoerText_Schutzgitter;  // 455
    texts::SprachText ZubehoerText_Motor;         // 456
    texts::SprachText ZubehoerText_Luefter;       // 457
    texts::SprachText ZubehoerText_Fuss;          // 458
};

// Fills the sixteen tables: the metric ones (series 1..8), then the US ones.
void Init_ZubehoerTabellen(Zubehoer& z);

void Init_ZubehoerTab_DC12_US(Zubehoer& z);
void Init_ZubehoerTab_DC24_US(Zubehoer& z);
void Init_ZubehoerTab_AC_Optim_US(Zubehoer& z);
void Init_ZubehoerTab_AC_Optim_LowNoise_US(Zubehoer& z);
void Init_ZubehoerTab_AC_Rough_US(Zubehoer& z);
void Init_ZubehoerTab_AC_Rough_LowNoise_US(Zubehoer& z);
void Init_ZubehoerTab_Hydro_Optim_US(Zubehoer& z);
void Init_ZubehoerTab_Hydro_Rough_US(Zubehoer& z);
void Init_ZubehoerTab_DC12_EU(Zubehoer& z);
void Init_ZubehoerTab_DC24_EU(Zubehoer& z);
void Init_ZubehoerTab_AC_Optim_EU(Zubehoer& z);
void Init_ZubehoerTab_AC_Optim_LowNoise_EU(Zubehoer& z);
void Init_ZubehoerTab_AC_Rough_EU(Zubehoer& z);
void Init_ZubehoerTab_AC_Rough_LowNoise_EU(Zubehoer& z);
void Init_ZubehoerTab_Hydro_Optim_EU(Zubehoer& z);
void Init_ZubehoerTab_Hydro_Rough_EU(Zubehoer& z);

// The stored table of a series and region, or nullptr for a series code outside 1..8.
const ZubehoerTabelle* ZubehoerTabelle_von(const Zubehoer& z, long Kuehler_Baureihe, bool Region_US);

// The seven headings: slots 0..2 German, English, French, slots 3..16 from the string table under
// their text numbers. A missing string-table entry raises its error to the caller.
void Init_ZubehoerTexte(Zubehoer& z, const texts::StringTable& table = texts::compiledStringTable());

// The program state the spare-parts display reads.
struct ZubehoerLage {
    bool Region_US = false;
    long Kuehler_Baureihe = 0;
    int Typ_Index = -1;
    bool LuefterDrueckend = false; // pushing airflow selected
};

// Writes the label caption (Text_163), the headings and the order numbers of the current size into
// the grid (rows 0..6, columns 0 and 1) in language texte.SprachNr. No series, a negative size or
// one beyond the table: the six value cells stay empty.
void Zubehoer_anzeigen(const Zubehoer& z, const texts::Texte& texte, const ZubehoerLage& lage,
                       FlexGrid& FG_ErsatzTeile, Beschriftung& LA_Zubehoer);

} // namespace catalogue
