#include "program/catalogue/medium_liste.h"

namespace catalogue {
namespace {

void fuelleMedium(MediumSatz& m, const texts::SprachText& text, const char* de, const char* en, const char* fr,
                  qint16 code)
{
    // Languages 0..16 from the text store; slot 17 is never written.
    for (int i = 0; i < texts::SprachSlots - 1; ++i)
        m.Name[static_cast<std::size_t>(i)] = text[static_cast<std::size_t>(i)];
    texts::setzeLiterale(m.Name, de, en, fr);
    m.Code = code;
}

} // namespace

void Init_MediumDaten(KDatenStrukt& ks, const texts::SprachText& Text_173, const texts::SprachText& Text_174)
{
    fuelleMedium(ks.Medium_Liste[0], Text_173, "Oel", "oil", "huile", 0);
    fuelleMedium(ks.Medium_Liste[1], Text_174, "Wasser/Glykol", "water/glykol", "eau/glykol", 1);
}

void Init_MediumDaten(KDatenStrukt& ks, const texts::Texte& texte)
{
    Init_MediumDaten(ks, texte.Text_173, texte.Text_174);
}

void Init_OelSorten(KDatenStrukt& ks)
{
    static constexpr const char* namen[OelSortenAnzahl] = {"ISO VG32",  "ISO VG46",  "ISO VG68", "ISO VG100",
                                                           "ISO VG150", "ISO VG220", "ISO VG320"};
    for (int i = 0; i < OelSortenAnzahl; ++i) {
        ks.OelSorten_Liste[static_cast<std::size_t>(i)].Name = QString::fromUtf8(namen[i]);
        ks.OelSorten_Liste[static_cast<std::size_t>(i)].Code = static_cast<qint16>(i);
    }
}

} // namespace catalogue
