#pragma once
// Technical data overview: for every size of every series and region a short data sheet (fan speed,
// noise, voltage, power, oil volume, working pressure, weights), its headings, and the display that
// writes the current size's sheet into the overview grid.
#include "program/catalogue/grid.h"
#include "program/catalogue/kdaten_tab.h"
#include "program/catalogue/ktabsatz.h"
#include "program/texts/sprachtext.h"
#include "program/texts/stringtable.h"
#include "program/texts/texte.h"
#include <QString>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace catalogue {

// A value that depends on the airflow direction: index 0 sucking, index 1 pushing.
using LuftPaar = std::array<QString, 2>;

struct UebersichtSatz {
    LuftPaar Ventilatordrehzahl; // grid row 1
    LuftPaar Schalldruckpegel;   // grid row 2
    LuftPaar Anschlussspannung;  // grid row 3
    LuftPaar Leistungsaufnahme;  // grid row 4
    QString Fuellinhalt;         // grid row 7
    QString Betriebsdruck;       // grid row 8
    LuftPaar Gesamtgewicht;      // grid row 5
    LuftPaar Versandgewicht;     // grid row 6
    bool operator==(const UebersichtSatz&) const = default;
};
// Declared records of a table; an empty table stands for "no table".
using UebersichtTabelle = std::vector<UebersichtSatz>;

struct KDaten_Uebers {
    UebersichtTabelle UebersTab_DC12_US, UebersTab_DC24_US;                         // 0..8
    UebersichtTabelle UebersTab_AC_Optim_US, UebersTab_AC_Optim_LowNoise_US;       // 0..15
    UebersichtTabelle UebersTab_AC_Rough_US, UebersTab_AC_Rough_LowNoise_US;
    UebersichtTabelle UebersTab_Hydro_Optim_US, UebersTab_Hydro_Rough_US;
    UebersichtTabelle UebersTab_DC12_EU, UebersTab_DC24_EU;                         // 0..8
    UebersichtTabelle UebersTab_AC_Optim_EU, UebersTab_AC_Optim_LowNoise_EU;       // 0..12
    UebersichtTabelle UebersTab_AC_Rough_EU, UebersTab_AC_Rough_LowNoise_EU;
    UebersichtTabelle UebersTab_Hydro_Optim_EU, UebersTab_Hydro_Rough_EU;

    texts::SprachText UebersText_MotorVariante;          // 470
    texts::SprachText UebersText_Versandgewicht_Bericht; // 521, report
    texts::SprachText UebersText_Drehzahl;               // 472
    texts::SprachText UebersText_Schalldruck;            // 473
    texts::SprachText UebersText_Spannung;               // 474
    texts::SprachText UebersText_Leistungsaufnahme;      // 475
    texts::SprachText UebersText_Fuellinhalt;            // 476
    texts::SprachText UebersText_Betriebsdruck;          // 477
    texts::SprachText UebersText_Gesamtgewicht;          // 478
    texts::SprachText UebersText_Versandgewicht;         // 521, grid
};

// The performance tables that get the overview's noise texts (nullptr: not written).
struct GeraeuschZiele {
    KTabelle* KTab_DC_US = nullptr;
    KTabelle* KTab_DC_EU = nullptr;
    KTabelle* KTab_AC_Optim_US = nullptr;
    KTabelle* KTab_AC_Optim_LowNoise_US = nullptr;
    KTabelle* KTab_AC_Rough_US = nullptr;
    KTabelle* KTab_AC_Rough_LowNoise_US = nullptr;
};

// Fills the sixteen tables (US series 1..8, then metric 1..8) and copies the noise texts into the
// DC and US AC performance tables. Run after the performance tables are filled; running it again
// changes nothing.
void Init_UebersichtTabellen(KDaten_Uebers& daten, const GeraeuschZiele& ziele);
void Init_UebersichtTabellen(KDaten_Uebers& daten, KDaten_Tab& leistung);

// The sixteen fillers, each writing its own table (and, where named, the noise of one performance table).
void Init_UebersTab_DC12_US(KDaten_Uebers& d, KTabelle* KTab_DC_US);
void Init_UebersTab_DC24_US(KDaten_Uebers& d);
void Init_UebersTab_AC_Optim_US(KDaten_Uebers& d, KTabelle* KTab_AC_Optim_US);
void Init_UebersTab_AC_Optim_LowNoise_US(KDaten_Uebers& d, KTabelle* KTab_AC_Optim_LowNoise_US);
void Init_UebersTab_AC_Rough_US(KDaten_Uebers& d, KTabelle* KTab_AC_Rough_US);
void Init_UebersTab_AC_Rough_LowNoise_US(KDaten_Uebers& d, KTabelle* KTab_AC_Rough_LowNoise_US);
void Init_UebersTab_Hydro_Optim_US(KDaten_Uebers& d);
void Init_UebersTab_Hydro_Rough_US(KDaten_Uebers& d);
void Init_UebersTab_DC12_EU(KDaten_Uebers& d, KTabelle* KTab_DC_EU);
void Init_UebersTab_DC24_EU(KDaten_Uebers& d);
void Init_UebersTab_AC_Optim_EU(KDaten_Uebers& d);
void Init_UebersTab_AC_Optim_LowNoise_EU(KDaten_Uebers& d);
void Init_UebersTab_AC_Rough_EU(KDaten_Uebers& d);
void Init_UebersTab_AC_Rough_LowNoise_EU(KDaten_Uebers& d);
void Init_UebersTab_Hydro_Optim_EU(KDaten_Uebers& d);
void Init_UebersTab_Hydro_Rough_EU(KDaten_Uebers& d);

// A copy of the table of the series and region; empty for a series code outside 1..8.
UebersichtTabelle UebersichtTab_holen(const KDaten_Uebers& daten, long Kuehler_Baureihe, bool Region_US);

// The ten headings: slots 0..2 German, English, French, slots 3..16 from the string table under
// their text numbers. A missing string-table entry raises its error to the caller.
void Init_UebersichtTexte(KDaten_Uebers& daten, const texts::StringTable& table = texts::compiledStringTable());

// The part of a search result that the overview shows.
struct UebersichtErgebnis {
    qint16 Ventilatordrehzahl = 0; // fan speed of the speed step the result was computed for, 1/min
    QString Schalldruckpegel;      // noise text, dB(A); "0" stands for none
};

// The program state the overview reads.
struct UebersichtLage {
    bool Region_US = false;
    long Kuehler_Baureihe = 0;
    int Typ_Index = -1;
    bool LuefterDrueckend = false;
    // What the last search found for the current size: a hydraulic size shows its fan speed and
    // noise. Unset when the search left no size in that slot.
    std::optional<UebersichtErgebnis> Ergebnis;
};

// Writes the overview of the current size into the grid (rows 0..8, columns 0 and 1) in language
// texte.SprachNr and sets the label's caption. A size outside the selected table shows no values.
void Datenuebersicht_anzeigen(const KDaten_Uebers& daten, const texts::Texte& texte, const UebersichtLage& lage,
                              FlexGrid& FG_Datenuebersicht, Beschriftung& LA_DatenUebersicht);

} // namespace catalogue
