#pragma once
// Every installation drawing that the performance tables name (SVG files of the system folder).
#include <QStringList>

namespace catalogue {

QStringList leistungsZeichnungen();

} // namespace catalogue
