#include "program/texts/restexte.h"

#include "common/error.h"
#include "stringtablefixture.h"

#include <gtest/gtest.h>

namespace texts {
namespace {

using testing::idText;
using testing::StringTableFixture;

SprachText literalSlotsOnly()
{
    SprachText text;
    text[0] = QStringLiteral("de");
    text[1] = QStringLiteral("en");
    text[2] = QStringLiteral("fr");
    return text;
}

int idOf(int sprache, int textNr) { return (sprache - 3) * 1000 + textNr; }

// Blanks appended per language; the other eleven table languages never get any.
struct BlankCase {
    qint16 textNr;
    int chinese;
    int korean;
    int japanese;
};

void PrintTo(const BlankCase& c, std::ostream* os)
{
    *os << "text " << c.textNr << " (+" << c.chinese << "/" << c.korean << "/" << c.japanese << ")";
}

class LadeResTexteBlanks : public ::testing::TestWithParam<BlankCase> {};

TEST_P(LadeResTexteBlanks, FillsTableSlotsAndAppendsBlanksOfChineseKoreanJapanese)
{
    const BlankCase c = GetParam();
    StringTableFixture fixture;
    fixture.writeAll({c.textNr});
    const StringTable table = fixture.load();

    SprachText text = literalSlotsOnly();
    Lade_ResTexte(text, c.textNr, table);

    EXPECT_EQ(text[0], QStringLiteral("de"));
    EXPECT_EQ(text[1], QStringLiteral("en"));
    EXPECT_EQ(text[2], QStringLiteral("fr"));
    EXPECT_TRUE(text[17].isEmpty());
    for (int sprache = 3; sprache <= 16; ++sprache) {
        int blanks = 0;
        if (sprache == 3) blanks = c.chinese;
        if (sprache == 12) blanks = c.korean;
        if (sprache == 15) blanks = c.japanese;
        EXPECT_EQ(text[static_cast<std::size_t>(sprache)], idText(idOf(sprache, c.textNr)) + QString(blanks, u' '))
            << "text " << c.textNr << ", language " << sprache;
    }
}

INSTANTIATE_TEST_SUITE_P(TextNumbers, LadeResTexteBlanks, ::testing::Values(
    BlankCase{263, 15, 15, 15},
    BlankCase{254, 2, 5, 20},
    BlankCase{251, 0, 5, 12},
    BlankCase{252, 0, 5, 15},
    BlankCase{250, 2, 6, 12},
    BlankCase{257, 2, 2, 3},
    BlankCase{411, 4, 4, 6},
    BlankCase{173, 0, 2, 4},
    BlankCase{149, 5, 5, 5},   // inside a run although no text uses it
    BlankCase{130, 2, 2, 2},
    BlankCase{500, 1, 1, 1},
    BlankCase{100, 0, 0, 0},
    BlankCase{264, 2, 2, 2},
    BlankCase{277, 0, 0, 0}));

TEST(LadeResTexte, BlanksFollowBlanksOfTheEntryAndNeverAccumulate)
{
    StringTableFixture fixture;
    for (int sprache = 3; sprache <= 16; ++sprache)
        fixture.write(sprache, {{500, QStringLiteral("Vantix ")}});
    const StringTable table = fixture.load();

    SprachText text = literalSlotsOnly();
    Lade_ResTexte(text, 500, table);
    const SprachText afterFirstCall = text;
    Lade_ResTexte(text, 500, table);

    EXPECT_EQ(text, afterFirstCall);
    for (int sprache : {3, 12, 15})
        EXPECT_EQ(text[static_cast<std::size_t>(sprache)], QStringLiteral("Vantix  ")) << sprache;
    EXPECT_EQ(text[4], QStringLiteral("Vantix "));
}

TEST(LadeResTexte, MissingEntryRaisesAtItsLanguageAndKeepsTheRest)
{
    const int textNr = 263;
    struct Case { int missingLanguage; bool wholeFile; };
    for (const Case c : {Case{3, true}, Case{6, false}, Case{12, false}, Case{16, true}}) {
        StringTableFixture fixture;
        fixture.writeAll({textNr});
        if (c.wholeFile)
            fixture.remove(c.missingLanguage);
        else
            fixture.write(c.missingLanguage, {{100, QStringLiteral("other text")}});
        const StringTable table = fixture.load();

        SprachText text = literalSlotsOnly();
        for (int sprache = 3; sprache <= 16; ++sprache)
            text[static_cast<std::size_t>(sprache)] = QStringLiteral("old");
        try {
            Lade_ResTexte(text, textNr, table);
            ADD_FAILURE() << "no error with language " << c.missingLanguage << " missing";
        } catch (const common::Error& error) {
            EXPECT_EQ(error.number(), ResourceNotFound);
            EXPECT_EQ(error.source(), QStringLiteral("Lade_ResTexte"));
        }
        for (int sprache = 3; sprache <= 16; ++sprache) {
            const QString expected = sprache < c.missingLanguage
                ? idText(idOf(sprache, textNr)) + (sprache == 3 || sprache == 12 || sprache == 15 ? QString(15, u' ') : QString())
                : QStringLiteral("old");
            EXPECT_EQ(text[static_cast<std::size_t>(sprache)], expected)
                << "missing language " << c.missingLanguage << ", slot " << sprache;
        }
        EXPECT_EQ(text[0], QStringLiteral("de"));
    }
}

TEST(StringTableId, OffsetsTextNumberByLanguageBlockWithin16Bits)
{
    struct Case { int sprache; qint16 textNr; qint16 id; };
    for (const Case c : {Case{3, 100, 100}, Case{4, 263, 1263}, Case{12, 263, 9263}, Case{15, 263, 12263},
                         Case{16, 568, 13568}, Case{16, 19767, 32767}})
        EXPECT_EQ(stringTableId(c.sprache, c.textNr), c.id) << c.sprache << "/" << c.textNr;

    try {
        stringTableId(16, 19768);
        FAIL() << "id beyond 32767 accepted";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.number(), common::errc::Overflow);
    }
}

} // namespace
} // namespace texts
