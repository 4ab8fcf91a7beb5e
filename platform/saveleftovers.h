#pragma once
// Files that an interrupted atomic save leaves behind. QSaveFile writes beside its target under
// the target's name followed by "." and six ASCII letters or digits, and renames that file over
// the target when it commits; a process killed between the two keeps the temporary file for good.
#include <QString>

namespace platform {

// True when fileName is such a temporary name of the file named targetName (both without folder).
bool isSaveLeftoverOf(const QString& fileName, const QString& targetName);

// Removes the regular files beside target whose names are temporary names of target (never
// symbolic links, folders or any other name). Returns how many were removed.
int removeSaveLeftovers(const QString& target);

} // namespace platform
