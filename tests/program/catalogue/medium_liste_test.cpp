// The medium and oil-grade lists.
#include "program/catalogue/medium_liste.h"
#include "program/texts/textcatalogue.h"
#include <gtest/gtest.h>

using namespace catalogue;

TEST(MediumListe, NamesInEveryLanguageWithTheProgramsOwnFirstThree)
{
    texts::SprachText oel;
    texts::SprachText wasser;
    for (int i = 0; i < texts::SprachSlots; ++i) {
        oel[i] = QString("oil-%1").arg(i);
        wasser[i] = QString("wg-%1").arg(i);
    }
    KDatenStrukt ks;
    Init_MediumDaten(ks, oel, wasser);
    const char* oelDeEnFr[] = {"Oel", "oil", "huile"};
    const char* wgDeEnFr[] = {"Wasser/Glykol", "water/glykol", "eau/glykol"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ks.Medium_Liste[0].Name[i], oelDeEnFr[i]);
        EXPECT_EQ(ks.Medium_Liste[1].Name[i], wgDeEnFr[i]);
    }
    for (int i = 3; i <= 16; ++i) {
        EXPECT_EQ(ks.Medium_Liste[0].Name[i], oel[i]);
        EXPECT_EQ(ks.Medium_Liste[1].Name[i], wasser[i]);
    }
    EXPECT_TRUE(ks.Medium_Liste[0].Name[17].isEmpty());
    EXPECT_TRUE(ks.Medium_Liste[1].Name[17].isEmpty());
    // The position in the list is the medium code, the column of every performance table.
    EXPECT_EQ(ks.Medium_Liste[0].Code, 0);
    EXPECT_EQ(ks.Medium_Liste[1].Code, 1);
}

// After the program-wide texts are filled: every language slot 0..16 holds a name.
TEST(MediumListe, NamesFromTheProgramsTexts)
{
    texts::Texte texte;
    texts::Init_SysTexte(texte);
    KDatenStrukt ks;
    Init_MediumDaten(ks, texte);
    for (int i = 0; i <= 16; ++i) {
        EXPECT_EQ(ks.Medium_Liste[0].Name[i], texte.Text_173[i]) << i;
        EXPECT_EQ(ks.Medium_Liste[1].Name[i], texte.Text_174[i]) << i;
        EXPECT_FALSE(ks.Medium_Liste[0].Name[i].isEmpty()) << i;
        EXPECT_FALSE(ks.Medium_Liste[1].Name[i].isEmpty()) << i;
    }
    EXPECT_EQ(ks.Medium_Liste[0].Name[0], "Oel");
    EXPECT_EQ(ks.Medium_Liste[1].Name[1], "water/glykol");
}

TEST(MediumListe, SevenOilGradesInAscendingViscosity)
{
    KDatenStrukt ks;
    Init_OelSorten(ks);
    const char* namen[] = {"ISO VG32", "ISO VG46", "ISO VG68", "ISO VG100", "ISO VG150", "ISO VG220", "ISO VG320"};
    ASSERT_EQ(ks.OelSorten_Liste.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(ks.OelSorten_Liste[i].Name, namen[i]);
        EXPECT_EQ(ks.OelSorten_Liste[i].Code, i);
    }
}
