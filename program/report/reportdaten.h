#pragma once
// The program-wide values a report reads, and the report options and state it updates: references
// into the modules' structs, so the report needs none of the program's composition.
#include "program/catalogue/kdaten_tab.h"
#include "program/catalogue/medium_liste.h"
#include "program/catalogue/uebers.h"
#include "program/catalogue/zubehoer.h"
#include "program/rating/kuehlerdaten.h"
#include "program/report/ergbausgabe.h"
#include "program/texts/system.h"
#include "program/texts/texte.h"

namespace report {

struct ReportDaten {
    texts::System& System;
    texts::Texte& Texte;
    rating::KuehlerDaten& KuehlerDaten;
    catalogue::KDaten_Tab& KDaten_Tab;
    catalogue::KDatenStrukt& KDatenStrukt;
    catalogue::KDaten_Uebers& KDaten_Uebers;
    catalogue::Zubehoer& Zubehoer;
    ::report::ErgbAusgabe& ErgbAusgabe;
    bool& Haendler_drucken;    // print the dealer address
    qint16& Haendler_US_Idx;   // chosen dealer of the US and EU lists
    qint16& Haendler_EU_Idx;
};

} // namespace report
