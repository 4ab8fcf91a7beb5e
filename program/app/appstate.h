#pragma once
// The application state: the program-wide values of every module, owned once and passed by
// reference to whatever reads or changes them. Tests build a fresh one.
#include "program/catalogue/einbau.h"
#include "program/catalogue/kdaten_hc_tab.h"
#include "program/catalogue/kdaten_tab.h"
#include "program/catalogue/medium_liste.h"
#include "program/catalogue/uebers.h"
#include "program/catalogue/zubehoer.h"
#include "program/rating/kuehlerdaten.h"
#include "program/report/ergbausgabe.h"
#include "program/texts/startup_forms.h"
#include "program/texts/system.h"
#include "program/texts/texte.h"

namespace app {

struct AppState {
    texts::System System;
    texts::Texte Texte;
    rating::KuehlerDaten KuehlerDaten;
    catalogue::KDaten_Tab KDaten_Tab;
    catalogue::KDaten_HC_Tab KDaten_HC_Tab;
    catalogue::KDatenStrukt KDatenStrukt;
    catalogue::KDaten_Einbau KDaten_Einbau;
    catalogue::KDaten_Uebers KDaten_Uebers;
    catalogue::Zubehoer Zubehoer;
    report::ErgbAusgabe ErgbAusgabe;

    // Values that start-up fills for the report, whose struct is still to come:
    bool Haendler_drucken = false; // print the dealer address (report)
    qint16 Haendler_US_Idx = 0;    // chosen dealer of the US and EU lists (report)
    qint16 Haendler_EU_Idx = 0;

    texts::Formen Forms;
};

} // namespace app
