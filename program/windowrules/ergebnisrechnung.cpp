#include "program/windowrules/ergebnisrechnung.h"

#include <cmath>

namespace ui {

ErgebnisWerte berechneErgebnis(const ErgebnisEingang& e, const ErgebnisFunktionen& f)
{
    ErgebnisWerte w;
    w.Abgef_Leistg = f.kuehlleistung(e.T_in - e.T_Umgebung);
    w.T_out = e.T_in;
    double vorher = e.T_Umgebung;
    double cp = 0;
    double rho = 0;
    while (!(std::fabs(w.T_out - vorher) <= 0.01 || w.Iter_Zaehler >= MaxIterationen || f.stoffwertFehler())) {
        cp = f.cp((w.T_out + e.T_in) / 2);
        rho = f.dichte(e.T_in);
        vorher = w.T_out;
        if (cp > 0 && rho > 0 && e.Durchfluss > 0) {
            w.T_out = e.T_in - w.Abgef_Leistg / ((e.Durchfluss / 60) * rho * cp);
            if (w.T_out < e.T_Umgebung)
                w.T_out = e.T_Umgebung;
        } else {
            w.T_out = e.T_in;
        }
        ++w.Iter_Zaehler;
    }
    if (w.T_out == e.T_Umgebung) // the flow is the limit
        w.Abgef_Leistg = (e.Durchfluss / 60) * rho * cp * (e.T_in - w.T_out);
    w.T_mittel = (w.T_out + e.T_in) / 2;
    if (w.T_out <= e.T_Umgebung) {
        w.T_out = e.T_Umgebung;
        if (w.Abgef_Leistg < e.KLeistung) {
            w.leistungNichtAbfuehrbar = true;
            w.T_mittel = (e.T_Umgebung + e.T_in) / 2;
            w.Abgef_Leistg = f.kuehlleistung(e.T_in - e.T_Umgebung);
        }
    }

    if (e.Durchfluss < 0.95 * e.Q_min)
        w.warnung = DurchflussWarnung::ZuNiedrig;
    if (e.Durchfluss > 1.05 * e.Q_max)
        w.warnung = DurchflussWarnung::ZuHoch;

    double p = e.DruckWert;
    if (!e.wasserGlykol) {
        w.Visk_Faktor = f.viskositaet(w.T_mittel);
        p = (0.9 * w.Visk_Faktor + 0.1) * e.DruckWert;
    }
    w.DruckVerlust = 100 * p;
    w.Leistg_Reserve = e.KLeistung > 0 ? (w.Abgef_Leistg - e.KLeistung) / e.KLeistung : 0;
    return w;
}

bool reserveRot(const ErgebnisWerte& w)
{
    return w.Leistg_Reserve < 0 || w.leistungNichtAbfuehrbar;
}

} // namespace ui
