#include "program/ui/beschreibung.h"

#include "common/messages.h"
#include "platform/apppaths.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {

bool DesktopDokumentOeffner::oeffnen(const QString& pfad)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

QString Beschreibung_Datei(int SprachNr)
{
    switch (SprachNr) {
    case 0: return QStringLiteral("keltoline-ger.html");
    case 2: return QStringLiteral("keltoline-fra.html");
    default: return QStringLiteral("keltoline-eng.html");
    }
}

void Word_Beschreibung_anzeigen(const platform::AppPaths& pfade, int SprachNr, DokumentOeffner& oeffner,
    common::MessageBoxes& boxes)
{
    const QString datei = Beschreibung_Datei(SprachNr);
    const QString gefunden = pfade.systemFile(datei);
    if (gefunden.isEmpty()) {
        boxes.show(QStringLiteral("File not found!\r\n") + pfade.systemFolder() + QLatin1Char('/') + datei,
            common::mb::Information);
        return;
    }
    // The desktop shows the document on its own; the program keeps no reference to it.
    oeffner.oeffnen(gefunden);
}

} // namespace ui
