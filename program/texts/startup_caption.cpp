#include "program/texts/startup_caption.h"

namespace texts {

QString FormCaption(const SprachText& Titel_Text, qint16 SprachNr, const QString& Projekt_Name)
{
    QString label = QStringLiteral("     Geladenes Projekt:  ");
    QString untitled = QStringLiteral("unbenannt");
    switch (SprachNr) {
    case 1: label = QStringLiteral("     active project:  "); untitled = QStringLiteral("untiteled"); break;
    case 2: label = QStringLiteral("     project activé:  "); untitled = QStringLiteral("untiteled"); break;
    case 3: label = QStringLiteral("    active project:  "); untitled = QStringLiteral("untiteled"); break;
    default: break;
    }
    const QString title = textInSprache(Titel_Text, SprachNr);
    return title + QLatin1Char(' ') + VersionText + label + (Projekt_Name.isEmpty() ? untitled : Projekt_Name);
}

void Setze_FormCaption(CaptionWindow* mainWindow, const Texte& texte, const System& sys)
{
    if (mainWindow != nullptr)
        mainWindow->setCaption(FormCaption(texte.Titel_Text, texte.SprachNr, sys.Projekt_Name));
}

} // namespace texts
