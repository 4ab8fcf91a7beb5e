#pragma once
// The program's settings file, read and written one key at a time. The file lives in the user's
// config folder; its path is found on the first call of a run and kept in System::IniDatei.
#include "program/texts/system.h"
#include <QString>

namespace texts {

// Section names and keys of the settings file.
namespace ini {
inline const QString SysDaten = QStringLiteral("SysDaten");
inline const QString UserInfo = QStringLiteral("UserInfo");
inline const QString Projekte = QStringLiteral("Projekte");
}

// The value of Key in Section; empty when the key, the section or the file is missing, or Key is
// empty (the file is not touched then).
QString INI_lesen(System& sys, const QString& Key, const QString& Section);

// Stores Value under Key in Section at once. Nothing happens for an empty Key or for a key that
// could break the file's lines ("=", "[", CR, LF); line breaks in Value are stored as blanks.
// A failed write is not reported to the user.
void INI_schreiben(System& sys, const QString& Key, const QString& Value, const QString& Section);

} // namespace texts
