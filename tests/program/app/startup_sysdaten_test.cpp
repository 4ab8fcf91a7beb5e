#include "platform/tempconfig.h"
#include "program/app/startup_sysdaten.h"
#include "program/texts/settings.h"
#include <gtest/gtest.h>

namespace {

// Runs Init_SysDaten over a settings file with the given lines in the given locale.
app::AppState startWith(const QByteArray& file, const QLocale& locale = QLocale(QLocale::English))
{
    TempConfig env;
    if (!file.isNull())
        env.writeSettings(file);
    app::AppState state;
    app::Init_SysDaten(state, locale);
    return state;
}

QByteArray sysDaten(const QByteArray& line)
{
    return "[SysDaten]\n" + line + "\n";
}

} // namespace

TEST(Sprache_ermitteln, LocaleLanguageNamesMapToLanguageIndices)
{
    const std::pair<QLocale::Language, qint16> cases[] = {
        {QLocale::German, 0},    {QLocale::English, 1},   {QLocale::French, 2},   {QLocale::Chinese, 3},
        {QLocale::Russian, 4},   {QLocale::Polish, 5},    {QLocale::Finnish, 6},  {QLocale::Spanish, 7},
        {QLocale::Italian, 8},   {QLocale::Portuguese, 9}, {QLocale::Czech, 10},  {QLocale::Turkish, 11},
        {QLocale::Korean, 12},   {QLocale::Bulgarian, 14}, {QLocale::Japanese, 15},
        {QLocale::Dutch, 1},     {QLocale::Swedish, 1},   {QLocale::C, 1},        {QLocale::Greek, 1},
    };
    for (const auto& [language, index] : cases)
        EXPECT_EQ(app::Sprache_ermitteln(QLocale(language)), index) << QLocale::languageToString(language).toStdString();
}

