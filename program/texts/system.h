#pragma once
// Program-wide values of the start-up module: the settings read at start, the start-up flags
// and the path of the settings file. One instance lives in the application state.
#include "common/filefailure.h"
#include <QString>
#include <functional>
#include <vector>

namespace texts {

struct System {
    // Full path of the settings file, found on the first read or write of a run.
    QString IniDatei;
    // While a batch of settings writes is open (see settings.h): how deep, and the writes held
    // back so far, in their order.
    struct IniWert {
        QString Section;
        QString Key;
        QString Value;
    };
    int IniStapelTiefe = 0;
    std::vector<IniWert> IniStapelWerte;
    // Words the warning that the settings file cannot be written, in the user's language (see
    // IniFehlerMeldung); without it the warning names the file and the system's reason only.
    std::function<QString(const QString& datei, const common::FileFailure& grund)> IniFehlerText;
    // Tells the user that the settings file cannot be written; called once per run at most.
    std::function<void(const QString& meldung)> IniFehlerMelden;
    bool IniFehlerGemeldet = false;

    // Start-up flags.
    qint16 BildID_Offset = 0; // added to the series banner ids 101 to 105
    bool Init_aktiv = false;  // while true the main window's list handlers do nothing
    bool Word_aktiv = false;  // true while the report is written

    // Settings taken over at start.
    QString Projekt_Pfad;     // user data folder for projects and report documents
    QString Vorlage_Datei;    // report template file
    bool Vorlage_benutzen = false;
    bool SW_Graphik_Flag = false;

    // The user's own address block.
    QString User_Firma;
    QString User_Abteilung;
    QString User_Vorname;
    QString User_Name;
    QString User_Strasse;
    QString User_PCode;
    QString User_Ort;
    QString User_Land;
    QString User_Tel;
    QString User_Fax;
    QString User_Email;
    QString User_Web;

    // The current project: full path and name without folder and extension (empty = untitled).
    QString Projekt_File;
    QString Projekt_Name;
};

} // namespace texts
