#include "program/ui/anwendung.h"

#include <QGuiApplication>
#include <QIcon>

namespace ui {

void anwendungBenennen()
{
    QCoreApplication::setApplicationName(QStringLiteral("kelto-line"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kelto-line"));
    QGuiApplication::setWindowIcon(QIcon(ProgrammSymbol));
}

} // namespace ui
