#pragma once
// Program-wide values of the report module: the address blocks printed in the header and the
// address table, the nine report options with their captions, and the path of the last report.
// The dealer choice (print flag and the two indices) is read at start-up into the application
// state and changed by the options window; the report reads it from there.
#include "program/project/word_optionen.h"
#include "program/texts/sprachtext.h"
#include "program/texts/stringtable.h"
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace report {

// One postal and contact address as nine display lines (index 0 = line 1): name (may hold
// CR LF), second line, street, postcode and town, an unused fifth line, then phone, fax, e-mail
// and web, each with its own label. A line that does not apply is empty.
struct Adresse {
    std::array<QString, 9> Zeile{};
};

// One optional report section: the caption in every language (slot 17 stays empty), a further
// text nothing in the report uses, and the flag (non-zero = the section is written). The same
// record as the project file keeps, so a loaded project's options are taken over as they stand.
using Word_OptionSatz = project::Word_OptionSatz;

// Indices of Word_Optionen.
namespace option {
inline constexpr int Zeichnung = 0;      // installation drawing
inline constexpr int Leistungskurve = 1; // performance chart
inline constexpr int Druckverlust = 2;   // pressure-drop chart
inline constexpr int TechnDaten = 3;     // technical data overview with the address table
inline constexpr int Ersatzteile = 4;    // accessories and spare parts
inline constexpr int Kopfzeile = 5;      // header
inline constexpr int Fusszeile = 6;      // footer
inline constexpr int Anschrift = 7;      // maker's name in the header
inline constexpr int Rahmen = 8;         // page frame
inline constexpr int Anzahl = project::Word_OptionenAnzahl;
}

struct ErgbAusgabe {
    Adresse Adresse_Stammhaus;
    Adresse Adresse_US;
    std::vector<Adresse> Haendler_EU; // entry 0 = no dealer
    std::vector<Adresse> Haendler_US;
    project::Word_Optionen Word_Optionen{};
    // Full path of the last report document.
    QString Word_Dokument_Datei;

    bool optionOn(int index) const { return Word_Optionen[std::size_t(index)].Flag != 0; }
};

// Fills the maker's two addresses and both dealer tables (entries 0 to 2); the dealer indices
// are not touched.
void Init_Adressdaten(ErgbAusgabe& ergb);

// Fills the captions of the nine options in every language; the flags stay as they are.
void Init_Word_Optionen_Texte(ErgbAusgabe& ergb, const texts::StringTable& table = texts::compiledStringTable());

// The dealer entry of a table; an index outside the table counts as entry 0 (no dealer).
int gueltigerHaendlerIdx(const std::vector<Adresse>& tabelle, int index);

// Letter of data row r (1-based) of the dimension grid: A-H, J-Q, then X onwards.
QChar masseBuchstabe(int row);

// The legend of the installation dimensions: for each data row r = 1.. of the dimension grid's
// value column (werte[0] is row 1) that is not empty, letter & "=" & text & CR LF. Empty when
// no cooler is selected (Typ_Index < 0).
QString Masse_Legende_bilden(int Typ_Index, const QStringList& werte);

} // namespace report
