#include "program/texts/textcatalogue.h"

#include "program/texts/cjkblanks.h"
#include "program/texts/textliterals.h"
#include "program/texts/textnumbers.h"
#include "stringtablefixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace texts {
namespace {

using testing::idText;
using testing::StringTableFixture;

const QString CrLf = QStringLiteral("\r\n");

std::size_t slot(int sprache) { return static_cast<std::size_t>(sprache); }

// A table holding every required text number in every language, and the texts filled from it.
class TextCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixture.writeAll(requiredTextNumbers());
        table = fixture.load();
        Init_MeldungsTexte(texte, table);
        Init_SysTexte(texte, {}, table);
    }

    StringTableFixture fixture;
    StringTable table;
    Texte texte;
};

TEST_F(TextCatalogue, LiteralLanguagesHoldTheirTextsExactly)
{
    struct Case { SprachText Texte::*array; const char* name; QString de, en, fr; };
    const Case cases[] = {
        {&Texte::Text_100, "Text_100", QStringLiteral("Aktuelles Projekt speichern?"),
         QStringLiteral("Save active project?"), QStringLiteral("Enregistrer le projet en cours?")},
        {&Texte::Text_110, "Text_110", QStringLiteral("!!! Abbruch Projektdaten-Laden!!! Fehlerhafte Daten "),
         QStringLiteral("!!! Abort projectdata load!!!  Data error "),
         QStringLiteral("!!! Abandon du chargement des données du projet!!! Données erronées ")},
        {&Texte::Text_113, "Text_113",
         QStringLiteral(" gefunden!\r\nBitte auf Version Word-2000 oder höher umstellen."),
         QStringLiteral(" found!\r\nPlease install Word-2000 or higher"),
         QStringLiteral(" trouvé!\r\nVeuillez installer Word 2000 ou version plus récente")},
        {&Texte::Titel_Text, "Titel_Text", QStringLiteral("Kelto-Line "), QStringLiteral("Kelto-Line "),
         QStringLiteral("Kelto-Line ")},
        {&Texte::Text_127, "Text_127", QStringLiteral("Noch nicht gewählt"), QStringLiteral("not selected"),
         QStringLiteral("non selectionné\"")},
        {&Texte::Text_132, "Text_132",
         QStringLiteral("Leistung kann mit dieser Durchfluss-Menge nicht abgeführt werden!\r\n"
                        "Leistungsvorgabe oder Durchfluss muss angepasst werden!\r\n"
                        "Austrittstemperatur kleiner als Lufttemperatur"),
         QStringLiteral("Heat rejection not possible with this medium flow!\r\n"
                        "Heat rejection or medium flow has to be adapted!\r\n"
                        "medium outlet temperature lower than ambient temperature"),
         QStringLiteral("La puissance ne peut être dissipée avec ce débit! \r\n"
                        " Les conditions de fonctionnement doivent être adaptées. \r\n"
                        " Température de sortie d'huile inférieure à la température ambiente")},
        {&Texte::Text_133, "Text_133", QStringLiteral("Durchfluss zu niedrig (Min. "),
         QStringLiteral("Flow too low (min. "), QStringLiteral("Débit insuffisant (Min. ")},
        {&Texte::Text_147, "Text_147", QStringLiteral("Automatisch suchen"), QStringLiteral("Automatic search"),
         QStringLiteral(" recherche automatique")},
        {&Texte::Text_168, "Text_168", QStringLiteral("Einbaumaße"), QStringLiteral("Technical Data"),
         QStringLiteral("Cotes d'encombrement")},
        {&Texte::Text_190, "Text_190", QStringLiteral("Firma"), QStringLiteral("Company"), QStringLiteral("Société\"")},
        {&Texte::Text_304, "Text_304",
         QStringLiteral("Beachten Sie bitte unsere 'Allgemeinen Lagervorschriften' und unsere "
                        "'Aufstellungs- und Betriebsanleitung für Kelto-Kühlanlagen'"),
         QStringLiteral("Please mind our Kelto Set-up and Installation Instructions as well as our "
                        "Storage Recommendations."),
         QStringLiteral("Veuillez observer nos notices d'installation et de fonctionnement des refroidisseurs Kelto")},
        {&Texte::Text_305, "Text_305", QStringLiteral("Viskosität"), QStringLiteral("Viscosity"),
         QStringLiteral("Viscosité\"")},
        {&Texte::Text_517, "Text_517", QStringLiteral(" (approx.)"), QStringLiteral(" (approx.)"),
         QStringLiteral(" (approx.)")},
        {&Texte::Text_567, "Text_567", QStringLiteral("°C"), QStringLiteral("°C"), QStringLiteral("°C")},
        {&Texte::Text_GlobalStandard, "Text_GlobalStandard", QStringLiteral("Global Standard Programm"),
         QStringLiteral("Global standard program"), QStringLiteral("Global standard program")},
        {&Texte::Text_251, "Text_251", QStringLiteral("Projekt-&Neu"), QStringLiteral("Project-&New"),
         QStringLiteral("Projet-&Nouveauté\"")},
        {&Texte::Text_262, "Text_262", QStringLiteral("Drucken"), QStringLiteral("&Print"), QStringLiteral("Imprimer")},
        {&Texte::Text_274, "Text_274", QStringLiteral("Über"), QStringLiteral("About"), QStringLiteral("à propos de")},
    };
    for (const Case& c : cases) {
        const SprachText& text = texte.*c.array;
        EXPECT_EQ(text[0], c.de) << c.name;
        EXPECT_EQ(text[1], c.en) << c.name;
        EXPECT_EQ(text[2], c.fr) << c.name;
    }
}

