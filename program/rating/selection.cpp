#include "program/rating/selection.h"
#include "program/rating/curves.h"
#include "program/rating/sizesearch.h"
#include <cmath>

namespace rating {

namespace {

const catalogue::KTabelle KeineTabelle;

bool istDC(long baureihe)
{
    return baureihe == catalogue::DC_12V || baureihe == catalogue::DC_24V;
}

} // namespace

const catalogue::KTabelle& Get_KuehlerTabelle(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd)
{
    int letzteZeile = 0;
    const catalogue::KTabelle* tabelle = catalogue::waehleTabelle(kd, daten.Kuehler_Baureihe, letzteZeile);
    daten.Typ_MaxIndex = tabelle ? letzteZeile : 0;
    return tabelle ? *tabelle : KeineTabelle;
}

double Kuehlleistung_berechnen(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, int zeile, double dT)
{
    const catalogue::KTabelle& tabelle = Get_KuehlerTabelle(daten, kd);
    const double s = Kennlinie_Log_berechnen(tabelle, daten.Durchfluss, zeile, bewerteteSpalte(daten.Medium_Typ));
    const double watt = s * 1000 * dT;
    return std::isfinite(watt) ? watt : 0;
}

int Kuehler_suchen(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, common::MessageBoxes& boxes)
{
    const catalogue::KTabelle& tabelle = Get_KuehlerTabelle(daten, kd);
    daten.Typ_MaxIndex = kd.Region_US ? catalogue::TypMaxUS : catalogue::TypMaxEU;
    return Groessen_bewerten(daten, tabelle.empty() ? nullptr : &tabelle, daten.Typ_MaxIndex, Durchlauf::Suche, boxes);
}

int Kuehler_suchen_DC(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, bool regionUS,
                      common::MessageBoxes& boxes)
{
    const catalogue::KTabelle& tabelle = regionUS ? kd.KTab_DC_US : kd.KTab_DC_EU;
    daten.Typ_MaxIndex = catalogue::TypMaxDC;
    return Groessen_bewerten(daten, &tabelle, daten.Typ_MaxIndex, Durchlauf::Suche, boxes);
}

int Kuehler_suchen_DC24(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, bool regionUS,
                        common::MessageBoxes& boxes)
{
    return Kuehler_suchen_DC(daten, kd, regionUS, boxes);
}

int KuehlerErgebnis_berechnen(KuehlerDaten& daten, const catalogue::KDaten_Tab& kd, common::MessageBoxes& boxes)
{
    const catalogue::KTabelle& tabelle = Get_KuehlerTabelle(daten, kd);
    const int letzteZeile = istDC(daten.Kuehler_Baureihe) ? catalogue::TypMaxDC
        : kd.Region_US                                    ? catalogue::TypMaxUS
                                                          : catalogue::TypMaxEU;
    return Groessen_bewerten(daten, tabelle.empty() ? nullptr : &tabelle, letzteZeile, Durchlauf::Vervollstaendigung,
                             boxes);
}

std::optional<catalogue::UebersichtErgebnis> uebersichtErgebnis(std::span<const KErgebnisSatz> KErgebnis,
                                                                int Typ_Index)
{
    if (Typ_Index < 0 || static_cast<std::size_t>(Typ_Index) >= KErgebnis.size())
        return std::nullopt;
    const KErgebnisSatz& e = KErgebnis[static_cast<std::size_t>(Typ_Index)];
    if (e.TypCode.isEmpty())
        return std::nullopt;
    return catalogue::UebersichtErgebnis{e.Zusatzwert, e.Geraeusch};
}

} // namespace rating
