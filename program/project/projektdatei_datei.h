#pragma once
// Reading and writing a project file on disk. Reading takes the record from the start of the file,
// never the bytes after it, and checks it whole before anything is returned; writing builds the
// whole record first, keeps the previous file as the ".bak" copy and replaces both files only
// once both new contents are safely on the disk, so a failed write leaves the file and its copy as
// they were.
#include "common/filefailure.h"
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
    common::FileFailure grund; // why the file was not read (NichtGefunden, NichtLesbar)
};

Ladeergebnis ladeProjektDatei(const QString& pfad);

struct Speicherergebnis {
    bool ok = false;
    common::FileFailure grund; // why a file could not be read or written
};

// Writes the record to pfad. An existing file's bytes go to bakDatei(pfad) (replacing an older
// copy, and with the project's mode and group). When either new content cannot be written, neither file changes.
Speicherergebnis speichereProjektDatei(const QString& pfad, const ProjektSatz& satz);

// The backup copy of a project file, in the same folder: the name with its ending ".tpj" replaced
// by ".bak" ("pump.tpj" -> "pump.bak"); a name without that ending gets ".tpj.bak" appended
// ("pump" -> "pump.tpj.bak", "x.bak" -> "x.bak.tpj.bak"). So no project file is its own copy, and
// "pump" and "pump.tpj" keep copies of their own.
QString bakDatei(const QString& pfad);

} // namespace project
