#include "program/windowrules/leistgvorg_rechnung.h"

namespace ui {

TankErgebnis VLstg1_rechnen(const TankEingaben& ein, double T_Umgebung, const Stoffwertfunktionen& stoff)
{
    TankErgebnis r;
    const double V = ein.gallonen ? ein.volumen * LiterJeGallone : ein.volumen;
    r.anstiegK = ein.anstiegK;
    r.zeitMin = ein.zeitMin;
    if (r.zeitMin <= 0) {
        r.zeitMin = ZeitMinimum;
        r.zeitErsetzt = true;
    }
    if (r.anstiegK < 0) {
        r.anstiegK = 0;
        r.anstiegErsetzt = true;
    }
    r.T_mittel = r.anstiegK / 2 + T_Umgebung;
    r.cp_Medium = stoff.cp(r.T_mittel);
    r.Dichte_Medium = stoff.dichte(r.T_mittel);
    r.RhoCp_Faktor = r.Dichte_Medium / 1000 * r.cp_Medium / 60;
    if (V <= 0 || r.anstiegK <= 0 || r.zeitMin <= 0)
        r.leistung = 0;
    else
        r.leistung = r.RhoCp_Faktor * 1000 * V * r.anstiegK / r.zeitMin;
    return r;
}

AustrittErgebnis VLstg2_rechnen(double T_out_gewuenscht, double T_in, double T_Umgebung, double Durchfluss,
                                double T_mittel_bisher, const Stoffwertfunktionen& stoff)
{
    AustrittErgebnis r;
    r.T_out = T_out_gewuenscht < T_Umgebung ? T_Umgebung : T_out_gewuenscht;
    if (r.T_out < T_in) {
        r.T_mittel = T_in / 2 + r.T_out / 2;
    } else {
        r.T_out = T_in;
        r.aufEintrittBegrenzt = true;
        r.T_mittel = T_mittel_bisher;
    }
    r.cp_Medium = stoff.cp(r.T_mittel);
    r.Dichte_Medium = stoff.dichte(r.T_mittel);
    r.leistung = (T_in - r.T_out) * (Durchfluss / 60) * r.Dichte_Medium * r.cp_Medium;
    return r;
}

} // namespace ui
