#include "program/catalogue/kdaten_hc_tab.h"
#include "program/catalogue/ktab_daten.h"

namespace catalogue {
namespace {

// Hydraulic US coefficients are entered this much larger than the readers use them.
constexpr double SkalierungUS_Hydro = 0.18;

void fuelleArbeitstabelle(HydroVarTabelle& tabelle, const daten::HydroDaten& d)
{
    const QString standard = QString::fromUtf8(d.standardZeichnung);
    for (auto& zeile : tabelle)
        for (auto& satz : zeile)
            satz.Zeichnung_Datei = standard;

    for (std::size_t g = 0; g < d.groessen.size(); ++g) {
        const daten::HydroGroesse& gr = d.groessen[g];
        const QString zeichnung = QString::fromUtf8(gr.Zeichnung_Datei);
        auto& zeile = common::at(tabelle, static_cast<std::ptrdiff_t>(g));
        for (int s = 0; s < HydroStufen; ++s)
            zeile[s] = nichtVerfuegbarerSatz(gr.Stufe_min, gr.Stufe_max, zeichnung, s);
        for (const daten::HydroBlock& b : d.bloecke) {
            if (b.groesse != static_cast<int>(g))
                continue;
            for (int s = b.von; s <= b.bis; ++s) {
                KTabSatz& satz = common::at(zeile, s);
                satz.TypBez = QString::fromUtf8(gr.TypBez);
                for (int k = 0; k < 3; ++k) {
                    satz.Koeff_1[k] = b.Koeff_1[k];
                    satz.Koeff_2[k] = b.Koeff_2[k];
                }
                satz.Q_Umschalt = gr.Q_Umschalt;
                satz.Geraeusch = QString::fromUtf8(b.Geraeusch);
                satz.DP_Exp_1 = gr.Druck[0];
                satz.DP_Ln_1 = gr.Druck[1];
                satz.Q_Umschalt_DP = gr.Druck[2];
                satz.DP_Exp_2 = gr.Druck[3];
                satz.DP_Ln_2 = gr.Druck[4];
                satz.Q_min = b.Q_min;
                satz.Q_max = b.Q_max;
                satz.Drehzahl = static_cast<qint16>(b.Drehzahl != 0 ? b.Drehzahl : drehzahlDerStufe(s));
            }
        }
    }
}

void skaliereUS(HydroVarTabelle& tabelle, int letzteGroesse)
{
    for (int g = 0; g <= letzteGroesse; ++g)
        for (auto& satz : tabelle[static_cast<std::size_t>(g)])
            for (int k = 0; k < 3; ++k) {
                satz.Koeff_1[k] *= SkalierungUS_Hydro;
                satz.Koeff_2[k] *= SkalierungUS_Hydro;
            }
}

void kopiereStufe(KTabelle& ziel, const HydroVarTabelle& quelle, int stufe)
{
    for (std::size_t i = 0; i < ziel.size() && i < quelle.size(); ++i)
        ziel[i][MediumOel] = quelle[i][static_cast<std::size_t>(stufe)];
}

} // namespace

KTabSatz nichtVerfuegbarerSatz(double stufeMin, double stufeMax, const QString& zeichnung, int stufe)
{
    KTabSatz satz;
    satz.Q_Umschalt = 10000;
    satz.Q_Umschalt_DP = 10000;
    satz.Q_min = 0;
    satz.Q_max = 1;
    satz.Stufe_min = stufeMin;
    satz.Stufe_max = stufeMax;
    satz.Zeichnung_Datei = zeichnung;
    satz.Drehzahl = static_cast<qint16>(drehzahlDerStufe(stufe));
    return satz;
}

void Init_HydroVarTab_Optim_US(KDaten_HC_Tab& hc)
{
    fuelleArbeitstabelle(hc.HydroVarTab_Optim_US, daten::Hydro_Optim_US);
    skaliereUS(hc.HydroVarTab_Optim_US, TypMaxUS);
}

void Init_HydroVarTab_Optim_EU(KDaten_HC_Tab& hc)
{
    fuelleArbeitstabelle(hc.HydroVarTab_Optim_EU, daten::Hydro_Optim_EU);
}

void Init_HydroVarTab_Rough_US(KDaten_HC_Tab& hc)
{
    fuelleArbeitstabelle(hc.HydroVarTab_Rough_US, daten::Hydro_Rough_US);
    for (int g = 0; g <= TypMaxUS; ++g)
        for (int s = 0; s < HydroStufen; ++s)
            kopiereDruckfelder(hc.HydroVarTab_Rough_US[g][s], hc.HydroVarTab_Optim_US[g][s]);
    skaliereUS(hc.HydroVarTab_Rough_US, TypMaxUS);
}

void Init_HydroVarTab_Rough_EU(KDaten_HC_Tab& hc)
{
    fuelleArbeitstabelle(hc.HydroVarTab_Rough_EU, daten::Hydro_Rough_EU);
    for (int g = 0; g <= TypMaxEU; ++g)
        for (int s = 0; s < HydroStufen; ++s) {
            KTabSatz& satz = hc.HydroVarTab_Rough_EU[g][s];
            const KTabSatz& optim = hc.HydroVarTab_Optim_EU[g][s];
            kopiereDruckfelder(satz, optim);
            satz.Geraeusch = optim.Geraeusch;
            satz.Zeichnung_Datei = optim.Zeichnung_Datei;
        }
}

void Init_Hydro_Optim_Tabellen(KDaten_Tab& kd, KDaten_HC_Tab& hc)
{
    Init_HydroVarTab_Optim_US(hc);
    Init_HydroVarTab_Optim_EU(hc);
    kopiereStufe(kd.KTab_Hydro_Optim_EU, hc.HydroVarTab_Optim_EU, 1);
    kopiereStufe(kd.KTab_Hydro_Optim_US, hc.HydroVarTab_Optim_US, 1);
}

void Init_Hydro_Rough_Tabellen(KDaten_Tab& kd, KDaten_HC_Tab& hc)
{
    Init_HydroVarTab_Rough_US(hc);
    Init_HydroVarTab_Rough_EU(hc);
    kopiereStufe(kd.KTab_Hydro_Rough_US, hc.HydroVarTab_Rough_US, 1);
    kopiereStufe(kd.KTab_Hydro_Rough_EU, hc.HydroVarTab_Rough_EU, 1);
    hc.stufeInTabellenEU = 1;
    hc.stufeInTabellenUS = 1;
}

void setzeHydroStufe(KDaten_HC_Tab& hc, int stufe)
{
    common::checkIndex(stufe, HydroStufen);
    hc.Hydro_Drehzahl = stufe;
}

void kopiereHydroStufe(KDaten_Tab& kd, KDaten_HC_Tab& hc, bool regionUS, int stufe)
{
    common::checkIndex(stufe, HydroStufen);
    if (regionUS) {
        kopiereStufe(kd.KTab_Hydro_Optim_US, hc.HydroVarTab_Optim_US, stufe);
        kopiereStufe(kd.KTab_Hydro_Rough_US, hc.HydroVarTab_Rough_US, stufe);
        hc.stufeInTabellenUS = stufe;
    } else {
        kopiereStufe(kd.KTab_Hydro_Optim_EU, hc.HydroVarTab_Optim_EU, stufe);
        kopiereStufe(kd.KTab_Hydro_Rough_EU, hc.HydroVarTab_Rough_EU, stufe);
        hc.stufeInTabellenEU = stufe;
    }
}

void Hydro_Stufe_anwenden(KDaten_Tab& kd, KDaten_HC_Tab& hc)
{
    kopiereHydroStufe(kd, hc, kd.Region_US, hc.Hydro_Drehzahl);
}

} // namespace catalogue
