#pragma once
// The main window's caption: program title, version, "active project" label and project name
// (or the untitled text), in the current language.
#include "program/texts/sprachtext.h"
#include "program/texts/system.h"
#include "program/texts/texte.h"
#include <QString>

namespace texts {

inline const QString VersionText = QStringLiteral("V-1.4 i");

// What start-up needs of the main window.
class CaptionWindow {
public:
    virtual ~CaptionWindow() = default;
    virtual void setCaption(const QString& caption) = 0;
};

// The caption for language SprachNr; Titel_Text holds the program title in every language.
QString FormCaption(const SprachText& Titel_Text, qint16 SprachNr, const QString& Projekt_Name);

// Sets the caption of the main window for the current language and project; does nothing while
// there is no main window.
void Setze_FormCaption(CaptionWindow* mainWindow, const Texte& texte, const System& sys);

} // namespace texts
