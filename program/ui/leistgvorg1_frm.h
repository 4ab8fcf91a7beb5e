#pragma once
// Heat load from a tank test: the oil volume of a tank, the temperature rise observed and the
// time it took. Recomputes while the user types; CB_zurueck hands the load to the main window,
// which shows it and searches a cooler.
#include "program/ui/leistgvorg_basis.h"

namespace ui {

class LeistgVorg1_frm : public LeistgVorgBasis {
    Q_OBJECT
public:
    explicit LeistgVorg1_frm(Umgebung umgebung, QWidget* parent = nullptr);

    // Computes and shows the heat load from the three fields; non-numeric fields change nothing.
    void VLstg1_berechnen();

    void CB_zurueck_Click() override;

    QLabel* LA_Tankvolumen = nullptr;
    QLineEdit* TB_Tankvolumen = nullptr;
    QLabel* LA_Volumen_EH = nullptr;
    QLabel* LA_d_T = nullptr;
    QLineEdit* TB_d_T = nullptr;
    QLabel* LA_d_Zeit = nullptr;
    QLineEdit* TB_d_Zeit = nullptr;
    QLabel* LA_Zeit_EH = nullptr;

protected:
    void Form_Activate() override;

private:
    void berechnen(bool mitMeldungen);

    // The values of the last computation, written to the operating point on take-over.
    std::optional<TankErgebnis> m_letzte;
};

} // namespace ui
