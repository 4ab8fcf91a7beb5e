#include "program/catalogue/zubehoer.h"
#include "program/catalogue/ktabsatz.h"
#include "program/catalogue/zubehoer_daten.h"
#include "program/texts/restexte.h"
#include "common/error.h"
#include <cstddef>

namespace catalogue {

namespace {

constexpr std::size_t SaetzeDC = 9;  // records 0..8
constexpr std::size_t SaetzeUS = 16; // records 0..15
constexpr std::size_t SaetzeEU = 13; // records 0..12

template <std::size_t N>
void fuellen(ZubehoerTabelle& tab, std::size_t deklariert, const zubehoer_daten::Satz (&daten)[N])
{
    static_assert(N > 0);
    tab.assign(deklariert, ZubehoerSatz{});
    for (std::size_t i = 0; i < N && i < deklariert; ++i) {
        const auto& d = daten[i];
        ZubehoerSatz& s = tab[i];
        s.Typ = QString::fromUtf8(d[0]);
        s.BestellNr = QString::fromUtf8(d[1]);
        s.Kuehlelement = QString::fromUtf8(d[2]);
        s.Fuss = QString::fromUtf8(d[3]);
        s.ZusatzNr = QString::fromUtf8(d[4]);
        s.Haube = QString::fromUtf8(d[5]);
        s.Luefter = {QString::fromUtf8(d[6]), QString::fromUtf8(d[7])};
        s.Motor = {QString::fromUtf8(d[8]), QString::fromUtf8(d[9])};
        s.Schutzgitter = {QString::fromUtf8(d[10]), QString::fromUtf8(d[11])};
    }
}

// The display reports nothing: a cell the grid does not have is skipped and the next one written.
void schreibe(FlexGrid& grid, int row, int col, const QString& text)
{
    try {
        grid.writeCell(row, col, text);
    } catch (const common::Error&) {
    }
}

} // namespace

void Init_ZubehoerTab_DC12_US(Zubehoer& z) { fuellen(z.ZubehoerTab_DC12_US, SaetzeDC, zubehoer_daten::ZubehoerTab_DC12_US); }
void Init_ZubehoerTab_DC24_US(Zubehoer& z) { fuellen(z.ZubehoerTab_DC24_US, SaetzeDC, zubehoer_daten::ZubehoerTab_DC24_US); }
void Init_ZubehoerTab_AC_Optim_US(Zubehoer& z) { fuellen(z.ZubehoerTab_AC_Optim_US, SaetzeUS, zubehoer_daten::ZubehoerTab_AC_Optim_US); }
void Init_ZubehoerTab_AC_Optim_LowNoise_US(Zubehoer& z) { fuellen(z.ZubehoerTab_AC_Optim_LowNoise_US, SaetzeUS, zubehoer_daten::ZubehoerTab_AC_Optim_LowNoise_US); }
void Init_ZubehoerTab_AC_Rough_US(Zubehoer& z) { fuellen(z.ZubehoerTab_AC_Rough_US, SaetzeUS, zubehoer_daten::ZubehoerTab_AC_Rough_US); }
void Init_ZubehoerTab_AC_Rough_LowNoise_US(Zubehoer& z) { fuellen(z.ZubehoerTab_AC_Rough_LowNoise_US, SaetzeUS, zubehoer_daten::ZubehoerTab_AC_Rough_LowNoise_US); }
void Init_ZubehoerTab_Hydro_Optim_US(Zubehoer& z) { fuellen(z.ZubehoerTab_Hydro_Optim_US, SaetzeUS, zubehoer_daten::ZubehoerTab_Hydro_Optim_US); }
void Init_ZubehoerTab_Hydro_Rough_US(Zubehoer& z) { fuellen(z.ZubehoerTab_Hydro_Rough_US, SaetzeUS, zubehoer_daten::ZubehoerTab_Hydro_Rough_US); }
void Init_ZubehoerTab_DC12_EU(Zubehoer& z) { fuellen(z.ZubehoerTab_DC12_EU, SaetzeDC, zubehoer_daten::ZubehoerTab_DC12_EU); }
void Init_ZubehoerTab_DC24_EU(Zubehoer& z) { fuellen(z.ZubehoerTab_DC24_EU, SaetzeDC, zubehoer_daten::ZubehoerTab_DC24_EU); }
void Init_ZubehoerTab_AC_Optim_EU(Zubehoer& z) { fuellen(z.ZubehoerTab_AC_Optim_EU, SaetzeEU, zubehoer_daten::ZubehoerTab_AC_Optim_EU); }
void Init_ZubehoerTab_AC_Optim_LowNoise_EU(Zubehoer& z) { fuellen(z.ZubehoerTab_AC_Optim_LowNoise_EU, SaetzeEU, zubehoer_daten::ZubehoerTab_AC_Optim_LowNoise_EU); }
void Init_ZubehoerTab_AC_Rough_EU(Zubehoer& z) { fuellen(z.ZubehoerTab_AC_Rough_EU, SaetzeEU, zubehoer_daten::ZubehoerTab_AC_Rough_EU); }
void Init_ZubehoerTab_AC_Rough_LowNoise_EU(Zubehoer& z) { fuellen(z.ZubehoerTab_AC_Rough_LowNoise_EU, SaetzeEU, zubehoer_daten::ZubehoerTab_AC_Rough_LowNoise_EU); }
void Init_ZubehoerTab_Hydro_Optim_EU(Zubehoer& z) { fuellen(z.ZubehoerTab_Hydro_Optim_EU, SaetzeEU, zubehoer_daten::ZubehoerTab_Hydro_Optim_EU); }
void Init_ZubehoerTab_Hydro_Rough_EU(Zubehoer& z) { fuellen(z.ZubehoerTab_Hydro_Rough_EU, SaetzeEU, zubehoer_daten::ZubehoerTab_Hydro_Rough_EU); }

void Init_ZubehoerTabellen(Zubehoer& z)
{
    Init_ZubehoerTab_DC12_EU(z);
    Init_ZubehoerTab_DC24_EU(z);
    Init_ZubehoerTab_AC_Optim_EU(z);
    Init_ZubehoerTab_AC_Optim_LowNoise_EU(z);
    Init_ZubehoerTab_AC_Rough_EU(z);
    Init_ZubehoerTab_AC_Rough_LowNoise_EU(z);
    Init_ZubehoerTab_Hydro_Optim_EU(z);
    Init_ZubehoerTab_Hydro_Rough_EU(z);
    Init_ZubehoerTab_DC12_US(z);
    Init_ZubehoerTab_DC24_US(z);
    Init_ZubehoerTab_AC_Optim_US(z);
    Init_ZubehoerTab_AC_Optim_LowNoise_US(z);
    Init_ZubehoerTab_AC_Rough_US(z);
    Init_ZubehoerTab_AC_Rough_LowNoise_US(z);
    Init_ZubehoerTab_Hydro_Optim_US(z);
    Init_ZubehoerTab_Hydro_Rough_US(z);
}

const ZubehoerTabelle* ZubehoerTabelle_von(const Zubehoer& z, long baureihe, bool us)
{
    switch (baureihe) {
    case DC_12V: return us ? &z.ZubehoerTab_DC12_US : &z.ZubehoerTab_DC12_EU;
    case DC_24V: return us ? &z.ZubehoerTab_DC24_US : &z.ZubehoerTab_DC24_EU;
    case AC_Optim: return us ? &z.ZubehoerTab_AC_Optim_US : &z.ZubehoerTab_AC_Optim_EU;
    case AC_Optim_LowNoise: return us ? &z.ZubehoerTab_AC_Optim_LowNoise_US : &z.ZubehoerTab_AC_Optim_LowNoise_EU;
    case AC_Rough: return us ? &z.ZubehoerTab_AC_Rough_US : &z.ZubehoerTab_AC_Rough_EU;
    case AC_Rough_LowNoise: return us ? &z.ZubehoerTab_AC_Rough_LowNoise_US : &z.ZubehoerTab_AC_Rough_LowNoise_EU;
    case Hydro_Optim: return us ? &z.ZubehoerTab_Hydro_Optim_US : &z.ZubehoerTab_Hydro_Optim_EU;
    case Hydro_Rough: return us ? &z.ZubehoerTab_Hydro_Rough_US : &z.ZubehoerTab_Hydro_Rough_EU;
    default: return nullptr;
    }
}

void Init_ZubehoerTexte(Zubehoer& z, const texts::StringTable& table)
{
    struct Eintrag {
        texts::SprachText* text;
        int nr;
        const char8_t* de;
        const char8_t* en;
        const char8_t* fr;
    };
    const Eintrag eintraege[] = {
        {&z.ZubehoerText_BestellNr, 450, u8"Bestellnummer", u8"Order number", u8" Référence de commande"},
        {&z.ZubehoerText_Kuehlelement, 453, u8"Kühlelement", u8"cooler only", u8"Refroidisseur"},
        {&z.ZubehoerText_Haube, 454, u8"Lüfterhaube", u8"Shroud", u8"Capot de ventilation"},
        {&z.ZubehoerText_Schutzgitter, 455, u8"Schutzgitter", u8"Guard", u8"Grille de protection"},
        {&z.ZubehoerText_Motor, 456, u8"Motor/Gebläse", u8"Motor/Blower", u8"Moto-ventilateur"},
        {&z.ZubehoerText_Luefter, 457, u8"Lüfter", u8"Fan", u8"Ventilateur"},
        {&z.ZubehoerText_Fuss, 458, u8"Fuß", u8"Stand", u8"Pied"},
    };
    for (const Eintrag& e : eintraege) {
        texts::setzeLiterale(*e.text, e.de, e.en, e.fr);
        texts::Lade_ResTexte(*e.text, static_cast<qint16>(e.nr), table);
    }
}

void Zubehoer_anzeigen(const Zubehoer& z, const texts::Texte& texte, const ZubehoerLage& lage,
                       FlexGrid& grid, Beschriftung& label)
{
    const int s = texte.SprachNr;
    label.setCaption(texts::textInSprache(texte.Text_163, s));
    const std::size_t d = lage.LuefterDrueckend ? 1 : 0; // read now: the option button decides

    grid.Clear();
    schreibe(grid, 0, 1, texts::textInSprache(z.ZubehoerText_BestellNr, s));
    const texts::SprachText* kopf[6] = {&z.ZubehoerText_Kuehlelement, &z.ZubehoerText_Fuss, &z.ZubehoerText_Haube,
                                        &z.ZubehoerText_Luefter, &z.ZubehoerText_Motor, &z.ZubehoerText_Schutzgitter};
    for (int row = 1; row <= 6; ++row)
        schreibe(grid, row, 0, texts::textInSprache(*kopf[row - 1], s));

    const ZubehoerTabelle* tab = ZubehoerTabelle_von(z, lage.Kuehler_Baureihe, lage.Region_US);
    const int r = lage.Typ_Index;
    if (r < 0) {
        for (int row = 1; row <= 6; ++row)
            schreibe(grid, row, 1, QString());
        return;
    }
    // No table or a size beyond it: the value cells stay as the clearing left them.
    if (tab == nullptr || static_cast<std::size_t>(r) >= tab->size())
        return;
    const ZubehoerSatz& satz = (*tab)[static_cast<std::size_t>(r)];
    schreibe(grid, 1, 1, satz.Kuehlelement);
    schreibe(grid, 2, 1, satz.Fuss);
    schreibe(grid, 3, 1, satz.Haube);
    schreibe(grid, 4, 1, satz.Luefter[d]);
    schreibe(grid, 5, 1, satz.Motor[d]);
    schreibe(grid, 6, 1, satz.Schutzgitter[d]);
}

} // namespace catalogue