TEST_F(TextCatalogue, LineBreaksAreCrLfWhereTheTextsBreak)
{
    struct Case { SprachText Texte::*array; const char* name; int breaks; };
    const Case cases[] = {
        {&Texte::Text_108, "Text_108", 1}, {&Texte::Text_112, "Text_112", 2},
        {&Texte::Text_113, "Text_113", 1}, {&Texte::Text_114, "Text_114", 1},
        {&Texte::Text_132, "Text_132", 2}, {&Texte::Text_303, "Text_303", 1},
        {&Texte::Text_304, "Text_304", 0},
    };
    for (const Case& c : cases) {
        for (int sprache = 0; sprache <= 2; ++sprache) {
            const QString& text = (texte.*c.array)[slot(sprache)];
            EXPECT_EQ(text.count(CrLf), c.breaks) << c.name << " slot " << sprache;
            // No lone CR or LF: every break is the pair.
            EXPECT_EQ(text.count(u'\r'), c.breaks) << c.name << " slot " << sprache;
            EXPECT_EQ(text.count(u'\n'), c.breaks) << c.name << " slot " << sprache;
        }
    }
}

TEST_F(TextCatalogue, EveryNumberedTextTakesItsTableEntriesAndSlot17StaysEmpty)
{
    for (auto literals : {meldungsLiterals(), sysLiterals(), menueLiterals()}) {
        for (const TextLiteral& literal : literals) {
            const SprachText& text = texte.*literal.array;
            EXPECT_FALSE(text[0].isEmpty()) << "text " << literal.en;
            EXPECT_FALSE(text[1].isEmpty()) << "text " << literal.en;
            EXPECT_TRUE(text[17].isEmpty()) << "text " << literal.en;
            for (int sprache = 3; sprache <= 16; ++sprache) {
                const QString expected = literal.textNr == NoTextNumber
                    ? QString()
                    : idText((sprache - 3) * 1000 + literal.textNr)
                          + QString(appendedBlanks(sprache, literal.textNr), u' ');
                EXPECT_EQ(text[slot(sprache)], expected) << "text " << literal.en << ", language " << sprache;
            }
        }
    }
}