TEST(Init_SysDaten, StoredLanguage)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale dottedJapanese(QLocale::Japanese, QLocale::Japan);
    struct Case {
        QByteArray file;
        QLocale locale;
        qint16 expected;
    };
    const Case cases[] = {
        {QByteArray(), german, 0},                  // no settings file: the locale's language
        {sysDaten("Region=EU"), german, 0},         // key absent
        {sysDaten("Sprache="), german, 0},          // empty
        {sysDaten("Sprache=-1"), german, 0},
        {sysDaten("Sprache=-1"), QLocale(QLocale::Dutch), 1},
        {sysDaten("Sprache=abc"), german, 1},
        {sysDaten("Sprache=20"), german, 1},
        {sysDaten("Sprache=-2"), german, 1},
        {sysDaten("Sprache=17"), german, 17},       // made English by the language switch later
        {sysDaten("Sprache=99999"), german, 1},     // beyond 16 bits: English
        {sysDaten("Sprache=1e300"), german, 1},
        {sysDaten("Sprache=13"), german, 13},
        {sysDaten("Sprache=2.5"), dottedJapanese, 2}, // halves to the even neighbour
        {sysDaten("Sprache=3.5"), dottedJapanese, 4},
        {sysDaten("Sprache=3,5"), german, 4},
        {sysDaten("Sprache= 4 "), german, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(startWith(c.file, c.locale).Texte.SprachNr, c.expected) << c.file.constData();
}

TEST(Init_SysDaten, ABadLanguageDoesNotStopTheOtherKeys)
{
    const app::AppState s = startWith("[SysDaten]\nSprache=99999\nUserPath=/home/u/data/\nDokVorlage=/t/a.dotx\n"
                                        "UseVorlage=1\nRegion=US\n[UserInfo]\nFirma=Acme GmbH\nWeb=www.acme.example\n"
                                        "[Projekte]\nName1=/p/Pump3.tpj\n");
    EXPECT_EQ(s.Texte.SprachNr, 1);
    EXPECT_EQ(s.System.Projekt_Pfad, QStringLiteral("/home/u/data/"));
    EXPECT_EQ(s.System.Vorlage_Datei, QStringLiteral("/t/a.dotx"));
    EXPECT_TRUE(s.System.Vorlage_benutzen);
    EXPECT_TRUE(s.KDaten_Tab.Region_US);
    EXPECT_EQ(s.System.User_Firma, QStringLiteral("Acme GmbH"));
    EXPECT_EQ(s.System.User_Web, QStringLiteral("www.acme.example"));
    EXPECT_EQ(s.System.Projekt_Name, QStringLiteral("Pump3"));
}

TEST(Init_SysDaten, MinimumLengthsOfTakenValues)
{
    EXPECT_EQ(startWith(sysDaten("UserPath=/")).System.Projekt_Pfad, QString());
    EXPECT_EQ(startWith(sysDaten("UserPath=/d")).System.Projekt_Pfad, QStringLiteral("/d"));
    EXPECT_EQ(startWith(sysDaten("DokVorlage=.dot")).System.Vorlage_Datei, QString());
    EXPECT_EQ(startWith(sysDaten("DokVorlage=a.dot")).System.Vorlage_Datei, QStringLiteral("a.dot"));
    // Every address key: one character is ignored, two are taken.
    const char* keys[] = {"Firma", "Abteilung", "Vorname", "Name", "Strasse", "PCode",
                          "Ort", "Land", "Tel", "Fax", "Email", "Web"};
    QByteArray shortFile = "[UserInfo]\n";
    QByteArray longFile = "[UserInfo]\n";
    for (const char* key : keys) {
        shortFile += QByteArray(key) + "=x\n";
        longFile += QByteArray(key) + "=" + QByteArray(key).left(2) + "\n";
    }
    const texts::System shortOnes = startWith(shortFile).System;
    const texts::System longOnes = startWith(longFile).System;
    const QString texts::System::*fields[] = {
        &texts::System::User_Firma, &texts::System::User_Abteilung, &texts::System::User_Vorname,
        &texts::System::User_Name,  &texts::System::User_Strasse,   &texts::System::User_PCode,
        &texts::System::User_Ort,   &texts::System::User_Land,      &texts::System::User_Tel,
        &texts::System::User_Fax,   &texts::System::User_Email,     &texts::System::User_Web,
    };
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        EXPECT_EQ(shortOnes.*fields[i], QString()) << keys[i];
        EXPECT_EQ(longOnes.*fields[i], QString::fromLatin1(keys[i]).left(2)) << keys[i];
    }
}

TEST(Init_SysDaten, SwitchesRegionAndDealerIndices)
{
    for (const char* off : {"0", "2", "true", "", "01", "1.0"}) {
        const app::AppState s =
            startWith(QByteArray("[SysDaten]\nUseVorlage=") + off + "\nSW_Graphik=" + off + "\nDealerFlag=" + off + "\n");
        EXPECT_FALSE(s.System.Vorlage_benutzen || s.System.SW_Graphik_Flag || s.Haendler_drucken) << off;
    }
    const app::AppState on = startWith("[SysDaten]\nUseVorlage=1\nSW_Graphik=1\nDealerFlag=1\n");
    EXPECT_TRUE(on.System.Vorlage_benutzen && on.System.SW_Graphik_Flag && on.Haendler_drucken);

    EXPECT_TRUE(startWith(sysDaten("Region=US")).KDaten_Tab.Region_US);
    for (const char* region : {"us", "EU", "", "USA"})
        EXPECT_FALSE(startWith(sysDaten(QByteArray("Region=") + region)).KDaten_Tab.Region_US) << region;

    const std::pair<const char*, qint16> dealers[] = {{"1", 1}, {"2", 2}, {"0", 0}, {"7", 0}, {"x", 0}, {"", 0}, {"-1", 0}};
    for (const auto& [stored, index] : dealers) {
        const app::AppState s = startWith(QByteArray("[SysDaten]\nDealerUSIdx=") + stored + "\nDealerEUIdx=" + stored + "\n");
        EXPECT_EQ(s.Haendler_US_Idx, index) << stored;
        EXPECT_EQ(s.Haendler_EU_Idx, index) << stored;
    }
}

