#pragma once
// The project commands of the main window: new, open, save, save as, the nine recent projects and
// the project loaded at the first activation. They choose file names and folders, ask before
// unsaved work is dropped and keep the recent list; reading and writing the file and applying it
// to the window belong to the project storage below.
#include "program/texts/system.h"
#include "program/texts/texte.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace common {
class MessageBoxes;
}

namespace ui {

// Project files as the commands need them; the window implements it over the project-file codec.
class ProjektAblage {
public:
    virtual ~ProjektAblage() = default;
    // Reads pfad and applies it to the window (then validates and searches). Shows its own
    // messages for a missing, unreadable or damaged file and for an old version. True when loaded;
    // then Projekt_File and Projekt_Name name the file. On false nothing has changed.
    virtual bool laden(const QString& pfad) = 0;
    // Writes the current project to pfad; an existing file is kept as ".bak" first. Shows Text_109
    // when it fails, and the old file stays as it was. True when saved; then Projekt_File and
    // Projekt_Name name the file.
    virtual bool speichern(const QString& pfad) = 0;
    // The window as an empty, untitled project.
    virtual void neu() = 0;
};

// The dialogs of the commands; an empty answer means cancelled.
class ProjektDialoge {
public:
    virtual ~ProjektDialoge() = default;
    // A file to save to, "*.tpj" files; the name comes back as the dialog confirmed it, and the
    // dialog asks before replacing that file (the command asks when it writes under another name).
    virtual QString speichernUnter(const QString& titel, const QString& ordner, const QString& vorschlag) = 0;
    // An existing "*.tpj" file to open.
    virtual QString oeffnen(const QString& titel, const QString& ordner) = 0;
    // One line of text.
    virtual QString eingabe(const QString& titel, const QString& frage) = 0;
};

class ProjektBefehle {
public:
    ProjektBefehle(texts::System& sys, const texts::Texte& texte, common::MessageBoxes& boxes, ProjektAblage& ablage,
        ProjektDialoge& dialoge);

    // Rebuilds the window caption from the project name.
    std::function<void()> titelNeu;
    // Shows recent item n (1 to 9): caption, full path as its hint, whether it can be chosen.
    std::function<void(int n, const QString& caption, const QString& pfad, bool waehlbar)> menuePunkt;
    // The data folder used when Projekt_Pfad is empty.
    std::function<QString()> standardOrdner;

    // The save question: true when the command may go on (No, or Yes and the save completed).
    bool Sicherungsfrage();

    void Projekt_Neu();
    void Projekt_Load();
    // True when the project was saved (also used by the exit question).
    bool Projekt_Save();
    bool Projekt_SaveAs();
    void Projekt_load_Liste(int ProjNr);
    void Set_ProjHistory(const QString& ProjFile);
    // The project named by Projekt_File at the first activation; an empty name or a file that does
    // not load gives an empty, untitled project.
    void Projektfile_Load();

    // The working copy of the recent list as last read or written (nine entries).
    const QStringList& Projekt_History() const { return m_history; }

private:
    const QString& text(const texts::SprachText& t) const;
    // Asks before an existing file is replaced; true when it may be written.
    bool ersetzenErlaubt(const QString& datei);
    // The data folder with its final "/" (the default one when none is set); created when asked to.
    // Empty when it cannot be created.
    QString ordner(bool anlegen);
    void titel()
    {
        if (titelNeu)
            titelNeu();
    }

    texts::System& m_sys;
    const texts::Texte& m_texte;
    common::MessageBoxes& m_boxes;
    ProjektAblage& m_ablage;
    ProjektDialoge& m_dialoge;
    QStringList m_history;
};

} // namespace ui
