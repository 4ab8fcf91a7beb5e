#pragma once
// The application state the main window works on: the start-up state and the module structs,
// owned once (by main) and passed by reference. Tests build a fresh one.
#include "common/colour.h"
#include "program/app/appstate.h"

#include <QLocale>

namespace ui {

// Program-wide values of the main window's own module.
struct MenuDaten {
    bool Auto_Suche = false;
    bool Erst_Aktivierung = true;
    long Iter_Zaehler = 0;
    bool HydroRPM_in_Arbeit = false;
    bool LuefterDrueckend = false;
    // Set when the data folder could not be created at start; reported when something is saved there.
    bool datenordnerFehlt = false;
};

struct Programmzustand {
    explicit Programmzustand(app::AppState& start)
        : Start(start), Texte(start.Texte), KuehlerDaten(start.KuehlerDaten), KDaten_Tab(start.KDaten_Tab),
          KDaten_HC_Tab(start.KDaten_HC_Tab), KDatenStrukt(start.KDatenStrukt), KDaten_Einbau(start.KDaten_Einbau),
          KDaten_Uebers(start.KDaten_Uebers), Zubehoer(start.Zubehoer)
    {
    }

    app::AppState& Start; // the modules' structs, the settings read at start, the window registry
    texts::Texte& Texte;
    rating::KuehlerDaten& KuehlerDaten;
    catalogue::KDaten_Tab& KDaten_Tab;
    catalogue::KDaten_HC_Tab& KDaten_HC_Tab;
    catalogue::KDatenStrukt& KDatenStrukt;
    catalogue::KDaten_Einbau& KDaten_Einbau;
    catalogue::KDaten_Uebers& KDaten_Uebers;
    catalogue::Zubehoer& Zubehoer;
    MenuDaten Menu;
    QLocale locale; // the user's locale: decimal separator of the fields and the formatter

    texts::System& System() { return Start.System; }
};

} // namespace ui
