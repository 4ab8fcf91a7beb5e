#include "program/ui/beschreibung.h"

#include "common/messages.h"
#include "platform/apppaths.h"
#include "program/texts/texte.h"

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

void Word_Beschreibung_anzeigen(const platform::AppPaths& pfade, const texts::Texte& texte, DokumentOeffner& oeffner,
    common::MessageBoxes& boxes)
{
    const QString datei = Beschreibung_Datei(texte.SprachNr);
    const QString gefunden = pfade.systemFile(datei);
    if (gefunden.isEmpty()) {
        boxes.show(texts::textInSprache(texte.Text_612, texte.SprachNr) + QStringLiteral("\r\n") + pfade.systemFolder()
                + QLatin1Char('/') + datei,
            common::mb::Information);
        return;
    }
    // The desktop shows the document on its own; the program keeps no reference to it. When the
    // desktop has no program for it, the user learns where the document is.
    if (!oeffner.oeffnen(gefunden))
        boxes.show(texts::textInSprache(texte.Text_611, texte.SprachNr) + QStringLiteral("\r\n")
                + QFileInfo(gefunden).absoluteFilePath(),
            common::mb::Information);
}

} // namespace ui
