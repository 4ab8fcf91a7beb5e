// Project names and file names: a project file always ends in ".tpj", the project's name is the
// whole file name without it, and no control character reaches a file name.
#include "program/project/projekt_befehle.h"

#include <gtest/gtest.h>

namespace project {
namespace {

TEST(ProjektName, IsTheWholeFileNameWithoutTpj)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"/d/Pump 3.5 kW.tpj", "Pump 3.5 kW"},
        {"/d/pump.v2.tpj", "pump.v2"},
        {"/d/pump", "pump"},           // an older file without the extension keeps its whole name
        {"/d/pump.v2", "pump.v2"},
        {"/d/Pump.TPJ", "Pump.TPJ"},   // only the program's own lowercase extension is taken off
        {"/d/a.tpj.tpj", "a.tpj"},
        {"pump.tpj", "pump"},
    };
    for (const auto& [pfad, name] : faelle)
        EXPECT_EQ(Projekt_NameAusPfad(QString::fromUtf8(pfad)), QString::fromUtf8(name)) << pfad;
}

TEST(ProjektName, DialogAnswerBecomesATpjFileWithoutControlCharacters)
{
    const std::pair<QString, QString> faelle[] = {
        // A dialog appends its default suffix only to a name without a dot.
        {"/d/Pump 3.5 kW", "/d/Pump 3.5 kW.tpj"},
        {"/d/pump.v2", "/d/pump.v2.tpj"},
        {"/d/pump.tpj", "/d/pump.tpj"},
        {"/d/Pump.TPJ", "/d/Pump.TPJ.tpj"},
        {"/d/pump", "/d/pump.tpj"},
        {QStringLiteral("/d/pump\a"), "/d/pump.tpj"},
        {QStringLiteral("/d/a\tb\nc\x7f\u0085.tpj"), "/d/abc.tpj"},
        {"/d/", "/d/.tpj"}, // no name: the cancel rule refuses it (shorter than 5 characters)
        {"", ""},
    };
    for (const auto& [antwort, datei] : faelle)
        EXPECT_EQ(Projekt_DateiAusAntwort(antwort), datei) << antwort.toStdString();
    EXPECT_TRUE(Dateidialog_abgebrochen(Projekt_DateiAusAntwort("/d/")));
    EXPECT_TRUE(Dateidialog_abgebrochen(Projekt_DateiAusAntwort(QStringLiteral("/d/\a"))));
    EXPECT_FALSE(Dateidialog_abgebrochen(Projekt_DateiAusAntwort("/d/p")));
}

TEST(ProjektName, ProposalLosesControlCharactersAndSlashes)
{
    const std::pair<QString, QString> faelle[] = {
        {QStringLiteral("pump\a"), "pump"},
        {QStringLiteral("\tHalle 3/Linie 2\r\n"), "Halle 3Linie 2"},
        {"Pump 3.5 kW", "Pump 3.5 kW"},
        {QStringLiteral("\a/ "), ""},
    };
    for (const auto& [eingabe, vorschlag] : faelle)
        EXPECT_EQ(Projekt_NameVorschlag(eingabe), vorschlag) << eingabe.toStdString();
}

} // namespace
} // namespace project
