#pragma once
// The program entry's logic: refuse a second running copy, read the settings, load and show the
// main window. The caller supplies the window (so this runs without widgets in tests).
#include "common/messages.h"
#include "platform/singleinstance.h"
#include "program/app/appstate.h"
#include <QLocale>
#include <functional>

namespace app {

inline const QString SchonGestartetMeldung = QStringLiteral(" Programm wurde schon gestartet");

enum class StartResult {
    Started,        // the main window is shown; the event loop takes over
    AlreadyRunning, // another copy runs: refused with a message, nothing read or written
};

// The warning that the program starts without its single-instance lock, with the lock's path
// and why, in language SprachNr.
QString OhneSperreMeldung(const platform::SingleInstance& instance, qint16 SprachNr);

// Steps of the start: BildID_Offset, the single-instance check (a lock that cannot be taken for
// any reason other than a running copy is reported once on stderr, in the language of the
// settings, and the start goes on), the
// message for a settings file that cannot be written (shown through boxes), the start-up flags,
// Init_SysDaten, then loadAndShowMainWindow (whose load runs under Init_aktiv), then Init_aktiv
// cleared. Messages of the whole start count as one user action.
StartResult Main(AppState& state, platform::SingleInstance& instance, common::MessageBoxes& boxes,
                 const QLocale& userLocale, const std::function<void()>& loadAndShowMainWindow);

} // namespace app
