#pragma once
// Reader and writer of profile files (INI format: "[Section]" lines, then "Key=Value" lines).
// Section and key names match ASCII case-insensitively, the first match wins. A write changes or
// adds exactly one line and keeps every other byte of the file (comments, unknown sections and
// keys, their order, the line endings). CR LF, a lone CR and a lone LF each end a line; added
// lines end as the file's first line does. Files are UTF-8; a line that is not valid UTF-8 is
// read as Latin-1. Values have no length limit.
#include "common/filefailure.h"
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

enum class ProfileWrite {
    Written,
    IgnoredEmptyKey, // nothing to store under an empty key
    Refused,         // the key or section could inject another line: nothing written
    Failed,          // the file could not be read or written
};

// The value of key in section, blanks around it removed; empty when the file, the section or the
// key is missing or the key is empty (the file is not opened then).
QString readProfileString(const QString& filePath, const QString& section, const QString& key);

// Stores value under key in section, creating folder, file, section and key as needed. CR LF
// pairs and lone CR or LF inside the value become one blank each. A key holding "=", "[", CR or
// LF, or a section that is empty or holds "]", CR or LF, is refused. The file is replaced whole
// (see common/savefile.h), and not at all when the value is already stored. On Failed the file is
// as it was and why (when given) says what went wrong.
ProfileWrite writeProfileString(const QString& filePath, const QString& section, const QString& key,
                                const QString& value, common::FileFailure* why = nullptr);

// A profile file's bytes: empty for a missing file, nothing when it cannot be read whole (it
// cannot be opened, or reading it fails or ends early).
std::optional<QByteArray> readProfileFile(const QString& filePath);

// Replaces a profile file with content, creating its folder. No failure on success, else why it
// failed (the file is then as it was).
common::FileFailure storeProfileFile(const QString& filePath, const QByteArray& content);

// The same rules on a file's bytes: the value readProfileString finds in them, and the bytes
// writeProfileString stores (content set only when the result is Written).
QString profileValue(const QByteArray& content, const QString& section, const QString& key);
struct ProfileEdit {
    ProfileWrite result = ProfileWrite::Failed;
    QByteArray content;
};
ProfileEdit profileWithValue(const QByteArray& content, const QString& section, const QString& key,
                             const QString& value);

// The value as it will be stored: line breaks replaced by blanks.
QString profileValueOnOneLine(const QString& value);

} // namespace platform
