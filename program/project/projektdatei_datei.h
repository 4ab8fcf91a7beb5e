#pragma once
// Reading and writing a project file on disk. Reading takes the record from the start of the file,
// never the bytes after it, and checks it whole before anything is returned; writing builds the whole record first, keeps the previous file as the
// ".bak" copy and replaces the file atomically, so a failed write leaves the old file intact.
#include "program/project/projektdatei.h"

#include <QString>

namespace project {

enum class LadeStatus {
    Geladen,       // accepted; the record is in dekodiert.satz
    NichtGefunden, // no such file
    NichtLesbar,   // exists but cannot be opened or read (a folder, no permission, read error)
    Abgelehnt,     // read, but not a project file of a version this program knows
};

struct Ladeergebnis {
    LadeStatus status = LadeStatus::NichtGefunden;
    Dekodiert dekodiert;
    QString grund; // technical reason when not loaded
};

Ladeergebnis ladeProjektDatei(const QString& pfad);

struct Speicherergebnis {
    bool ok = false;
    QString grund; // technical reason when not saved
};

// Writes the record to pfad. An existing file is first copied to bakDatei(pfad) (replacing an
// older copy); when that copy cannot be made nothing is written.
Speicherergebnis speichereProjektDatei(const QString& pfad, const ProjektSatz& satz);

// The backup copy of a project file: same folder and name, extension ".bak".
QString bakDatei(const QString& pfad);

} // namespace project
