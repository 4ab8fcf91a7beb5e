#pragma once
// Between a project record and the engine's program-wide values. The window adds what lives in
// its controls (low-noise box, option buttons, region) and the report options.
#include "program/project/projektdatei.h"
#include "program/rating/kuehlerdaten.h"

namespace project {

// The record of the engine's values: operating point, medium and the four display units.
ProjektSatz Projekt_ausKuehlerDaten(const rating::KuehlerDaten& kd);

// Operating point and medium into the engine's values. The units are left alone: the window
// applies them through its unit setters, which also relabel the fields.
void Projekt_inKuehlerDaten(const ProjektSatz& satz, rating::KuehlerDaten& kd);

} // namespace project
