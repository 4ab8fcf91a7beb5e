#include "program/rating/sizesearch.h"
#include "program/rating/curves.h"
#include "program/rating/potenz.h"
#include "common/checked.h"
#include "common/numread.h"
#include <cmath>
#include <limits>

namespace rating {

namespace {

const QString NullText = QStringLiteral("0");

// Whole numbers within the range of a 32-bit integer, halves to even; none for anything else.
bool alsGanzzahl(double wert, int& ergebnis)
{
    if (!std::isfinite(wert))
        return false;
    const double gerundet = common::roundHalfEven(wert);
    if (gerundet < std::numeric_limits<int>::min() || gerundet > std::numeric_limits<int>::max())
        return false;
    ergebnis = static_cast<int>(gerundet);
    return true;
}

// True when the text already is the canonical decimal form of a whole number ("80", "-3", "0").
bool istKanonischeGanzzahl(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = (n > 0 && text[0] == u'-') ? 1 : 0;
    const qsizetype ziffern = n - i;
    if (ziffern < 1 || ziffern > 9)
        return false;
    if (text[i] == u'0' && (ziffern > 1 || i == 1))
        return false;
    for (; i < n; ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    return true;
}

void slotLeeren(KErgebnisSatz& slot, Durchlauf modus)
{
    slot.DruckWert = 0;
    slot.Geraeusch = NullText;
    slot.Leistung = 0;
    slot.Durchfluss_Min = 0;
    slot.Durchfluss_Max = 0;
    slot.TypCode = QString();
    if (modus == Durchlauf::Vervollstaendigung)
        slot.Zeichnung = QString();
}

// Catalogue pressure drop of the search: a flow exactly at the switch-over takes range 2.
double druckImSuchlauf(const catalogue::KTabSatz& satz, double Q, common::MessageBoxes& boxes)
{
    const bool bereich1 = Q < satz.Q_Umschalt_DP;
    const double a = bereich1 ? satz.DP_Ln_1 : satz.DP_Ln_2;
    const double b = bereich1 ? satz.DP_Exp_1 : satz.DP_Exp_2;
    const double wert = std::exp(a) * Potenz(Q, b, boxes);
    return std::isfinite(wert) ? wert : 0;
}

void ergaenzen(KErgebnisSatz& slot, const catalogue::KTabSatz& satz)
{
    int stufe = 0;
    if (alsGanzzahl(satz.Stufe_min, stufe))
        slot.Drehzahl_Min = stufe;
    if (alsGanzzahl(satz.Stufe_max, stufe))
        slot.Drehzahl_Max = stufe;
    slot.Zeichnung = satz.Zeichnung_Datei;
    slot.Geraeusch = normierterGeraeuschText(satz.Geraeusch);
    slot.Zusatzwert = satz.Drehzahl;
}

} // namespace

QString normierterGeraeuschText(const QString& text)
{
    if (istKanonischeGanzzahl(text))
        return text; // shared, no new text
    const std::optional<double> wert = common::tryReadNumber(text, QLocale::c());
    int ganz = 0;
    if (!wert || !alsGanzzahl(*wert, ganz))
        return NullText;
    return QString::number(ganz);
}

int Groessen_bewerten(KuehlerDaten& daten, const catalogue::KTabelle* tabelle, int letzteZeile, Durchlauf modus,
                      common::MessageBoxes& boxes)
{
    const double Q = daten.Durchfluss;
    daten.T_out = daten.T_Umgebung;
    const double dT = daten.T_in - daten.T_out;
    daten.Typ_Index = 0;
    daten.Abgef_Leistg = 0;
    const int spalte = bewerteteSpalte(daten.Medium_Typ);

    for (int i = 0; i <= KErgebnisLetzteSuchzeile; ++i)
        slotLeeren(daten.KErgebnis[static_cast<std::size_t>(i)], modus);

    const bool tabelleTauglich = tabelle != nullptr && letzteZeile >= 0 && letzteZeile <= KErgebnisLetzteSuchzeile
        && static_cast<std::size_t>(letzteZeile) < tabelle->size();
    if (!tabelleTauglich) {
        daten.Typ_Index = -1;
        return -1;
    }

    // Without a usable flow no curve is evaluated: every size is rated at 0 W and 0 mbar.
    const bool durchflussGueltig = Q > 0 && std::isfinite(Q);
    const double L = durchflussGueltig ? std::log(Q) : 0.0;

    int gewaehlt = -1;
    for (int i = 0; i <= letzteZeile; ++i) {
        const catalogue::KTabSatz& satz = (*tabelle)[static_cast<std::size_t>(i)][static_cast<std::size_t>(spalte)];
        KErgebnisSatz& slot = daten.KErgebnis[static_cast<std::size_t>(i)];
        slot.TypCode = satz.TypBez;
        slot.Geraeusch = satz.Geraeusch;
        slot.Durchfluss_Min = satz.Q_min;
        slot.Durchfluss_Max = satz.Q_max;

        double P = 0;
        if (durchflussGueltig) {
            slot.DruckWert = druckImSuchlauf(satz, Q, boxes);
            P = spezifischeLeistung(satz, Q, L) * dT * 1000;
            if (!(P > 0) || !std::isfinite(P))
                P = 0;
        }
        slot.Leistung = P;

        if (modus == Durchlauf::Vervollstaendigung)
            ergaenzen(slot, satz);

        if (gewaehlt < 0 && satz.isAvailable() && daten.KLeistung < P) {
            gewaehlt = i;
            daten.Abgef_Leistg = P;
        }
    }

    // No size reaches the load: the largest size that is available, with its insufficient heat.
    if (gewaehlt < 0) {
        for (int i = letzteZeile; i >= 0; --i) {
            if ((*tabelle)[static_cast<std::size_t>(i)][static_cast<std::size_t>(spalte)].isAvailable()) {
                gewaehlt = i;
                daten.Abgef_Leistg = daten.KErgebnis[static_cast<std::size_t>(i)].Leistung;
                break;
            }
        }
    }
    daten.Typ_Index = gewaehlt;
    return gewaehlt;
}

} // namespace rating
