#pragma once
// The result views of the main window: the tab handler, the installation drawing with its
// dimension grid, the performance and pressure-drop charts, the data overview and spare-part
// grids, the order type key, and the fixed layout of the three grids. The window hands its
// result-view hooks to this object; the views read the program-wide values and the window's
// controls and redraw from them on every call.
#include <QObject>
#include <QString>
#include <functional>

namespace common {
class MessageBoxes;
}

namespace ui {

class Kelto_VX_Menu;
struct ChartLage;
struct Programmzustand;

class ErgebnisAnsichten final : public QObject {
public:
    // Installs itself as the window's result-view hooks and gives both charts their stored settings.
    ErgebnisAnsichten(Kelto_VX_Menu& fenster, Programmzustand& zustand, common::MessageBoxes& boxes);

    // Draws the view of the current tab. A view that fails is reported once and never ends the program.
    void SSTab1_Click(int PreviousTab);
    void EinbauMase_anzeigen();
    void DruckVerl_anzeigen();
    void Leistg_Chart_anzeigen();
    void Datenuebersicht_anzeigen();
    void Zubehoer_anzeigen();
    void TypSchluessel_anzeigen();

    // Fixed layouts of the grids, run once by the window's load in this order.
    void Init_Ersatzteil_DG();
    void IniT_EinbauMas_DG();
    void Init_DatenUebersicht_DG();

    // Full path of a drawing of the system folder ("" when absent); tests point it elsewhere.
    std::function<QString(const QString& name)> zeichnungsPfad;

    // The stored design settings of the two chart instances.
    void chartVorgabenSetzen();

private:
    bool keinErgebnis() const;
    QString mediumText() const;
    ChartLage chartLage();

    Kelto_VX_Menu& m_fenster;
    Programmzustand& m_zustand;
    common::MessageBoxes& m_boxes;
};

} // namespace ui
