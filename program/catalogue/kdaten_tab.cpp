#include "program/catalogue/kdaten_tab.h"
#include "program/catalogue/kdaten_hc_tab.h"
#include "program/catalogue/ktab_daten.h"

namespace catalogue {
namespace {

// What a filler does beyond writing its rows.
struct FuellRegel {
    const KTabelle* optim = nullptr; // source of the copied pressure-drop fields, or none
    bool kopiereZeichnung = false;   // metric low-noise and Rough tables also copy the drawing
    double skalierung = 0;           // US tables: factor of Koeff_1/Koeff_2 indices 0..2; 0 = none
};

void schreibeZeile(KTabSatz& satz, const daten::KZeile& z, bool mitDruck)
{
    satz.TypBez = QString::fromUtf8(z.TypBez);
    for (int i = 0; i < 3; ++i) {
        satz.Koeff_1[i] = z.Koeff_1[i];
        satz.Koeff_2[i] = z.Koeff_2[i];
    }
    satz.Q_Umschalt = z.Q_Umschalt;
    satz.Q_min = z.Q_min;
    satz.Q_max = z.Q_max;
    satz.Geraeusch = QString::fromUtf8(z.Geraeusch);
    if (mitDruck) {
        satz.DP_Exp_1 = z.Druck[0];
        satz.DP_Ln_1 = z.Druck[1];
        satz.Q_Umschalt_DP = z.Druck[2];
        satz.DP_Exp_2 = z.Druck[3];
        satz.DP_Ln_2 = z.Druck[4];
    }
    if (z.Zeichnung_Datei)
        satz.Zeichnung_Datei = QString::fromUtf8(z.Zeichnung_Datei);
}

// The four steps of every AC and DC filler: default drawing, rows, copies from Optim, scaling.
void fuelleTabelle(KTabelle& tabelle, const daten::KTabDaten& d, const FuellRegel& regel)
{
    if (d.standardZeichnung) {
        for (auto& zeile : tabelle)
            zeile[MediumOel].Zeichnung_Datei = QString::fromUtf8(d.standardZeichnung);
    }
    const int letzte = static_cast<int>(d.zeilen.size()) - 1;
    for (int i = 0; i <= letzte; ++i)
        schreibeZeile(common::at(tabelle, i)[MediumOel], d.zeilen[static_cast<std::size_t>(i)], regel.optim == nullptr);
    if (regel.optim) {
        for (int i = 0; i <= letzte; ++i) {
            KTabSatz& satz = tabelle[static_cast<std::size_t>(i)][MediumOel];
            const KTabSatz& quelle = oelSatz(*regel.optim, i);
            kopiereDruckfelder(satz, quelle);
            if (regel.kopiereZeichnung)
                satz.Zeichnung_Datei = quelle.Zeichnung_Datei;
        }
    }
    if (regel.skalierung != 0) {
        for (int i = 0; i <= letzte; ++i) {
            KTabSatz& satz = tabelle[static_cast<std::size_t>(i)][MediumOel];
            for (int k = 0; k < 3; ++k) {
                satz.Koeff_1[k] *= regel.skalierung;
                satz.Koeff_2[k] *= regel.skalierung;
            }
        }
    }
}

} // namespace

void kopiereDruckfelder(KTabSatz& ziel, const KTabSatz& quelle)
{
    ziel.DP_Exp_1 = quelle.DP_Exp_1;
    ziel.DP_Ln_1 = quelle.DP_Ln_1;
    ziel.Q_Umschalt_DP = quelle.Q_Umschalt_DP;
    ziel.DP_Exp_2 = quelle.DP_Exp_2;
    ziel.DP_Ln_2 = quelle.DP_Ln_2;
}

void Init_KTab_DC_US(KDaten_Tab& kd) { fuelleTabelle(kd.KTab_DC_US, daten::DC_US, {nullptr, false, SkalierungUS_DC}); }
void Init_KTab_DC_EU(KDaten_Tab& kd) { fuelleTabelle(kd.KTab_DC_EU, daten::DC_EU, {}); }
void Init_KTab_AC_Optim_US(KDaten_Tab& kd)
{
    fuelleTabelle(kd.KTab_AC_Optim_US, daten::AC_Optim_US, {nullptr, false, SkalierungUS_AC});
}
void Init_KTab_AC_Optim_EU(KDaten_Tab& kd) { fuelleTabelle(kd.KTab_AC_Optim_EU, daten::AC_Optim_EU, {}); }
void Init_KTab_AC_Optim_LowNoise_US(KDaten_Tab& kd)
{
    fuelleTabelle(kd.KTab_AC_Optim_LowNoise_US, daten::AC_Optim_LowNoise_US,
                  {&kd.KTab_AC_Optim_US, false, SkalierungUS_AC});
}
void Init_KTab_AC_Optim_LowNoise_EU(KDaten_Tab& kd)
{
    fuelleTabelle(kd.KTab_AC_Optim_LowNoise_EU, daten::AC_Optim_LowNoise_EU, {&kd.KTab_AC_Optim_EU, true, 0});
}
void Init_KTab_AC_Rough_US(KDaten_Tab& kd)
{
    fuelleTabelle(kd.KTab_AC_Rough_US, daten::AC_Rough_US, {&kd.KTab_AC_Optim_US, false, SkalierungUS_AC});
}
void Init_KTab_AC_Rough_EU(KDaten_Tab& kd)
{
    fuelleTabelle(kd.KTab_AC_Rough_EU, daten::AC_Rough_EU, {&kd.KTab_AC_Optim_EU, true, 0});
}
void Init_KTab_AC_Rough_LowNoise_US(KDaten_Tab& kd)
{
    fuelleTabelle(kd.KTab_AC_Rough_LowNoise_US, daten::AC_Rough_LowNoise_US,
                  {&kd.KTab_AC_Optim_US, false, SkalierungUS_AC});
}
void Init_KTab_AC_Rough_LowNoise_EU(KDaten_Tab& kd)
{
    fuelleTabelle(kd.KTab_AC_Rough_LowNoise_EU, daten::AC_Rough_LowNoise_EU, {&kd.KTab_AC_Optim_EU, true, 0});
}

void Init_KuehlerTabellen(KDaten_Tab& kd, KDaten_HC_Tab& hc)
{
    Init_KTab_DC_US(kd);
    Init_KTab_DC_EU(kd);
    Init_KTab_AC_Optim_US(kd);
    Init_KTab_AC_Optim_EU(kd);
    Init_KTab_AC_Optim_LowNoise_US(kd);
    Init_KTab_AC_Optim_LowNoise_EU(kd);
    Init_KTab_AC_Rough_US(kd);
    Init_KTab_AC_Rough_EU(kd);
    Init_KTab_AC_Rough_LowNoise_US(kd);
    Init_KTab_AC_Rough_LowNoise_EU(kd);
    Init_Hydro_Optim_Tabellen(kd, hc);
    Init_Hydro_Rough_Tabellen(kd, hc);
}

const KTabelle* waehleTabelle(const KDaten_Tab& kd, long baureihe, bool regionUS, int& typMaxIndex)
{
    const KTabelle* tabelle = nullptr;
    int letzte = 0;
    switch (baureihe) {
    case DC_12V:
    case DC_24V:
        tabelle = regionUS ? &kd.KTab_DC_US : &kd.KTab_DC_EU;
        letzte = TypMaxDC;
        break;
    case AC_Optim:
        tabelle = regionUS ? &kd.KTab_AC_Optim_US : &kd.KTab_AC_Optim_EU;
        break;
    case AC_Optim_LowNoise:
        tabelle = regionUS ? &kd.KTab_AC_Optim_LowNoise_US : &kd.KTab_AC_Optim_LowNoise_EU;
        break;
    case AC_Rough:
        tabelle = regionUS ? &kd.KTab_AC_Rough_US : &kd.KTab_AC_Rough_EU;
        break;
    case AC_Rough_LowNoise:
        tabelle = regionUS ? &kd.KTab_AC_Rough_LowNoise_US : &kd.KTab_AC_Rough_LowNoise_EU;
        break;
    case Hydro_Optim:
        tabelle = regionUS ? &kd.KTab_Hydro_Optim_US : &kd.KTab_Hydro_Optim_EU;
        break;
    case Hydro_Rough:
        tabelle = regionUS ? &kd.KTab_Hydro_Rough_US : &kd.KTab_Hydro_Rough_EU;
        break;
    default:
        break;
    }
    if (tabelle && letzte == 0)
        letzte = regionUS ? TypMaxUS : TypMaxEU;
    typMaxIndex = letzte;
    return tabelle;
}

const KTabelle* waehleTabelle(const KDaten_Tab& kd, long baureihe, int& typMaxIndex)
{
    return waehleTabelle(kd, baureihe, kd.Region_US, typMaxIndex);
}

} // namespace catalogue
