#include "program/ui/optionen_dateiauswahl.h"

#include <QFileDialog>

namespace ui {

QString QtOptionenDateiauswahl::GetPath(QWidget* owner)
{
    return QFileDialog::getExistingDirectory(owner, QStringLiteral("Bitte wählen Sie ein Verzeichnis aus"));
}

QString QtOptionenDateiauswahl::dateiOeffnen(QWidget* owner, const QString& titel, const QString& startOrdner,
                                             const QString& filter)
{
    // getOpenFileName only returns files that exist.
    return QFileDialog::getOpenFileName(owner, titel, startOrdner, filter);
}

} // namespace ui
