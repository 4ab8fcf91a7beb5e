#include "program/texts/textcatalogue.h"

#include "common/error.h"
#include "program/texts/restexte.h"
#include "program/texts/textliterals.h"

#include <QDebug>

namespace texts {

namespace {

void fillText(Texte& texte, const TextLiteral& literal, const StringTable& table)
{
    SprachText& text = texte.*literal.array;
    setzeLiterale(text, literal.de, literal.en, literal.fr);
    if (literal.textNr != NoTextNumber)
        Lade_ResTexte(text, literal.textNr, table);
}

void fillTexts(Texte& texte, std::span<const TextLiteral> literals, const StringTable& table,
               const char* filler)
{
    QList<qint16> incomplete;
    for (const TextLiteral& literal : literals) {
        try {
            fillText(texte, literal, table);
        } catch (const common::Error&) {
            incomplete.append(literal.textNr);
        }
    }
    if (!incomplete.isEmpty())
        qWarning().nospace() << filler << ": string table lacks entries of texts " << incomplete;
}

} // namespace

void Init_MeldungsTexte(Texte& texte, const StringTable& table)
{
    fillTexts(texte, meldungsLiterals(), table, "Init_MeldungsTexte");
}

void Init_SysTexte(Texte& texte, const HeadingFillers& headings, const StringTable& table)
{
    if (headings.Init_ZubehoerTexte)
        headings.Init_ZubehoerTexte();
    if (headings.Init_UebersichtTexte)
        headings.Init_UebersichtTexte();
    Init_MenueTexte(texte, table);
    fillTexts(texte, sysLiterals(), table, "Init_SysTexte");
}

void Init_MenueTexte(Texte& texte, const StringTable& table)
{
    fillTexts(texte, menueLiterals(), table, "Init_MenueTexte");
}

} // namespace texts
