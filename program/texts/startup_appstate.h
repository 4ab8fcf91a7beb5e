#pragma once
// The application state: the program-wide values of every module, owned once and passed by
// reference to whatever reads or changes them. Tests build a fresh one.
#include "program/rating/kuehlerdaten.h"
#include "program/texts/startup_forms.h"
#include "program/texts/system.h"
#include "program/texts/texte.h"

namespace texts {

struct AppState {
    texts::System System;
    texts::Texte Texte;
    rating::KuehlerDaten KuehlerDaten;

    // Values that start-up fills for modules whose structs are still to come:
    bool Region_US = false;        // 60 Hz US region (catalogue)
    bool Haendler_drucken = false; // print the dealer address (report)
    qint16 Haendler_US_Idx = 0;    // chosen dealer of the US and EU lists (report)
    qint16 Haendler_EU_Idx = 0;

    Formen Forms;
};

} // namespace texts
