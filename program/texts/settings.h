#pragma once
// The program's settings file, read and written one key at a time. The file lives in the user's
// config folder; its path is found on the first call of a run and kept in System::IniDatei.
#include "program/texts/system.h"
#include "program/texts/texte.h"
#include <QString>

namespace texts {

// Section names and keys of the settings file.
namespace ini {
inline const QString SysDaten = QStringLiteral("SysDaten");
inline const QString UserInfo = QStringLiteral("UserInfo");
inline const QString Projekte = QStringLiteral("Projekte");
}

// The value of Key in Section; empty when the key, the section or the file is missing, or Key is
// empty (the file is not touched then). Inside a batch, writes held back are read too.
QString INI_lesen(System& sys, const QString& Key, const QString& Section);

// Stores Value under Key in Section: at once, or inside a batch when the batch ends. Nothing
// happens for an empty Key or for a key that could break the file's lines ("=", "[", CR, LF); line
// breaks in Value are stored as blanks. When the file cannot be written it stays as it was and
// the user is told once per run (System::IniFehlerMelden), naming the file.
void INI_schreiben(System& sys, const QString& Key, const QString& Value, const QString& Section);

// Several keys the program writes in one go, without waiting for the user (the recent-projects
// list, the address block), reach the file in one write when the outermost batch ends. A batch
// never stays open while the user is asked anything (a dialog, a message, a file dialog): a
// change the user makes is in the file when it is done. At the end the file is read again and
// only the batch's own keys change, so that what another program wrote meanwhile stays.
class INI_Stapel {
public:
    explicit INI_Stapel(System& sys);
    ~INI_Stapel();
    INI_Stapel(const INI_Stapel&) = delete;
    INI_Stapel& operator=(const INI_Stapel&) = delete;

private:
    System& m_sys;
};

// The message that tells the user the settings file could not be written, and why, in the
// current language.
QString IniFehlerMeldung(const Texte& texte, const QString& datei, const common::FileFailure& grund);

} // namespace texts
