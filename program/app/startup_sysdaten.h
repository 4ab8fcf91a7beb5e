#pragma once
// Reading the settings at start: the language (from the settings or the user's locale), folders,
// report options, region, the user's address and the last project.
#include "program/app/appstate.h"
#include <QLocale>

namespace app {

// The interface language for a user locale: its English language name mapped to a language
// index (0 to 15, never 13 or 16); every name without a language of its own gives English (1).
qint16 Sprache_ermitteln(const QLocale& userLocale);

// Reads every start-up key of the settings file into the state. Each key is read on its own, so
// a bad value of one key never keeps the others from being read. Only values are set here: the
// caption is set by the main window once it exists.
void Init_SysDaten(AppState& state, const QLocale& userLocale);

} // namespace app
