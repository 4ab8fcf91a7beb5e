#pragma once
// Heat load from a wanted oil outlet temperature at the operating point already entered.
// Recomputes while the user types; CB_zurueck hands the load to the main window, which shows it
// and searches a cooler.
#include "program/texts/sprachtext.h"
#include "program/ui/leistgvorg_basis.h"

namespace ui {

class LeistgVorg2_frm : public LeistgVorgBasis {
    Q_OBJECT
public:
    explicit LeistgVorg2_frm(Umgebung umgebung, QWidget* parent = nullptr);

    // Computes and shows the heat load from the wanted outlet temperature; a non-numeric field
    // changes nothing.
    void VLstg2_berechnen();
    // Fills the message shown when the outlet temperature had to be raised to ambient.
    void Init_Leistg2_MSG_Texte();

    void TB_T_out_LostFocus();
    void CB_zurueck_Click() override;

    QLabel* LA_T_out = nullptr;
    QLineEdit* TB_T_out = nullptr;

    texts::SprachText MSG_Text{};

protected:
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void berechnen(bool mitMeldungen);
    // Shows a temperature in TB_T_out as the program (then recomputes, as an edit would).
    void zeigeTemperatur(double celsius);

    std::optional<double> m_T_out;
    std::optional<AustrittErgebnis> m_letzte;
};

} // namespace ui
