#pragma once
// The medium list (oil, water-glycol) with the name in every language, and the oil grades offered.
#include "program/texts/sprachtext.h"
#include "program/texts/texte.h"
#include <QString>
#include <QtGlobal>
#include <array>

namespace catalogue {

struct MediumSatz {
    texts::SprachText Name; // slot = SprachNr; slot 17 stays empty
    qint16 Code = 0;        // 0 oil, 1 water-glycol (= Medium_Typ)
};

struct OelSorteSatz {
    QString Name; // the same in every language
    qint16 Code = 0; // grade index of the viscosity function (= Medium_Subindex)
};

inline constexpr int MediumAnzahl = 2;
inline constexpr int OelSortenAnzahl = 7;

// Module of the catalogue's small lists.
struct KDatenStrukt {
    std::array<MediumSatz, MediumAnzahl> Medium_Liste{};
    std::array<OelSorteSatz, OelSortenAnzahl> OelSorten_Liste{};
};

// Fills both media from the texts 173 (oil) and 174 (water-glycol) of the text store. Slots 0 to 2
// always hold the program's own German, English and French names, whatever the text store holds.
void Init_MediumDaten(KDatenStrukt& ks, const texts::SprachText& Text_173, const texts::SprachText& Text_174);

// The same from the program-wide texts (Text_173, Text_174), which must be filled already.
void Init_MediumDaten(KDatenStrukt& ks, const texts::Texte& texte);

// The seven grades ISO VG32 to ISO VG320, codes 0 to 6.
void Init_OelSorten(KDatenStrukt& ks);

} // namespace catalogue
