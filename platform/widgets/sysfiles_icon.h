#pragma once
// The IconHandle member of clsSysFiles: the icon the desktop shows for a file. A null icon when the
// path does not exist.
#include <QIcon>
#include <QString>

namespace platform {

QIcon IconHandle(const QString& sFile);

} // namespace platform
