// About box and progress window: the about text and its version numbers, the character set of
// the language, and a progress window that is painted before the work and gone after it, also
// when the work fails.
#include "program/texts/textcatalogue.h"
#include "program/ui/info2_frm.h"
#include "program/ui/info_progvers_frm.h"
#include "program/ui/info_zeichensatz.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(InfoFenster, CharacterSetOfEachLanguage)
{
    const std::pair<int, int> faelle[] = {{0, 0},   {1, 0},    {2, 0},   {3, 0},  {4, 204}, {5, 238},
                                          {13, 0},  {14, 204}, {15, 128}, {16, 0}, {17, 0},  {-1, 0}};
    for (const auto& [sprache, zeichensatz] : faelle)
        EXPECT_EQ(ui::Zeichensatz_der_Sprache(sprache), zeichensatz) << "language " << sprache;
}

TEST(InfoFenster, VersionNumbersInBrackets)
{
    EXPECT_EQ(ui::versionInKlammern({1, 4, 0}), QStringLiteral("(01.04.0000)"));
    EXPECT_EQ(ui::versionInKlammern({1, 4, 12}), QStringLiteral("(01.04.0012)"));
    EXPECT_EQ(ui::versionInKlammern({12, 0, 3456}), QStringLiteral("(12.00.3456)"));
    // The build's own numbers: the project is version 1.4.
    EXPECT_EQ(ui::buildVersion().major, 1);
    EXPECT_EQ(ui::buildVersion().minor, 4);
}

TEST(InfoFenster, AboutBoxShowsTitleVersionRightsAndNumbers)
{
    texts::Texte texte;
    texts::Init_MeldungsTexte(texte);
    texts::Init_SysTexte(texte);
    texte.SprachNr = 15;
    ui::Info_ProgVers_frm box(texte, {1, 4, 12});
    const QStringList zeilen = box.LA_Version->text().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 4);
    EXPECT_EQ(zeilen[0], texte.Titel_Text[15]);
    EXPECT_EQ(zeilen[1], QStringLiteral("V-1.4 i 10.06.2016"));
    EXPECT_TRUE(zeilen[2].contains(QStringLiteral("2016")));
    EXPECT_EQ(zeilen[3], QStringLiteral("(01.04.0012)"));
    EXPECT_EQ(box.fontCharset(), 128);

    box.show();
    QTest::mouseClick(box.KB_Okay, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);

    texte.SprachNr = 0;
    ui::Info_ProgVers_frm deutsch(texte, {1, 4, 0});
    EXPECT_EQ(deutsch.fontCharset(), 0);
    EXPECT_TRUE(deutsch.LA_Version->text().endsWith(QStringLiteral("(01.04.0000)")));
}

TEST(InfoFenster, ProgressWindowLivesExactlyAsLongAsTheWork)
{
    QPointer<ui::Info2_frm> fenster;
    {
        ui::Info2Anzeige anzeige(4, QStringLiteral("Dokument wird erstellt ..."));
        fenster = anzeige.fenster();
        ASSERT_TRUE(fenster);
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_FALSE(fenster->isModal());
        EXPECT_EQ(fenster->LA_InfoTxt->text(), QStringLiteral("Dokument wird erstellt ..."));
        EXPECT_EQ(fenster->fontCharset(), 204);
    }
    EXPECT_TRUE(!fenster || !fenster->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fenster);

    // A failing report closes it too.
    try {
        ui::Info2Anzeige anzeige(0, QStringLiteral("..."));
        fenster = anzeige.fenster();
        throw std::runtime_error("report failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(!fenster || !fenster->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fenster);

    // Shown twice between show and hide: one window with the newer text.
    ui::Info2Halter halter;
    halter.zeigen(15, QStringLiteral("eins"));
    fenster = halter.fenster();
    halter.zeigen(15, QStringLiteral("zwei"));
    EXPECT_EQ(halter.fenster(), fenster.data());
    EXPECT_EQ(fenster->LA_InfoTxt->text(), QStringLiteral("zwei"));
    EXPECT_EQ(fenster->fontCharset(), 128);
    halter.entladen();
    EXPECT_EQ(halter.fenster(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fenster);
}

} // namespace
