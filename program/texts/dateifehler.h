#pragma once
// Failed file accesses worded for the user, in the current language.
#include "common/filefailure.h"
#include "program/texts/texte.h"

#include <QString>

namespace texts {

// Why a file could not be read or written: the program's sentence for what failed, then the
// system's own reason after a colon when the system gave one. Empty when nothing failed.
QString DateiFehlerText(const Texte& texte, const common::FileFailure& fehler);

} // namespace texts