TEST(Init_SysDaten, ProjectNameIsTheFileNameWithoutTpj)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/data/Pump3.tpj", "Pump3"},
        {"/home/u/Proj.2024/Pump3.tpj", "Pump3"},
        {"/data/pump.v2.tpj", "pump.v2"},
        {"/data/Pump 3.5 kW.tpj", "Pump 3.5 kW"},
        {"/data/Pump3", "Pump3"},
        {"/data/pump.v2", "pump.v2"}, // an older file without the extension keeps its whole name
        {"Pump3.tpj", "Pump3"},
    };
    for (const auto& [file, name] : cases) {
        const app::AppState s = startWith(QByteArray("[Projekte]\nName1=") + file + "\n");
        EXPECT_EQ(s.System.Projekt_File, QString::fromUtf8(file));
        EXPECT_EQ(s.System.Projekt_Name, QString::fromUtf8(name)) << file;
    }
    const app::AppState none = startWith("[Projekte]\nName1=\nName2=/data/Old.tpj\n");
    EXPECT_EQ(none.System.Projekt_File, QString());
    EXPECT_EQ(none.System.Projekt_Name, QString());
}

TEST(Init_SysDaten, NoSettingsFileLeavesEverythingAtItsStart)
{
    const app::AppState s = startWith(QByteArray(), QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(s.Texte.SprachNr, 1);
    EXPECT_FALSE(s.KDaten_Tab.Region_US || s.Haendler_drucken || s.System.Vorlage_benutzen || s.System.SW_Graphik_Flag);
    EXPECT_EQ(s.Haendler_US_Idx, 0);
    EXPECT_TRUE(s.System.Projekt_Pfad.isEmpty() && s.System.Vorlage_Datei.isEmpty() && s.System.User_Firma.isEmpty()
                && s.System.Projekt_File.isEmpty() && s.System.Projekt_Name.isEmpty());
}

TEST(Init_SysDaten, SettingsFileWithCarriageReturnLineEnds)
{
    // A settings file saved by an editor that ends lines with CR alone: every key is read at
    // start-up, and a setting changed later is found by the next start.
    TempConfig env;
    env.writeSettings("[SysDaten]\rSprache=2\rRegion=US\r[UserInfo]\rFirma=Acme GmbH\r[Projekte]\rName1=/p/Pump3.tpj\r");
    app::AppState first;
    app::Init_SysDaten(first, QLocale(QLocale::German));
    EXPECT_EQ(first.Texte.SprachNr, 2);
    EXPECT_TRUE(first.KDaten_Tab.Region_US);
    EXPECT_EQ(first.System.User_Firma, QStringLiteral("Acme GmbH"));
    EXPECT_EQ(first.System.Projekt_Name, QStringLiteral("Pump3"));

    texts::INI_schreiben(first.System, QStringLiteral("Sprache"), QStringLiteral("0"), texts::ini::SysDaten);
    texts::INI_schreiben(first.System, QStringLiteral("DealerFlag"), QStringLiteral("1"), texts::ini::SysDaten);
    app::AppState next;
    app::Init_SysDaten(next, QLocale(QLocale::French));
    EXPECT_EQ(next.Texte.SprachNr, 0);
    EXPECT_TRUE(next.Haendler_drucken);
    EXPECT_TRUE(next.KDaten_Tab.Region_US);
    EXPECT_EQ(env.settingsBytes(), QByteArray("[SysDaten]\rSprache=0\rRegion=US\rDealerFlag=1\r[UserInfo]\rFirma=Acme GmbH\r"
                                              "[Projekte]\rName1=/p/Pump3.tpj\r"));
}
