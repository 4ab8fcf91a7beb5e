#include "program/report/ergbausgabe.h"

namespace report {

namespace {

struct Beschriftung {
    const char16_t* deutsch;
    const char16_t* englisch;
    const char16_t* franzoesisch;
    int textNr;
};

constexpr std::array<Beschriftung, option::Anzahl> Beschriftungen{{
    {u"Geometrie-Zeichnung", u"Geometry-drawing", u"Plan d'ensemble", 202},
    {u"Leistungskurve", u"Heat rejection chart", u"Puissance", 266},
    {u"Druckverlust-Diagramm", u"Pressure drop chart", u"Perte de charge", 267},
    {u"Techn. Daten", u"technical data", u"Donnez technique", 201},
    {u"Zubehör/Ersatzteile", u"Spare parts", u"Pièces de rechange", 163},
    {u"Kopfzeile Anzeigen", u"Write Header", u"Afficher en-tête dans document Word", 203},
    {u"Fußzeile Anzeigen", u"Write Footer", u"Afficher pied de page", 204},
    {u"Anschrift in Kopfzeile", u"Address-Data in Header", u"Adresse dans l'en-tête", 205},
    {u"Seiten-Rahmen", u"Page-Frame", u"Bordure de page", 206},
}};

} // namespace

void Init_Word_Optionen_Texte(ErgbAusgabe& ergb, const texts::StringTable& table)
{
    for (std::size_t k = 0; k < Beschriftungen.size(); ++k) {
        Word_OptionSatz& satz = ergb.Word_Optionen[k];
        satz.Caption[0] = QString::fromUtf16(Beschriftungen[k].deutsch);
        satz.Caption[1] = QString::fromUtf16(Beschriftungen[k].englisch);
        satz.Caption[2] = QString::fromUtf16(Beschriftungen[k].franzoesisch);
    }
    for (int slot = texts::FirstTableLanguage; slot <= texts::LastTableLanguage; ++slot)
        for (std::size_t k = 0; k < Beschriftungen.size(); ++k)
            // A string table without the entry (a damaged installation) shows the English caption.
            ergb.Word_Optionen[k].Caption[std::size_t(slot)] =
                table.entry(slot, Beschriftungen[k].textNr).value_or(ergb.Word_Optionen[k].Caption[1]);
    for (Word_OptionSatz& satz : ergb.Word_Optionen)
        satz.Zusatz.clear();
}

} // namespace report