TEST_F(TextCatalogue, TextsWithOwnRules)
{
    // The report's order-code label shares text 131 and differs only in German.
    EXPECT_EQ(texte.Text_BestellNr[0], QStringLiteral("Bestellnummer:"));
    EXPECT_EQ(texte.Text_131[0], QStringLiteral("Bestell-Nr.:"));
    for (int sprache = 1; sprache <= 17; ++sprache)
        EXPECT_EQ(texte.Text_BestellNr[slot(sprache)], texte.Text_131[slot(sprache)]) << sprache;
    EXPECT_EQ(texte.Text_131[3], idText(131) + u' ');

    // The title takes text 500 in the table languages, with the one blank of Chinese, Korean, Japanese.
    EXPECT_EQ(texte.Titel_Text[3], idText(500) + u' ');
    EXPECT_EQ(texte.Titel_Text[4], idText(1500));
    EXPECT_EQ(texte.Titel_Text[15], idText(12500) + u' ');

    // Texts without a number: German and English only, resp. the three literal languages only.
    EXPECT_EQ(texte.Text_WordDokument[0], QStringLiteral("Word Dokument erstellen"));
    EXPECT_EQ(texte.Text_WordDokument[1], QStringLiteral("Create Word document"));
    EXPECT_TRUE(texte.Text_WordDokument[2].isEmpty());
    for (int sprache = 3; sprache <= 17; ++sprache) {
        EXPECT_TRUE(texte.Text_WordDokument[slot(sprache)].isEmpty()) << sprache;
        EXPECT_TRUE(texte.Text_GlobalStandard[slot(sprache)].isEmpty()) << sprache;
    }
}

TEST(TextCatalogueFillers, SysTexteRunsHeadingFillersThenMenuThenMainTexts)
{
    StringTableFixture fixture;
    fixture.writeAll(requiredTextNumbers());
    const StringTable table = fixture.load();
    Texte texte;
    std::vector<QString> calls;
    HeadingFillers headings;
    headings.Init_ZubehoerTexte = [&] {
        calls.push_back(QStringLiteral("Zubehoer"));
        EXPECT_TRUE(texte.Text_250[0].isEmpty()) << "menu texts filled before the headings";
        EXPECT_TRUE(texte.Titel_Text[0].isEmpty()) << "main texts filled before the headings";
    };
    headings.Init_UebersichtTexte = [&] { calls.push_back(QStringLiteral("Uebersicht")); };

    Init_SysTexte(texte, headings, table);

    EXPECT_EQ(calls, (std::vector<QString>{QStringLiteral("Zubehoer"), QStringLiteral("Uebersicht")}));
    EXPECT_EQ(texte.Text_250[1], QStringLiteral("Project"));
    EXPECT_EQ(texte.Text_520[1], QStringLiteral("A-Options"));
    EXPECT_TRUE(texte.Text_100[1].isEmpty()) << "messages belong to Init_MeldungsTexte";
}

TEST(TextCatalogueFillers, MissingEntriesLeaveEmptySlotsAndTheFillersGoOn)
{
    StringTableFixture fixture;
    const auto numbers = requiredTextNumbers();
    fixture.writeAll(numbers);
    fixture.writeAllExcept(numbers, 4, 131);   // Russian lacks text 131
    fixture.writeAllExcept(numbers, 10, 251);  // Czech lacks a menu text
    fixture.remove(3);                         // no Chinese file at all
    const StringTable table = fixture.load();
    Texte texte;

    Init_MeldungsTexte(texte, table);
    Init_SysTexte(texte, {}, table);

    // Chinese is the first table language: without its file no table slot gets filled.
    EXPECT_EQ(texte.Text_100[0], QStringLiteral("Aktuelles Projekt speichern?"));
    for (int sprache = 3; sprache <= 16; ++sprache)
        EXPECT_TRUE(texte.Text_100[slot(sprache)].isEmpty()) << sprache;

    // With the Chinese file present, the loss starts at the language that lacks the entry.
    fixture.writeAll(numbers);
    fixture.writeAllExcept(numbers, 4, 131);
    fixture.writeAllExcept(numbers, 10, 251);
    const StringTable partial = fixture.load();
    Texte again;
    Init_SysTexte(again, {}, partial);

    EXPECT_EQ(again.Text_131[3], idText(131) + u' ');
    for (int sprache = 4; sprache <= 16; ++sprache) {
        EXPECT_TRUE(again.Text_131[slot(sprache)].isEmpty()) << sprache;
        EXPECT_TRUE(again.Text_BestellNr[slot(sprache)].isEmpty()) << sprache;
    }
    EXPECT_EQ(again.Text_251[9], idText(6251));
    EXPECT_TRUE(again.Text_251[10].isEmpty());
    // The texts after the incomplete ones are complete.
    EXPECT_EQ(again.Text_140[4], idText(1140));
    EXPECT_EQ(again.Text_252[16], idText(13252));
}

} // namespace
} // namespace texts
