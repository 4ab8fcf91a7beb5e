#pragma once
// The program's description document in the user's language, shown with the desktop's default
// program. The documents live in the system folder: German, French, and English for every other
// language.
#include <QString>

namespace common {
class MessageBoxes;
}
namespace platform {
class AppPaths;
}

namespace ui {

// Opens a document with the program the desktop uses for its kind; false when that failed.
class DokumentOeffner {
public:
    virtual ~DokumentOeffner() = default;
    virtual bool oeffnen(const QString& pfad) = 0;
};

// The desktop's default program (QDesktopServices).
class DesktopDokumentOeffner final : public DokumentOeffner {
public:
    bool oeffnen(const QString& pfad) override;
};

// File name of the description for a language number: 0 German, 2 French, any other English.
QString Beschreibung_Datei(int SprachNr);

// Opens the description of language SprachNr, found in the system folder ignoring case. A missing
// document gives the information "File not found!" with the full path looked for; a program that
// cannot show it is ignored, as the document is only a help.
void Word_Beschreibung_anzeigen(const platform::AppPaths& pfade, int SprachNr, DokumentOeffner& oeffner,
    common::MessageBoxes& boxes);

} // namespace ui
