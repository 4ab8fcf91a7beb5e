#include "program/windowrules/eingabecheck.h"

#include "common/numread.h"

namespace ui {

EingabePruefung pruefeEingabe(const EingabeDaten& d, const QLocale& locale, const EingabeUmrechnung& u)
{
    EingabePruefung r;
    r.T_Umgebung = d.T_Umgebung.gespeichert;
    r.T_in = d.T_in.gespeichert;
    r.Durchfluss = d.Durchfluss.gespeichert;

    const auto flow = common::tryReadNumber(d.Durchfluss.text, locale);
    r.Eingabe_OK = common::isNumeric(d.T_Umgebung.text, locale) && common::isNumeric(d.T_in.text, locale)
        && flow.has_value() && *flow > 0;
    if (!r.Eingabe_OK)
        return r;

    if (d.T_Umgebung.bearbeitet)
        r.T_Umgebung = u.temperatur(d.T_Umgebung.text);
    if (d.T_in.bearbeitet)
        r.T_in = u.temperatur(d.T_in.text);
    if (d.Durchfluss.bearbeitet)
        r.Durchfluss = u.durchfluss(d.Durchfluss.text, r.T_in);

    if (r.T_in <= r.T_Umgebung) {
        r.Eingabe_OK = false;
        r.temperaturMeldung = true;
    }
    return r;
}

} // namespace ui
