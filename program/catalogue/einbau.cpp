#include "program/catalogue/einbau.h"
#include "program/catalogue/einbau_daten.h"
#include "program/catalogue/ktabsatz.h"
#include <cstddef>

namespace catalogue {

namespace {

constexpr int ZeilenEU = 13; // rows 0..12
constexpr int ZeilenUS = 16; // rows 0..15

template <std::size_t N>
EinbauTabelle fuellen(int deklarierteZeilen, const einbau_daten::Zeile (&zeilen)[N])
{
    EinbauTabelle tabelle(static_cast<std::size_t>(deklarierteZeilen));
    for (std::size_t i = 0; i < N; ++i)
        for (int j = 0; j < EinbauSpalten; ++j) {
            const char8_t* text = zeilen[i][j];
            tabelle[i][static_cast<std::size_t>(j)] = QString::fromUtf8(text);
        }
    return tabelle;
}

} // namespace

QString EinbauBuchstabe(int spalte)
{
    if (spalte >= 0 && spalte <= 7)
        return QString(QChar(u'A' + spalte));
    if (spalte >= 8 && spalte <= 14)
        return QString(QChar(u'J' + (spalte - 8)));
    if (spalte >= 16 && spalte <= 18)
        return QString(QChar(u'X' + (spalte - 16)));
    return {};
}

void Init_EinbauTabellen(KDaten_Einbau& d)
{
    d.EinbauTab_DC_US = fuellen(ZeilenUS, einbau_daten::EinbauTab_DC_US);
    d.EinbauTab_AC_Optim_US = fuellen(ZeilenUS, einbau_daten::EinbauTab_AC_Optim_US);
    d.EinbauTab_AC_Rough_US = fuellen(ZeilenUS, einbau_daten::EinbauTab_AC_Rough_US);
    d.EinbauTab_Hydro_Optim_US = fuellen(ZeilenUS, einbau_daten::EinbauTab_Hydro_Optim_US);
    d.EinbauTab_Hydro_Rough_US = fuellen(ZeilenUS, einbau_daten::EinbauTab_Hydro_Rough_US);
    d.EinbauTab_DC_EU = fuellen(ZeilenEU, einbau_daten::EinbauTab_DC_EU);
    d.EinbauTab_AC_Optim_EU = fuellen(ZeilenEU, einbau_daten::EinbauTab_AC_Optim_EU);
    d.EinbauTab_AC_Rough_EU = fuellen(ZeilenEU, einbau_daten::EinbauTab_AC_Rough_EU);
    d.EinbauTab_Hydro_Optim_EU = fuellen(ZeilenEU, einbau_daten::EinbauTab_Hydro_Optim_EU);
    d.EinbauTab_Hydro_Rough_EU = fuellen(ZeilenEU, einbau_daten::EinbauTab_Hydro_Rough_EU);
}

const EinbauTabelle* EinbauTabelle_von(const KDaten_Einbau& d, long Kuehler_Baureihe, bool Region_US)
{
    switch (Kuehler_Baureihe) {
    case DC_12V:
    case DC_24V:
        return Region_US ? &d.EinbauTab_DC_US : &d.EinbauTab_DC_EU;
    case AC_Optim:
    case AC_Optim_LowNoise:
        return Region_US ? &d.EinbauTab_AC_Optim_US : &d.EinbauTab_AC_Optim_EU;
    case AC_Rough:
    case AC_Rough_LowNoise:
        return Region_US ? &d.EinbauTab_AC_Rough_US : &d.EinbauTab_AC_Rough_EU;
    case Hydro_Optim:
        return Region_US ? &d.EinbauTab_Hydro_Optim_US : &d.EinbauTab_Hydro_Optim_EU;
    case Hydro_Rough:
        return Region_US ? &d.EinbauTab_Hydro_Rough_US : &d.EinbauTab_Hydro_Rough_EU;
    default:
        return nullptr;
    }
}

EinbauTabelle Get_EinbauTabelle(const KDaten_Einbau& d, long Kuehler_Baureihe, bool Region_US, int& Typ_MaxIndex)
{
    const EinbauTabelle* tabelle = EinbauTabelle_von(d, Kuehler_Baureihe, Region_US);
    if (tabelle == nullptr) {
        Typ_MaxIndex = 0;
        return {};
    }
    const bool dc = Kuehler_Baureihe == DC_12V || Kuehler_Baureihe == DC_24V;
    Typ_MaxIndex = dc ? 7 : (Region_US ? 14 : 11);
    return *tabelle;
}

} // namespace catalogue
