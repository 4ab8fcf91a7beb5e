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
namespace texts {
struct Texte;
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

// Opens the description of the current language, found in the system folder ignoring case. A
// missing document gives the information "File not found!" with the full path looked for; a
// desktop without a program for it gives the information with the document's path.
void Word_Beschreibung_anzeigen(const platform::AppPaths& pfade, const texts::Texte& texte, DokumentOeffner& oeffner,
    common::MessageBoxes& boxes);

} // namespace ui
