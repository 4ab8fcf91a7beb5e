#include "program/ui/beschreibung.h"

#include "common/messages.h"
#include "platform/apppaths.h"
#include "program/texts/sprachtext.h"

#include "wp/externalprograms.h"

#include <QFileInfo>

namespace ui {

bool DesktopDokumentOeffner::oeffnen(const QString& pfad)
{
    return wp::openWithDesktop(pfad);
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
    // The desktop shows the document on its own; the program keeps no reference to it. When the
    // desktop has no program for it, the user learns where the document is.
    if (!oeffner.oeffnen(gefunden))
        boxes.show(texts::meldungInSprache(SprachNr, u"Kein Programm zum Öffnen dieser Datei gefunden:",
                       u"No program was found to open this file:",
                       u"Aucun programme trouvé pour ouvrir ce fichier :")
                + QStringLiteral("\r\n") + QFileInfo(gefunden).absoluteFilePath(),
            common::mb::Information);
}

} // namespace ui
