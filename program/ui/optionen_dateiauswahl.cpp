#include "program/ui/optionen_dateiauswahl.h"

#include "platform/sysdialogs.h"
#include "platform/widgets/sysdialogs_qt.h"

#include <QFileDialog>

namespace ui {

QString QtOptionenDateiauswahl::GetPath(QWidget* owner)
{
    platform::QtFolderDialog dialog;
    return platform::clsSysDialogs(dialog).GetPath(owner);
}

QString QtOptionenDateiauswahl::dateiOeffnen(QWidget* owner, const QString& titel, const QString& startOrdner,
                                             const QString& filter)
{
    // getOpenFileName only returns files that exist.
    return QFileDialog::getOpenFileName(owner, titel, startOrdner, filter);
}

} // namespace ui
