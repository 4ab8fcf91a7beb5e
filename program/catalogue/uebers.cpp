#include "program/catalogue/uebers.h"
#include "program/texts/restexte.h"
#include <cstddef>

namespace catalogue {

namespace {

const UebersichtTabelle* tabelleVon(const KDaten_Uebers& d, long baureihe, bool us)
{
    switch (baureihe) {
    case DC_12V: return us ? &d.UebersTab_DC12_US : &d.UebersTab_DC12_EU;
    case DC_24V: return us ? &d.UebersTab_DC24_US : &d.UebersTab_DC24_EU;
    case AC_Optim: return us ? &d.UebersTab_AC_Optim_US : &d.UebersTab_AC_Optim_EU;
    case AC_Optim_LowNoise: return us ? &d.UebersTab_AC_Optim_LowNoise_US : &d.UebersTab_AC_Optim_LowNoise_EU;
    case AC_Rough: return us ? &d.UebersTab_AC_Rough_US : &d.UebersTab_AC_Rough_EU;
    case AC_Rough_LowNoise: return us ? &d.UebersTab_AC_Rough_LowNoise_US : &d.UebersTab_AC_Rough_LowNoise_EU;
    case Hydro_Optim: return us ? &d.UebersTab_Hydro_Optim_US : &d.UebersTab_Hydro_Optim_EU;
    case Hydro_Rough: return us ? &d.UebersTab_Hydro_Rough_US : &d.UebersTab_Hydro_Rough_EU;
    default: return nullptr;
    }
}

} // namespace

UebersichtTabelle UebersichtTab_holen(const KDaten_Uebers& d, long Kuehler_Baureihe, bool Region_US)
{
    const UebersichtTabelle* tab = tabelleVon(d, Kuehler_Baureihe, Region_US);
    return tab ? *tab : UebersichtTabelle{};
}

void Init_UebersichtTexte(KDaten_Uebers& d, const texts::StringTable& table)
{
    struct Eintrag {
        texts::SprachText* text;
        int nr;
        const char8_t* de;
        const char8_t* en;
        const char8_t* fr;
    };
    const Eintrag eintraege[] = {
        {&d.UebersText_MotorVariante, 470, u8"Lüfter Motor-Variante", u8"Fan motor type", u8"Type de ventilateur"},
        {&d.UebersText_Versandgewicht_Bericht, 521, u8"Versandgewicht [kg]", u8"Shipping weight [kg]",
         u8"Poids du matériel à expédier [kg]"},
        {&d.UebersText_Drehzahl, 472, u8"Ventilatordrehzahl [1/min]", u8"Fan speed [1/min]", u8"Vitesse de rotation"},
        {&d.UebersText_Schalldruck, 473, u8"Schalldruckpegel [dB(A), 1m]", u8"Noise Level [dB(A), 1m]",
         u8"Niveau sonore [dB(A), 1m]"},
        {&d.UebersText_Spannung, 474, u8"Anschluss-Spannung [V]", u8"Motor-Voltage [V]", u8"Tension de branchment [V]"},
        {&d.UebersText_Leistungsaufnahme, 475, u8"Leistungsaufnahme [kW]", u8"Power Consumption [kW]",
         u8"Puissance absorbée [kW]"},
        {&d.UebersText_Fuellinhalt, 476, u8"Füllinhalt [l]", u8"Volume [l]", u8"Contenance [l]"},
        {&d.UebersText_Betriebsdruck, 477, u8"Betriebsdruck [bar]", u8"Working pressure [bar]",
         u8"Pression de service [bar]"},
        {&d.UebersText_Gesamtgewicht, 478, u8"Gesamtgewicht [kg]", u8"Total weight [kg]", u8"Poids total à vide [kg]"},
        {&d.UebersText_Versandgewicht, 521, u8"Versandgewicht [kg]", u8"Shipping weight [kg]",
         u8"Poids du matériel à expédier [kg]"},
    };
    for (const Eintrag& e : eintraege) {
        texts::setzeLiterale(*e.text, e.de, e.en, e.fr);
        texts::Lade_ResTexte(*e.text, static_cast<qint16>(e.nr), table);
    }
}

void Datenuebersicht_anzeigen(const KDaten_Uebers& d, const texts::Texte& k, const UebersichtLage& lage,
                              FlexGrid& grid, Beschriftung& label)
{
    const int s = k.SprachNr;
    label.setCaption(texts::textInSprache(k.Text_162, s));
    grid.Clear();

    const QString approx = texts::textInSprache(k.Text_517, s);
    const QString kopf[9] = {
        texts::textInSprache(d.UebersText_MotorVariante, s),
        texts::textInSprache(d.UebersText_Drehzahl, s),
        texts::textInSprache(d.UebersText_Schalldruck, s) + approx,
        texts::textInSprache(d.UebersText_Spannung, s),
        texts::textInSprache(d.UebersText_Leistungsaufnahme, s),
        texts::textInSprache(d.UebersText_Gesamtgewicht, s) + approx,
        texts::textInSprache(d.UebersText_Versandgewicht, s) + approx,
        texts::textInSprache(d.UebersText_Fuellinhalt, s) + approx,
        texts::textInSprache(d.UebersText_Betriebsdruck, s),
    };
    for (int row = 0; row < 9; ++row)
        grid.writeCell(row, 0, kopf[row]);

    UebersichtTabelle T = UebersichtTab_holen(d, lage.Kuehler_Baureihe, lage.Region_US);
    const std::size_t dir = lage.LuefterDrueckend ? 1 : 0;

    const texts::SprachText* antrieb = nullptr;
    switch (lage.Kuehler_Baureihe) {
    case DC_12V: antrieb = &k.Text_550; break;
    case DC_24V: antrieb = &k.Text_551; break;
    case AC_Optim:
    case AC_Optim_LowNoise:
    case AC_Rough:
    case AC_Rough_LowNoise: antrieb = &k.Text_152; break;
    case Hydro_Optim:
    case Hydro_Rough: antrieb = &k.Text_153; break;
    default:
        grid.writeCell(0, 1, texts::textInSprache(k.Text_127, s));
        return;
    }
    grid.writeCell(0, 1, texts::textInSprache(*antrieb, s));

    // No size, or an index that names no size of the selected table: no values. The last record of
    // every table is a spare slot that holds no size, so it counts as outside.
    const int r = lage.Typ_Index;
    if (r < 0 || static_cast<std::size_t>(r) + 1 >= T.size()) {
        for (int row = 1; row <= 8; ++row)
            grid.writeCell(row, 1, QString());
        return;
    }
    UebersichtSatz& satz = T[static_cast<std::size_t>(r)];

    // A hydraulic size shows the fan speed and noise of its current result, i.e. of the speed step the
    // result was computed for. A slot without a size shows neither, and a noise of "0" is the result's
    // way of saying it has none.
    if (lage.Kuehler_Baureihe == Hydro_Optim || lage.Kuehler_Baureihe == Hydro_Rough) {
        const std::optional<UebersichtErgebnis>& e = lage.Ergebnis;
        satz.Ventilatordrehzahl[dir] = e ? QString::number(e->Ventilatordrehzahl) : QString();
        satz.Schalldruckpegel[dir] =
            e && e->Schalldruckpegel != QLatin1String("0") ? e->Schalldruckpegel : QString();
    }

    grid.writeCell(1, 1, satz.Ventilatordrehzahl[dir]);
    grid.writeCell(2, 1, satz.Schalldruckpegel[dir]);
    grid.writeCell(3, 1, satz.Anschlussspannung[dir]);
    grid.writeCell(4, 1, satz.Leistungsaufnahme[dir]);
    grid.writeCell(5, 1, satz.Gesamtgewicht[dir]);
    grid.writeCell(6, 1, satz.Versandgewicht[dir]);
    grid.writeCell(7, 1, satz.Fuellinhalt);
    grid.writeCell(8, 1, satz.Betriebsdruck);
}

} // namespace catalogue
