#pragma once
// The nine optional report sections as the project file stores them. The report owns their
// meaning; this record holds exactly what a project keeps of them.
#include "program/texts/sprachtext.h"
#include <QString>
#include <QtGlobal>
#include <array>

namespace project {

struct Word_OptionSatz {
    texts::SprachText Caption{}; // caption per language slot 0 to 17
    QString Zusatz;              // one further text, kept as stored
    qint16 Flag = 0;             // 1 = the section is written

    bool operator==(const Word_OptionSatz&) const = default;
};

inline constexpr int Word_OptionenAnzahl = 9;
// Index of the page frame, the one option that the "all off" rule leaves alone.
inline constexpr int Word_OptionSeitenrahmen = 8;

using Word_Optionen = std::array<Word_OptionSatz, Word_OptionenAnzahl>;

} // namespace project
