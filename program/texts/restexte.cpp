#include "program/texts/restexte.h"

#include "common/error.h"
#include "program/texts/cjkblanks.h"

#include <limits>

namespace texts {

qint16 stringTableId(int sprache, qint16 textNr)
{
    const int id = (sprache - FirstTableLanguage) * IdsPerLanguageBlock + textNr;
    if (id < std::numeric_limits<qint16>::min() || id > std::numeric_limits<qint16>::max())
        common::raise(common::errc::Overflow, QStringLiteral("Lade_ResTexte"));
    return static_cast<qint16>(id);
}

void Lade_ResTexte(SprachText& Texte, qint16 TextNr, const StringTable& table)
{
    for (int sprache = FirstTableLanguage; sprache <= LastTableLanguage; ++sprache) {
        const qint16 id = stringTableId(sprache, TextNr);
        const std::optional<QString> text = table.entry(id);
        if (!text)
            common::raise(ResourceNotFound, QStringLiteral("Lade_ResTexte"),
                          QStringLiteral("Resource with identifier '%1' not found").arg(id));
        QString& slot = Texte[static_cast<std::size_t>(sprache)];
        slot = *text;
        if (const int blanks = appendedBlanks(sprache, TextNr); blanks > 0)
            slot += QString(blanks, QLatin1Char(' '));
    }
}

} // namespace texts
