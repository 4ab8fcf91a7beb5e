#pragma once
// The project file (".tpj"), format version 2 revision 1: one record of the operating point,
// the medium, the display units, the report options, the drive and fan choices and the region.
// Little-endian, no padding; Integer = int16, Double = IEEE-754 binary64, Boolean = int16 (-1/0);
// a text = uint16 length + that many Windows-1252 bytes. Bytes after the record are ignored.
//
// The codec is pure: bytes in, a checked record out, or a refusal; a record in, bytes out. The
// reader takes from a device only the bytes the record needs, so a file with a tail of any size
// is read without holding the tail.
#include "program/project/word_optionen.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace project {

// The extension of every project file the program writes, exactly so (lowercase).
inline const QString ProjektEndung = QStringLiteral(".tpj");

inline constexpr qint16 ProjektVersion = 2;
inline constexpr qint16 ProjektRevision = 1;

// The ten option buttons in the order the file stores them.
enum OptionKnopf {
    OBox_12V,
    OBox_24V,
    OBox_AC_Optim,
    OBox_AC_Rough,
    OBox_HC_Optim,
    OBox_HC_Rough,
    OBox_DCD,
    OBox_AC,
    OBox_HC,
    OBox_Saugend,
    OptionKnopfAnzahl
};

// One project as stored, in internal units.
struct ProjektSatz {
    double Durchfluss = 0; // l/min
    double T_in = 0;       // °C
    double T_Umgebung = 0; // °C
    double KLeistung = 0;  // W
    qint16 Medium_Typ = 0;
    qint16 Medium_Subindex = 0;
    bool AC_LowNoise = false; // value of CBox_AC_LowNoise
    qint16 EH_Leistung = 0;
    qint16 EH_Temp = 0;
    qint16 EH_Durchfluss = 2;
    qint16 EH_Druck = 1;
    Word_Optionen Optionen{};
    std::array<bool, OptionKnopfAnzahl> Knoepfe{}; // true = chosen; OBox_drueckend = !OBox_Saugend
    bool Region_US = false;

    bool operator==(const ProjektSatz&) const = default;
};

// Why a file was refused.
enum class Ablehnung {
    Keine,
    Version,   // version 0, negative or above 2
    Kurz,      // the record ends before its last field, or a text is longer than the bytes left
    Wert,      // a number is not finite
};

struct Dekodiert {
    Ablehnung ablehnung = Ablehnung::Keine;
    qint16 Version = 0;  // as stored (also when refused, if present)
    qint16 Revision = 0;
    ProjektSatz satz;    // meaningful only when accepted

    bool angenommen() const { return ablehnung == Ablehnung::Keine; }
    // Version 1 is read as version 2 after a hint; a revision other than 1 gets a hint too.
    bool alteStruktur() const { return angenommen() && Version != ProjektVersion; }
    bool andereRevision() const { return angenommen() && Revision != ProjektRevision; }
};

// Reads one record from the start of the bytes. The record is checked completely before anything is taken; an
// accepted record then gets the reader's rules: a medium kind other than 0/1 becomes oil, a grade
// outside the medium's list 0, units outside their range their defaults (kW, °C, l/min, mbar),
// per group of option buttons only the last chosen one stays, and when none of the report
// options 0 to 7 is on, all eight are switched on (the page frame keeps its flag).
Dekodiert dekodiereProjekt(const QByteArray& bytes);
// The same from the device's current position; reads no byte after the record.
Dekodiert dekodiereProjekt(QIODevice& device);

// The record's bytes, version 2 revision 1. Throws common::Error (overflow, 6) when a text needs
// more than 65 535 bytes; nothing is written then.
QByteArray kodiereProjekt(const ProjektSatz& satz);

} // namespace project
