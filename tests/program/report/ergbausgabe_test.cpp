#include "program/report/ergbausgabe.h"
#include "testsupport.h"
#include <gtest/gtest.h>

TEST(MasseLegende, SkipsEmptyRowsButUsesUpTheirLetters)
{
    EXPECT_EQ(report::Masse_Legende_bilden(0, {QStringLiteral("420"), QStringLiteral("380"), QString(), QStringLiteral("12,5"), QString()}),
              QStringLiteral("A=420\r\nB=380\r\nD=12,5\r\n"));
    EXPECT_EQ(report::Masse_Legende_bilden(-1, {QStringLiteral("420")}), QString());
    EXPECT_EQ(report::Masse_Legende_bilden(3, {}), QString());

    QStringList alle;
    for (int r = 1; r <= 19; ++r)
        alle << QString::number(r);
    const QString legende = report::Masse_Legende_bilden(0, alle);
    QString buchstaben;
    for (const QString& zeile : legende.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        buchstaben += zeile.at(0);
    EXPECT_EQ(buchstaben, QStringLiteral("ABCDEFGHJKLMNOPQXYZ"));
    EXPECT_TRUE(legende.endsWith(QStringLiteral("Z=19\r\n")));
    EXPECT_EQ(report::masseBuchstabe(20), QChar(91));
}

TEST(WordOptionen, CaptionsInEveryLanguageLeaveTheFlagsAlone)
{
    report::ErgbAusgabe ergb;
    for (std::size_t k = 0; k < ergb.Word_Optionen.size(); ++k) {
        ergb.Word_Optionen[k].Flag = qint16(k % 2);
        ergb.Word_Optionen[k].Zusatz = QStringLiteral("alt");
    }
    report::Init_Word_Optionen_Texte(ergb);
    for (std::size_t k = 0; k < ergb.Word_Optionen.size(); ++k) {
        EXPECT_EQ(ergb.Word_Optionen[k].Flag, qint16(k % 2));
        EXPECT_TRUE(ergb.Word_Optionen[k].Zusatz.isEmpty());
        EXPECT_TRUE(ergb.Word_Optionen[k].Caption[17].isEmpty());
        for (int slot = 0; slot <= 16; ++slot)
            EXPECT_FALSE(ergb.Word_Optionen[k].Caption[std::size_t(slot)].isEmpty()) << k << " " << slot;
    }
    EXPECT_EQ(ergb.Word_Optionen[report::option::Ersatzteile].Caption[0], QStringLiteral("Zubehör/Ersatzteile"));
    EXPECT_EQ(ergb.Word_Optionen[report::option::Rahmen].Caption[2], QStringLiteral("Bordure de page"));
    // Slot 4 (Russian) of option 4 is string-table entry 1163, option 8's is 1206.
    EXPECT_EQ(ergb.Word_Optionen[report::option::Ersatzteile].Caption[4], texts::resString(1163));
    EXPECT_EQ(ergb.Word_Optionen[report::option::Rahmen].Caption[4], texts::resString(1206));
    EXPECT_EQ(ergb.Word_Optionen[report::option::Druckverlust].Caption[16], texts::resString(13267));

    // Without a string table the other languages show the English captions.
    report::Init_Word_Optionen_Texte(ergb, texts::StringTable::load(QStringLiteral("/nonexistent")));
    EXPECT_EQ(ergb.Word_Optionen[report::option::Fusszeile].Caption[9], QStringLiteral("Write Footer"));
}

TEST(Adressdaten, DealerTablesAndOutOfRangeIndex)
{
    report::ErgbAusgabe ergb;
    ergb.Haendler_EU.resize(7); // earlier content is discarded
    report::Init_Adressdaten(ergb);
    for (const auto* tabelle : {&ergb.Haendler_EU, &ergb.Haendler_US}) {
        ASSERT_EQ(tabelle->size(), 3u);
        const auto& keiner = (*tabelle)[0].Zeile;
        EXPECT_EQ(keiner[0], QStringLiteral("---"));
        EXPECT_EQ(keiner[2] + keiner[3] + keiner[5], QStringLiteral("---"));
        EXPECT_TRUE(keiner[1].isEmpty() && keiner[4].isEmpty() && keiner[6].isEmpty() && keiner[7].isEmpty() && keiner[8].isEmpty());
        EXPECT_FALSE((*tabelle)[1].Zeile[0].isEmpty());
        for (const QString& zeile : (*tabelle)[2].Zeile)
            EXPECT_TRUE(zeile.isEmpty());
    }
    EXPECT_EQ(ergb.Haendler_EU[1].Zeile, ergb.Haendler_US[1].Zeile);
    EXPECT_TRUE(ergb.Adresse_Stammhaus.Zeile[0].contains(QStringLiteral("\r\n")));
    EXPECT_TRUE(ergb.Adresse_Stammhaus.Zeile[1].isEmpty());
    EXPECT_FALSE(ergb.Adresse_US.Zeile[1].isEmpty());
    EXPECT_TRUE(ergb.Adresse_US.Zeile[4].isEmpty());

    for (const auto& [index, gueltig] : {std::pair{0, 0}, std::pair{2, 2}, std::pair{3, 0}, std::pair{7, 0}, std::pair{-1, 0}})
        EXPECT_EQ(report::gueltigerHaendlerIdx(ergb.Haendler_EU, index), gueltig) << index;
}
