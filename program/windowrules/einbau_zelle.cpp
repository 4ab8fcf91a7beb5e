#include "program/windowrules/einbau_zelle.h"

namespace ui {

QString einbauZelle(const QString& eintrag)
{
    QString zahl = eintrag.trimmed();
    if (zahl.isEmpty())
        return {};
    zahl.replace(QLatin1Char(','), QLatin1Char('.'));
    bool istZahl = false;
    const double wert = zahl.toDouble(&istZahl);
    if (istZahl && !(wert > 0))
        return {};
    return eintrag;
}

} // namespace ui
