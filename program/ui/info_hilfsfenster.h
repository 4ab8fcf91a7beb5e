#pragma once
// The main window's auxiliary windows behind its "show modal" hook: the options window, the
// about box and the two heat-load dialogs, opened by the command names the window hands over.
// The heat-load dialogs are made on first use and kept while hidden, so their inputs survive;
// their result reaches the window's heat-load field without being read back from its text.
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QDialog;

namespace common {
class MessageBoxes;
}

namespace ui {

class Kelto_VX_Menu;
struct Programmzustand;
class LeistgVorg1_frm;
class LeistgVorg2_frm;
class OptionenBerichtDaten;
class OptionenDateiauswahl;

class Hilfsfenster {
public:
    // The options window edits the report values of the application state and chooses folders
    // and files with the desktop's dialogs unless a chooser is given (tests).
    Hilfsfenster(Kelto_VX_Menu& fenster, Programmzustand& zustand, common::MessageBoxes& boxes,
                 OptionenDateiauswahl* dateien = nullptr);
    ~Hilfsfenster();

    // Opens the window of a command: "Optionen", "Info_ProgVers_frm", "LeistgVorg1_frm" or
    // "LeistgVorg2_frm". False for any other command (nothing happens then).
    bool zeigen(const QString& befehl);

    // Hides both heat-load dialogs (the heat-load field got the focus).
    void leistungsDialogeVerbergen();

    // The heat-load dialogs, made on first use.
    LeistgVorg1_frm& tankDialog();
    LeistgVorg2_frm& austrittDialog();

    // Runs a dialog modally; exec() unless replaced (tests drive the dialog instead).
    std::function<void(QDialog&)> modalAusfuehren;

    // What the heat-load dialogs' take-over does in the main window: KLeistung (already set)
    // shown in TB_KLeistung as a program write, then the search, or the no-cooler state for 0 W.
    static void KLeistungUebernehmen(Kelto_VX_Menu& fenster, Programmzustand& zustand);

private:
    Kelto_VX_Menu& m_fenster;
    Programmzustand& m_zustand;
    common::MessageBoxes& m_boxes;
    std::unique_ptr<OptionenBerichtDaten> m_bericht;
    std::unique_ptr<OptionenDateiauswahl> m_eigeneDateien;
    OptionenDateiauswahl& m_dateien;
    QPointer<LeistgVorg1_frm> m_tank;
    QPointer<LeistgVorg2_frm> m_austritt;
};

} // namespace ui
