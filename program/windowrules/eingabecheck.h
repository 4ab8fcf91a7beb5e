#pragma once
// The validity test of the operating point, free of widgets: three field texts in, validity, the
// internal values and whether the temperature message is due out.
#include <QLocale>
#include <QString>
#include <functional>

namespace ui {

struct EingabeFeld {
    QString text;
    bool bearbeitet = false; // edited by the user since the program last wrote the field
    double gespeichert = 0;  // the internal value held so far
};

struct EingabeDaten {
    EingabeFeld T_Umgebung;
    EingabeFeld T_in;
    EingabeFeld Durchfluss;
};

struct EingabeUmrechnung {
    std::function<double(const QString&)> temperatur; // display text -> degC
    std::function<double(const QString&, double T_in)> durchfluss; // display text -> l/min (mass units need T_in)
};

struct EingabePruefung {
    bool Eingabe_OK = false;
    bool temperaturMeldung = false; // T_in not above T_Umgebung
    double T_Umgebung = 0;
    double T_in = 0;
    double Durchfluss = 0;
};

// Numeric means a complete, finite parse with the locale's decimal separator. A field's value is
// read from its text only when the user edited it; otherwise the exact stored value is kept, so a
// field rewritten at display precision never moves the operating point.
EingabePruefung pruefeEingabe(const EingabeDaten& daten, const QLocale& locale, const EingabeUmrechnung& umrechnung);

} // namespace ui
