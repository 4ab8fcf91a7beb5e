#pragma once
// Saving the chart's numbers: to the clipboard, to a named new file, or to a file that a dialog
// asks for. Cancel in the dialog ends silently; every other failure is raised as common::Error.
#include "chart/control/exportdialogs.h"
#include "chart/control/exporttext.h"

namespace vexachart {

// The file name that sends the data to the clipboard (compared case-sensitively).
inline const QString ClipboardTarget = QStringLiteral("(Clipboard)");

// Error 9999 "File already exists" with the given source when a file of that name exists.
void requireNewFile(const QString& path, const QString& source);

// Writes bytes to a file through a save file, so that a failure leaves no partial file behind;
// error 75 with the given source when the file cannot be written.
void writeWholeFile(const QString& path, const QByteArray& bytes, const QString& source);

// SaveData: an empty name asks through the dialog and returns the chosen path in `xFileName`.
void saveData(QString& xFileName, const ExportTable& table, ChartDialogs& dialogs);

// CopyDataToClipboard: SaveData to the clipboard, its errors raised with this member's source.
void copyDataToClipboard(const ExportTable& table, ChartDialogs& dialogs);

} // namespace vexachart
