#pragma once
// The menu bar's items in creation order and the command each key runs. The window builds its
// QMenuBar from this table and dispatches clicked items through befehlFuer.
#include <QString>
#include <vector>

namespace ui {

struct MenuEintrag {
    QString key;      // empty for a separator
    QString parent;   // empty for a top-level menu
    QString caption;  // caption at creation; "-" for a separator
    int textNr = 0;   // text that replaces the caption with the language, 0 = none
    QString image;    // "save", "print", "exit", "info" or empty
    QString shortcut; // portable key sequence text or empty
    bool checkable = false;
    bool enabled = true;
    bool isMenu = false; // has items under it
    QString hintTitle;
    QString hintText;
};

// Names of the properties that hold a menu item's hint: style (1), title and text.
inline constexpr const char* HintStil = "hintStil";
inline constexpr const char* HintTitel = "hintTitel";
inline constexpr const char* HintText = "hintText";

// The whole tree, in the order of the five builders (file, units, print, extras, info).
const std::vector<MenuEintrag>& menuBaum();

// The keys of the 17 language items, indexed by language number.
const std::vector<QString>& sprachSchluessel();

enum class Befehl {
    Keiner,
    ProjektNeu,
    ProjektLaden,
    ProjektSpeichern,
    ProjektSpeichernUnter,
    Beenden,
    ProjektListe,    // arg 1..9
    Temperatur,      // arg selector
    Durchfluss,      // arg selector
    Leistung,        // arg selector
    Druck,           // arg selector
    Sprache,         // arg language
    Datenblatt,      // report with print flag 0
    DruckDiagramm,   // print the pressure-drop chart
    LeistungDiagramm, // print the performance chart
    Optionen,
    Info,
    Beschreibung,
};

struct MenuBefehl {
    Befehl befehl = Befehl::Keiner;
    int arg = 0;
    bool operator==(const MenuBefehl&) const = default;
};

// Exact, case-sensitive; a key not listed (a submenu head, a top-level item) runs nothing.
MenuBefehl befehlFuer(const QString& key);

// Keys of the unit items by selector, per quantity (0 temperature, 1 flow, 2 power, 3 pressure).
const std::vector<QString>& einheitSchluessel(int groesse);

} // namespace ui
