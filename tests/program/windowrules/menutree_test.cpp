#include "program/windowrules/menutree.h"

#include "program/texts/textliterals.h"
#include <QSet>
#include <gtest/gtest.h>

using namespace ui;

TEST(MenuDispatch, KeysMapToTheirCommands)
{
    struct Case { const char* key; Befehl b; int arg; };
    const Case cases[] = {
        {"Menu_EH_Q_kgs", Befehl::Durchfluss, 0}, {"Menu_EH_Q_ls", Befehl::Durchfluss, 1},
        {"Menu_EH_Q_lm", Befehl::Durchfluss, 2},  {"Menu_EH_Q_lh", Befehl::Durchfluss, 3},
        {"Menu_EH_Q_kgh", Befehl::Durchfluss, 4}, {"Menu_EH_Q_gpm", Befehl::Durchfluss, 5},
        {"Menu_EH_Druck_pa", Befehl::Druck, 0},   {"Menu_EH_Druck_mbar", Befehl::Druck, 1},
        {"Menu_EH_Druck_mmHg", Befehl::Druck, 2}, {"Menu_EH_Druck_mmWS", Befehl::Druck, 3},
        {"Menu_EH_Druck_psi", Befehl::Druck, 4},  {"Menu_EH_Druck_bar", Befehl::Druck, 5},
        {"Menu_EH_Temp_K", Befehl::Temperatur, 2}, {"Menu_EH_Leist_HP", Befehl::Leistung, 3},
        {"Menu_EH_Leist_kch", Befehl::Leistung, 1},
        {"Menu_Ex_Sp_dt", Befehl::Sprache, 0},    {"Menu_Ex_Sp_Fran", Befehl::Sprache, 2},
        {"Menu_Ex_Sp_China", Befehl::Sprache, 3}, {"Menu_Ex_Sp_Russisch", Befehl::Sprache, 4},
        {"Menu_Ex_Sp_Korea", Befehl::Sprache, 12}, {"Menu_Ex_Sp_NL", Befehl::Sprache, 13},
        {"Menu_Ex_Sp_Japan", Befehl::Sprache, 15}, {"Menu_Ex_Sp_Swed", Befehl::Sprache, 16},
        {"Projekt7", Befehl::ProjektListe, 7},    {"ProjNeu", Befehl::ProjektNeu, 0},
        {"Progexit", Befehl::Beenden, 0},         {"Menu_DRK_Preview", Befehl::Datenblatt, 0},
        {"Menu_DRK_Drk_Diagramm", Befehl::DruckDiagramm, 0}, {"Menu_DRK_Lstg_Diagramm", Befehl::LeistungDiagramm, 0},
        {"Menu_In_Descript", Befehl::Beschreibung, 0},
        {"Menu_EH_Q", Befehl::Keiner, 0},         {"Menu-Datei", Befehl::Keiner, 0},
        {"menu_ex_sp_dt", Befehl::Keiner, 0},     {"", Befehl::Keiner, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(befehlFuer(QString::fromLatin1(c.key)), (MenuBefehl{c.b, c.arg})) << c.key;
}

TEST(MenuTree, ShapeOfTheTree)
{
    const auto& baum = menuBaum();
    QSet<QString> keys;
    QStringList tops;
    QStringList languages;
    int recent = 0;
    for (const MenuEintrag& e : baum) {
        if (!e.key.isEmpty()) {
            EXPECT_FALSE(keys.contains(e.key)) << e.key.toStdString();
            keys.insert(e.key);
        }
        if (!e.parent.isEmpty()) {
            EXPECT_TRUE(keys.contains(e.parent)) << "parent before child: " << e.key.toStdString();
        }
        if (e.parent.isEmpty())
            tops << e.key;
        if (e.parent == QLatin1String("Menu_Ex_Sp"))
            languages << (e.key.isEmpty() ? QStringLiteral("-") : e.caption);
        if (e.key.startsWith(QLatin1String("Projekt")) && e.key.size() == 8) {
            ++recent;
            EXPECT_FALSE(e.enabled);
        }
    }
    EXPECT_EQ(tops, (QStringList{"Menu-Datei", "Menu-Einheiten", "Menu_Drucken", "Menu-Extras", "Menu-Info"}));
    EXPECT_EQ(recent, 9);
    EXPECT_EQ(languages, (QStringList{"Deutsch", "English", "Français", "Russian", "Polish", "Finnish", "Español",
                             "Italiano", "Portuguese", "Czech", "Turkish", "Dutch", "Bulgarian", "Swedish", "-",
                             "Chinese", "Korean", "Japanese"}));
    // Every command key of the dispatch exists in the tree.
    for (const QString& k : sprachSchluessel())
        EXPECT_TRUE(keys.contains(k)) << k.toStdString();
    for (int g = 0; g < 4; ++g)
        for (const QString& k : einheitSchluessel(g))
            EXPECT_TRUE(keys.contains(k)) << k.toStdString();
}

TEST(MenuTree, EveryTextNumberNamesAMenuText)
{
    // The language switch sets the captions from these numbers; a number without a menu text
    // would leave its item in the start language.
    const texts::Texte t;
    int numbered = 0;
    for (const ui::MenuEintrag& e : ui::menuBaum()) {
        if (e.textNr == 0)
            continue;
        ++numbered;
        EXPECT_NE(texts::menueText(t, static_cast<qint16>(e.textNr)), nullptr) << e.key.toStdString();
    }
    EXPECT_GT(numbered, 0);
}
