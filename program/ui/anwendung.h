#pragma once
// How the program names itself to Qt and the desktop.

#include <QString>

namespace ui {

// The program's title where a window has no caption of its own (message boxes).
inline const QString ProgrammTitel = QStringLiteral("Kelto-Line");

// Names the application (its settings folder follows the name). It sets no display name: the
// window system would append that to every caption, and the captions are the program's own.
void anwendungBenennen();

} // namespace ui
