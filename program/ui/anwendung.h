#pragma once
// How the program names itself to Qt and the desktop.

#include <QString>

namespace ui {

// The program's title where a window has no caption of its own (message boxes).
inline const QString ProgrammTitel = QStringLiteral("Kelto-Line");

// The program's icon, the one its desktop entry shows.
inline const QString ProgrammSymbol = QStringLiteral(":/icons/kelto-line.svg");

// Names the application (its settings folder follows the name) and gives its windows the
// program's icon, so that title bars and task switchers show it. It sets no display name: the
// window system would append that to every caption, and the captions are the program's own.
// The desktop file name lets a Wayland desktop match the windows to the desktop entry.
void anwendungBenennen();

} // namespace ui
