#pragma once
// Which installation-table entries the dimension grid shows.
#include <QString>

namespace ui {

// The entry as stored when, trimmed of blanks, it is not empty and does not read wholly as a
// number of 0 or less ("," or "." as the decimal mark); otherwise "". Threads, ports and
// diameters ("G1 ", "LL 11x16 ", "#12 SAE") are shown as they stand. Never fails.
QString einbauZelle(const QString& eintrag);

} // namespace ui
