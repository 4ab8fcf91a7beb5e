// The sixteen overview tables. Metric values are written as shown: decimal comma and one trailing
// blank unless a column says otherwise; US values carry their own unit.
#include "program/catalogue/uebers.h"
#include <cstddef>
#include <initializer_list>

namespace catalogue {

namespace {

constexpr int SaetzeDC = 9;  // records 0..8
constexpr int SaetzeUS = 16; // records 0..15
constexpr int SaetzeEU = 13; // records 0..12

using Liste = std::initializer_list<const char8_t*>;

QString t(const char8_t* text) { return QString::fromUtf8(text); }

// Both members of a pair from one text.
LuftPaar beide(const QString& text) { return {text, text}; }

// Member 0 of every size from a list, member 1 copied once member 0 is final.
template <class Feld>
void paarSpalte(UebersichtTabelle& tab, Feld feld, Liste werte)
{
    std::size_t i = 0;
    for (const char8_t* w : werte)
        (tab[i++].*feld) = beide(t(w));
}

void textSpalte(UebersichtTabelle& tab, QString UebersichtSatz::*feld, Liste werte)
{
    std::size_t i = 0;
    for (const char8_t* w : werte)
        tab[i++].*feld = t(w);
}

// Member 0 of the noise of every record into Geraeusch of the same performance row (the given medium
// columns), the records beyond the last size included. Rows outside either table are not touched.
void geraeuschKopieren(const UebersichtTabelle& quelle, KTabelle* ziel, bool beideMedien)
{
    if (ziel == nullptr)
        return;
    const std::size_t n = std::min(quelle.size(), ziel->size());
    for (std::size_t i = 0; i < n; ++i) {
        (*ziel)[i][MediumOel].Geraeusch = quelle[i].Schalldruckpegel[0];
        if (beideMedien)
            (*ziel)[i][MediumWasserGlykol].Geraeusch = quelle[i].Schalldruckpegel[0];
    }
}

// ------------------------------------------------------------------ US DC
// The two US DC tables differ only in voltage and noise.
void dcUS(UebersichtTabelle& tab, const char8_t* spannung, bool mitGeraeusch)
{
    tab.assign(SaetzeDC, UebersichtSatz{});
    // Speed, voltage and pressure are constant texts of the table, written into every record.
    for (auto& s : tab) {
        s.Ventilatordrehzahl = beide(t(u8"1800 (nominal)"));
        s.Anschlussspannung = beide(t(spannung));
        s.Betriebsdruck = t(u8"377 [psi]");
    }
    // The twin-fan sizes run their fans at full speed.
    for (std::size_t i = 5; i <= 7; ++i)
        tab[i].Ventilatordrehzahl = beide(t(u8"2850"));
    if (mitGeraeusch)
        paarSpalte(tab, &UebersichtSatz::Schalldruckpegel, {u8"80", u8"81", u8"82", u8"83", u8"84", u8"83", u8"84", u8"85"});
    paarSpalte(tab, &UebersichtSatz::Leistungsaufnahme,
               {u8"0.062", u8"0.080", u8"0.096", u8"0.120", u8"0.144", u8"0.124", u8"0.160", u8"0.192"});
    paarSpalte(tab, &UebersichtSatz::Versandgewicht, {u8"20 [lbs]", u8"24 [lbs]", u8"29 [lbs]", u8"35 [lbs]",
                                                      u8"42 [lbs]", u8"51 [lbs]", u8"60 [lbs]", u8"71 [lbs]"});
}

// ------------------------------------------------------------------ US AC
const Liste US_Druck = {u8"377 [psi]", u8"377 [psi]", u8"377 [psi]", u8"377 [psi]", u8"377 [psi]",
                        u8"377 [psi]", u8"377 [psi]", u8"377 [psi]", u8"377 [psi]", u8"377 [psi]",
                        u8"377 [psi]", u8"377 [psi]", u8"250 [psi]", u8"250 [psi]", u8"250 [psi]"};

void acUSGemeinsam(UebersichtTabelle& tab, bool lowNoise)
{
    tab.assign(SaetzeUS, UebersichtSatz{});
    for (std::size_t i = 0; i < 15; ++i) {
        // The large sizes carry a four-pole motor.
        const char8_t* drehzahl = lowNoise ? (i <= 7 ? u8"1700" : u8"1140") : (i <= 7 ? u8"3450" : u8"1750");
        tab[i].Ventilatordrehzahl = beide(t(drehzahl));
        tab[i].Anschlussspannung = beide(t(u8"230/460"));
    }
    textSpalte(tab, &UebersichtSatz::Betriebsdruck, US_Druck);
    if (lowNoise) {
        paarSpalte(tab, &UebersichtSatz::Schalldruckpegel, {u8"65", u8"67", u8"68", u8"70", u8"71", u8"72", u8"74", u8"75",
                                                            u8"77", u8"78", u8"80", u8"82", u8"84", u8"86", u8"89"});
        paarSpalte(tab, &UebersichtSatz::Leistungsaufnahme,
                   {u8"1/4 [HP]", u8"1/3 [HP]", u8"1/3 [HP]", u8"1/2 [HP]", u8"3/4 [HP]", u8"1 [HP]", u8"1 1/2 [HP]",
                    u8"2 [HP]", u8"2 [HP]", u8"3 [HP]", u8"3 [HP]", u8"5 [HP]", u8"5 [HP]", u8"7 1/2 [HP]", u8"7 1/2 [HP]"});
    } else {
        paarSpalte(tab, &UebersichtSatz::Schalldruckpegel, {u8"77", u8"79", u8"80", u8"82", u8"83", u8"84", u8"86", u8"87",
                                                            u8"89", u8"90", u8"92", u8"94", u8"96", u8"98", u8"101"});
        paarSpalte(tab, &UebersichtSatz::Leistungsaufnahme,
                   {u8"1/3 [HP]", u8"1/2 [HP]", u8"1/2 [HP]", u8"3/4 [HP]", u8"1 [HP]", u8"1 1/2 [HP]", u8"2 [HP]",
                    u8"3 [HP]", u8"3 [HP]", u8"5 [HP]", u8"5 [HP]", u8"7 1/2 [HP]", u8"7 1/2 [HP]", u8"10 [HP]", u8"10 [HP]"});
    }
}

// The weights of every US AC table are those of the Optim table.
void gewichteVon(UebersichtTabelle& tab, const UebersichtTabelle& quelle)
{
    for (std::size_t i = 0; i < tab.size() && i < quelle.size(); ++i) {
        tab[i].Gesamtgewicht = quelle[i].Gesamtgewicht;
        tab[i].Versandgewicht = quelle[i].Versandgewicht;
    }
}

// ------------------------------------------------------------------ metric AC and hydraulic
const Liste EU_Fuellinhalt = {u8"2,3 ", u8"3,1 ", u8"4,2 ", u8"5,5 ", u8"7 ", u8"9 ",
                              u8"11,5 ", u8"15 ", u8"20 ", u8"27 ", u8"38 ", u8"51 "};
const Liste EU_Druck = {u8"26 ", u8"26 ", u8"26 ", u8"26 ", u8"26 ", u8"26 ",
                        u8"26 ", u8"26 ", u8"26 ", u8"17 ", u8"17 ", u8"17 "};

void acEU(UebersichtTabelle& tab, bool lowNoise, Liste geraeusch)
{
    tab.assign(SaetzeEU, UebersichtSatz{});
    for (std::size_t i = 0; i < 12; ++i) {
        // From size 2 on the fans run on six-pole (low noise: eight-pole) motors.
        const char8_t* drehzahl = lowNoise ? (i <= 1 ? u8"1500 " : u8"1000 ") : (i <= 1 ? u8"3000 " : u8"1500 ");
        tab[i].Ventilatordrehzahl = beide(t(drehzahl));
        tab[i].Anschlussspannung = beide(t(i <= 9 ? u8"230/400  " : u8"400/690 "));
        tab[i].Versandgewicht = beide(t(u8" "));
    }
    paarSpalte(tab, &UebersichtSatz::Schalldruckpegel, geraeusch);
    if (lowNoise) {
        paarSpalte(tab, &UebersichtSatz::Leistungsaufnahme, {u8"0,18 ", u8"0,25 ", u8"0,25 ", u8"0,37 ", u8"0,37 ", u8"0,55 ",
                                                             u8"0,75 ", u8"1,1 ", u8"1,5 ", u8"2,2 ", u8"4 ", u8"5,5 "});
        paarSpalte(tab, &UebersichtSatz::Gesamtgewicht, {u8"19 ", u8"25 ", u8"33 ", u8"43 ", u8"55 ", u8"70 ",
                                                         u8"88 ", u8"112 ", u8"146 ", u8"190 ", u8"252 ", u8"330 "});
    } else {
        paarSpalte(tab, &UebersichtSatz::Leistungsaufnahme, {u8"0,37 ", u8"0,55 ", u8"0,55 ", u8"0,75 ", u8"0,75 ", u8"1,1 ",
                                                             u8"1,5 ", u8"2,2 ", u8"3 ", u8"4 ", u8"7,5 ", u8"11 "});
        paarSpalte(tab, &UebersichtSatz::Gesamtgewicht, {u8"20 ", u8"26 ", u8"34 ", u8"44 ", u8"56 ", u8"71 ",
                                                         u8"90 ", u8"115 ", u8"150 ", u8"195 ", u8"260 ", u8"343 "});
    }
    textSpalte(tab, &UebersichtSatz::Fuellinhalt, EU_Fuellinhalt);
    textSpalte(tab, &UebersichtSatz::Betriebsdruck, EU_Druck);
}

// Speed and noise of a hydraulic size come from the current result, never from these tables.
void hydroEU(UebersichtTabelle& tab)
{
    tab.assign(SaetzeEU, UebersichtSatz{});
    for (std::size_t i = 0; i < 12; ++i) {
        tab[i].Anschlussspannung = beide(t(u8"-"));
        tab[i].Leistungsaufnahme = beide(t(u8"-"));
        tab[i].Versandgewicht = beide(t(u8" "));
    }
    paarSpalte(tab, &UebersichtSatz::Gesamtgewicht, {u8"17 ", u8"22 ", u8"29 ", u8"38 ", u8"49 ", u8"62 ",
                                                     u8"79 ", u8"101 ", u8"132 ", u8"172 ", u8"230 ", u8"305 "});
    textSpalte(tab, &UebersichtSatz::Fuellinhalt, EU_Fuellinhalt);
    textSpalte(tab, &UebersichtSatz::Betriebsdruck, EU_Druck);
}

// ------------------------------------------------------------------ metric DC
void dcEU(UebersichtTabelle& tab, const char8_t* spannung, Liste leistung)
{
    tab.assign(SaetzeDC, UebersichtSatz{});
    for (std::size_t i = 0; i < 8; ++i) {
        tab[i].Ventilatordrehzahl = beide(t(u8"-"));
        tab[i].Anschlussspannung = beide(t(spannung));
        tab[i].Betriebsdruck = t(u8"26 ");
        tab[i].Versandgewicht = beide(t(u8"-"));
    }
    paarSpalte(tab, &UebersichtSatz::Schalldruckpegel, {u8"80 ", u8"81 ", u8"82 ", u8"83 ", u8"84 ", u8"83 ", u8"84 ", u8"85 "});
    paarSpalte(tab, &UebersichtSatz::Leistungsaufnahme, leistung);
    textSpalte(tab, &UebersichtSatz::Fuellinhalt, {u8"1,4 ", u8"1,7 ", u8"2 ", u8"2,4 ", u8"2,8 ", u8"3,3 ", u8"3,8 ", u8"4,4 "});
    paarSpalte(tab, &UebersichtSatz::Gesamtgewicht, {u8"6,4 ", u8"7,5 ", u8"8,9 ", u8"10,5 ", u8"12,3 ", u8"15,8 ", u8"18,2 ", u8"21 "});
}

} // namespace

void Init_UebersTab_DC12_US(KDaten_Uebers& d, KTabelle* KTab_DC_US)
{
    dcUS(d.UebersTab_DC12_US, u8"12", true);
    geraeuschKopieren(d.UebersTab_DC12_US, KTab_DC_US, true);
}

void Init_UebersTab_DC24_US(KDaten_Uebers& d) { dcUS(d.UebersTab_DC24_US, u8"24", false); }

void Init_UebersTab_AC_Optim_US(KDaten_Uebers& d, KTabelle* KTab_AC_Optim_US)
{
    auto& tab = d.UebersTab_AC_Optim_US;
    acUSGemeinsam(tab, false);
    paarSpalte(tab, &UebersichtSatz::Gesamtgewicht,
               {u8"30[lbs]", u8"38[lbs]", u8"47[lbs]", u8"58[lbs]", u8"71[lbs]", u8"86[lbs]", u8"104[lbs]", u8"125[lbs]",
                u8"160[lbs]", u8"200[lbs]", u8"250[lbs]", u8"320[lbs]", u8"400[lbs]", u8"510[lbs]", u8"630[lbs]"});
    paarSpalte(tab, &UebersichtSatz::Versandgewicht,
               {u8"37[lbs]", u8"46[lbs]", u8"56[lbs]", u8"68[lbs]", u8"83[lbs]", u8"99[lbs]", u8"119[lbs]", u8"142[lbs]",
                u8"180[lbs]", u8"225[lbs]", u8"280[lbs]", u8"355[lbs]", u8"445[lbs]", u8"570[lbs]", u8"710[lbs]"});
    geraeuschKopieren(tab, KTab_AC_Optim_US, false);
}

void Init_UebersTab_AC_Optim_LowNoise_US(KDaten_Uebers& d, KTabelle* KTab_AC_Optim_LowNoise_US)
{
    acUSGemeinsam(d.UebersTab_AC_Optim_LowNoise_US, true);
    gewichteVon(d.UebersTab_AC_Optim_LowNoise_US, d.UebersTab_AC_Optim_US);
    geraeuschKopieren(d.UebersTab_AC_Optim_LowNoise_US, KTab_AC_Optim_LowNoise_US, false);
}

void Init_UebersTab_AC_Rough_US(KDaten_Uebers& d, KTabelle* KTab_AC_Rough_US)
{
    auto& tab = d.UebersTab_AC_Rough_US;
    acUSGemeinsam(tab, false);
    // The Rough size 2 gets by with the smaller motor.
    tab[2].Leistungsaufnahme = beide(t(u8"1/3 [HP]"));
    gewichteVon(tab, d.UebersTab_AC_Optim_US);
    geraeuschKopieren(tab, KTab_AC_Rough_US, false);
}

void Init_UebersTab_AC_Rough_LowNoise_US(KDaten_Uebers& d, KTabelle* KTab_AC_Rough_LowNoise_US)
{
    acUSGemeinsam(d.UebersTab_AC_Rough_LowNoise_US, true);
    gewichteVon(d.UebersTab_AC_Rough_LowNoise_US, d.UebersTab_AC_Optim_US);
    geraeuschKopieren(d.UebersTab_AC_Rough_LowNoise_US, KTab_AC_Rough_LowNoise_US, false);
}

void Init_UebersTab_Hydro_Optim_US(KDaten_Uebers& d)
{
    auto& tab = d.UebersTab_Hydro_Optim_US;
    tab.assign(SaetzeUS, UebersichtSatz{});
    static const int gesamt[15] = {26, 33, 41, 51, 63, 77, 94, 113, 145, 182, 228, 292, 366, 466, 580};
    static const int versand[15] = {32, 40, 49, 60, 74, 89, 108, 129, 164, 206, 256, 326, 408, 518, 650};
    for (std::size_t i = 0; i < 15; ++i) {
        // A hydraulic drive has no supply voltage, whichever way the air flows.
        tab[i].Anschlussspannung = beide(t(u8"Hydraulic"));
        tab[i].Gesamtgewicht[0] = QString::number(gesamt[i]) + QStringLiteral(" [lbs]");
        tab[i].Versandgewicht[0] = QString::number(versand[i]) + QStringLiteral(" [lbs]");
        tab[i].Gesamtgewicht[1] = tab[i].Gesamtgewicht[0];
        tab[i].Versandgewicht[1] = tab[i].Versandgewicht[0];
    }
    // 250 psi is the rating of the large blocks; the unit stands in the text as in the AC tables.
    textSpalte(tab, &UebersichtSatz::Betriebsdruck, US_Druck);
}

void Init_UebersTab_Hydro_Rough_US(KDaten_Uebers& d)
{
    auto& tab = d.UebersTab_Hydro_Rough_US;
    tab.assign(SaetzeUS, UebersichtSatz{});
    for (std::size_t i = 0; i < 15; ++i)
        tab[i].Anschlussspannung = beide(t(u8"Hydraulic"));
    textSpalte(tab, &UebersichtSatz::Betriebsdruck, US_Druck);
    gewichteVon(tab, d.UebersTab_Hydro_Optim_US);
}

void Init_UebersTab_DC12_EU(KDaten_Uebers& d, KTabelle* KTab_DC_EU)
{
    dcEU(d.UebersTab_DC12_EU, u8"12V ",
         {u8"0,096", u8"0,11", u8"0,13", u8"0,16", u8"0,19", u8"0,192", u8"0,22", u8"0,26"});
    geraeuschKopieren(d.UebersTab_DC12_EU, KTab_DC_EU, true);
}

void Init_UebersTab_DC24_EU(KDaten_Uebers& d)
{
    dcEU(d.UebersTab_DC24_EU, u8"24V ",
         {u8"0,084", u8"0,1", u8"0,12", u8"0,144", u8"0,168", u8"0,168", u8"0,2", u8"0,24"});
}

// The metric noise texts are those of the performance tables of the same series.
void Init_UebersTab_AC_Optim_EU(KDaten_Uebers& d)
{
    acEU(d.UebersTab_AC_Optim_EU, false, {u8"80 ", u8"83 ", u8"81 ", u8"80 ", u8"81 ", u8"80 ", u8"82 ", u8"80 ",
                                          u8"86 ", u8"88 ", u8"94 ", u8"98 "});
}

void Init_UebersTab_AC_Optim_LowNoise_EU(KDaten_Uebers& d)
{
    acEU(d.UebersTab_AC_Optim_LowNoise_EU, true, {u8"68 ", u8"78 ", u8"71 ", u8"72 ", u8"73 ", u8"74 ", u8"74 ",
                                                  u8"75 ", u8"77 ", u8"77 ", u8"85 ", u8"89 "});
}

void Init_UebersTab_AC_Rough_EU(KDaten_Uebers& d)
{
    acEU(d.UebersTab_AC_Rough_EU, false, {u8"68 ", u8"70 ", u8"81 ", u8"80 ", u8"81 ", u8"83 ", u8"82 ", u8"80 ",
                                          u8"86 ", u8"88 ", u8"94 ", u8"98 "});
}

void Init_UebersTab_AC_Rough_LowNoise_EU(KDaten_Uebers& d)
{
    acEU(d.UebersTab_AC_Rough_LowNoise_EU, true, {u8"68 ", u8"70 ", u8"71 ", u8"72 ", u8"73 ", u8"74 ", u8"74 ",
                                                  u8"75 ", u8"77 ", u8"77 ", u8"85 ", u8"89 "});
}

void Init_UebersTab_Hydro_Optim_EU(KDaten_Uebers& d) { hydroEU(d.UebersTab_Hydro_Optim_EU); }
void Init_UebersTab_Hydro_Rough_EU(KDaten_Uebers& d) { hydroEU(d.UebersTab_Hydro_Rough_EU); }

void Init_UebersichtTabellen(KDaten_Uebers& d, const GeraeuschZiele& z)
{
    Init_UebersTab_DC12_US(d, z.KTab_DC_US);
    Init_UebersTab_DC24_US(d);
    Init_UebersTab_AC_Optim_US(d, z.KTab_AC_Optim_US);
    Init_UebersTab_AC_Optim_LowNoise_US(d, z.KTab_AC_Optim_LowNoise_US);
    Init_UebersTab_AC_Rough_US(d, z.KTab_AC_Rough_US);
    Init_UebersTab_AC_Rough_LowNoise_US(d, z.KTab_AC_Rough_LowNoise_US);
    Init_UebersTab_Hydro_Optim_US(d);
    Init_UebersTab_Hydro_Rough_US(d);
    Init_UebersTab_DC12_EU(d, z.KTab_DC_EU);
    Init_UebersTab_DC24_EU(d);
    Init_UebersTab_AC_Optim_EU(d);
    Init_UebersTab_AC_Optim_LowNoise_EU(d);
    Init_UebersTab_AC_Rough_EU(d);
    Init_UebersTab_AC_Rough_LowNoise_EU(d);
    Init_UebersTab_Hydro_Optim_EU(d);
    Init_UebersTab_Hydro_Rough_EU(d);
}

void Init_UebersichtTabellen(KDaten_Uebers& d, KDaten_Tab& k)
{
    Init_UebersichtTabellen(d, GeraeuschZiele{&k.KTab_DC_US, &k.KTab_DC_EU, &k.KTab_AC_Optim_US,
                                              &k.KTab_AC_Optim_LowNoise_US, &k.KTab_AC_Rough_US,
                                              &k.KTab_AC_Rough_LowNoise_US});
}

} // namespace catalogue
