#pragma once
// Names of the temporary files a save writes beside its target. They are hidden and carry the
// program's own marker, so that a file of the user's own never looks like one:
// ".<target name>.kelto-save-XXXXXX", or, where that would not fit the file system's 255-byte
// limit for a name, ".kelto-save-<16 hex digits of a hash of the target name>-XXXXXX". A save
// killed before it renames its temporary file leaves it behind; the next save of the same target
// removes it.
#include <QString>

namespace common {

// The fixed part of target's temporary names; six ASCII letters or digits follow it.
QString saveTemporaryPrefix(const QString& targetName);

// True when fileName is a temporary name of the file named targetName (both without folder).
bool isSaveLeftoverOf(const QString& fileName, const QString& targetName);

// Removes the regular files beside target whose names are temporary names of target (never
// symbolic links, folders or any other name) and that no live save holds: a save holds an
// exclusive flock() on its temporary file until it is renamed or removed, and a file that cannot
// be locked is left alone. Returns how many were removed.
int removeSaveLeftovers(const QString& target);

} // namespace common
