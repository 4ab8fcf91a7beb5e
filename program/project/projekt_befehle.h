#pragma once
// What the project commands of the main window do apart from their dialogs: where a project is
// saved, when a file dialog counts as cancelled, and loading and saving with the messages of the
// current language. The project's name and file change only after a successful read or write.
//
// How the window's commands use them:
//   Save:     target = Projekt_Speicherziel (after Projekt_DatenordnerBereit); empty -> Save As;
//             else Projekt_Schreiben(target, record gathered from the window).
//   Save As:  Projekt_DatenordnerBereit; propose Projekt_NameVorschlag(input) in the save dialog;
//             file = Projekt_DateiAusAntwort(answer); Dateidialog_abgebrochen(file) -> stop;
//             else Projekt_Schreiben(file, record).
//   Open:     Dateidialog_abgebrochen(answer) -> stop; else Projekt_Lesen(answer) and, when it
//             returns a record, apply it in one pass (Projekt_inKuehlerDaten, units through the
//             setters, report options, option buttons, region rule), then validate and search.
//   Recent:   Projekt_Lesen(entry) as for Open (it reports a vanished file itself).
#include "common/messages.h"
#include "program/project/projektdatei.h"
#include "program/texts/system.h"
#include "program/texts/texte.h"

#include <QString>
#include <optional>

namespace project {

// The project name of a file path: the file name without folder and without a final ".tpj"
// ("Pump 3.5 kW.tpj" -> "Pump 3.5 kW"). A file not ending in ".tpj" keeps its whole name, dots
// included. Every name taken from a path goes through here.
QString Projekt_NameAusPfad(const QString& pfad);

// The name typed into the name box, usable as a file name (control characters and "/" removed,
// blanks trimmed).
QString Projekt_NameVorschlag(const QString& eingabe);

// The file a save dialog's answer names: control characters removed from the file name, and
// ".tpj" appended unless the name already ends so (a file dialog appends its default suffix only
// to a name without any dot, so "Pump 3.5 kW" comes back bare). Empty stays empty.
QString Projekt_DateiAusAntwort(const QString& antwort);

// A file dialog's answer counts as cancelled when it is empty, still "*.tpj", or its file name
// (without folder) is shorter than 5 characters.
bool Dateidialog_abgebrochen(const QString& dateiName);

// Makes sure the data folder exists: an empty Projekt_Pfad becomes standardOrdner (the folder
// always ends with "/"); the folder is created when missing. False when it cannot be created.
bool Projekt_DatenordnerBereit(texts::System& sys, const QString& standardOrdner);

// Where Save writes without asking: the current project file when there is one, else
// Projekt_Pfad & Projekt_Name & ".tpj" (so make the data folder ready first). Empty when the
// project is untitled (Save As must ask).
QString Projekt_Speicherziel(const texts::System& sys);

// Writes the project to pfad (the previous file kept as ".bak"). On success Projekt_File := pfad
// and Projekt_Name := its name. On failure the critical message Text_109 & CR LF & the system's
// reason is shown and nothing changes. Returns whether the project was saved.
bool Projekt_Schreiben(texts::System& sys, const texts::Texte& texte, common::MessageBoxes& boxes,
                       const QString& pfad, const ProjektSatz& satz);

// Reads the project file pfad. A missing file: critical Text_106 & CR & path; a file that cannot
// be read: critical Text_111; a damaged or foreign file: critical Text_101 & CR LF & Text_102.
// In these cases nothing changes and the result is empty. An accepted file of version 1 gets the
// information Text_103 & version & CR LF & Text_104, a revision other than 1 the information
// Text_105 & revision & CR LF; then Projekt_File := pfad, Projekt_Name := its name, and the record
// is returned for the window to apply.
std::optional<ProjektSatz> Projekt_Lesen(texts::System& sys, const texts::Texte& texte,
                                         common::MessageBoxes& boxes, const QString& pfad);

} // namespace project
