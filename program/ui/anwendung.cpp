#include "program/ui/anwendung.h"

#include <QCoreApplication>

namespace ui {

void anwendungBenennen()
{
    QCoreApplication::setApplicationName(QStringLiteral("kelto-line"));
}

} // namespace ui
