// The messages the program shows, as the running program holds them: every one in all seventeen
// languages, none left in English where a translation belongs, and the place the program fills in
// (a folder's name, a reason) kept in every language.
#include "program/texts/textcatalogue.h"
#include "program/texts/textliterals.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace texts {
namespace {

TEST(Meldungstexte, EveryMessageIsTranslatedIntoAllSeventeenLanguages)
{
    Texte texte;
    Init_MeldungsTexte(texte); // the program's own literals and compiled-in table
    for (const TextLiteral& literal : meldungsLiterals()) {
        const SprachText& text = texte.*literal.array;
        const QString englisch = text[1].trimmed();
        ASSERT_FALSE(englisch.isEmpty()) << literal.textNr;
        for (int sprache = 0; sprache <= 16; ++sprache) {
            const QString t = text[static_cast<std::size_t>(sprache)].trimmed();
            EXPECT_FALSE(t.isEmpty()) << "text " << literal.textNr << ", language " << sprache;
            if (sprache != 1) {
                EXPECT_NE(t, englisch) << "text " << literal.textNr << " is English in language " << sprache;
            }
            for (const QString& platz : {QStringLiteral("%1"), QStringLiteral("%2")}) {
                EXPECT_EQ(t.count(platz), englisch.count(platz))
                    << "text " << literal.textNr << ", language " << sprache << ", " << platz.toStdString();
            }
        }
    }
}

} // namespace
} // namespace texts
