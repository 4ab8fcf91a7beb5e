#pragma once
// clsSysFiles: questions about one file. Whether another program holds it open, its display name
// and its type name. (Its icon is a widgets matter: see platform/widgets/sysfiles_icon.h.)
// Errors are raised as common::Error with the member's source, never shown.
#include <QString>

namespace platform {

class clsSysFiles {
public:
    // True when the file is held open for writing elsewhere: an office lock file
    // ".~lock.<name>#" stands beside it, or a process holds a lock on it (record or
    // open-file-description locks). A file that cannot be opened raises 10000 + the system's error
    // code with the system's text (a missing file: 10002), source "clsFiles:FileInUse".
    bool FileInUse(const QString& sFile) const;
    // The file's name as shown to the user; "" when the path does not exist.
    QString DisplayName(const QString& sFile) const;
    // The description of the file's type (e.g. "PNG image"); "" when the path does not exist.
    QString TypeName(const QString& sFile) const;

    // The system's text for an error code. Raises 9999 "Der Fehlertext zu ReturnCode <code>
    // konnte nicht ermittelt werden." when there is none.
    static QString GetApiErrorText(int code);
};

} // namespace platform
