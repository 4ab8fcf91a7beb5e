// Switching the language on the real window: the number kept, the check mark, the character set,
// texts that only some languages have, and the result view that is redrawn.
#include "windowfixture.h"

#include "program/windowrules/menutree.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

using namespace ui;

namespace {

QStringList checkedLanguages(const Kelto_VX_Menu& w)
{
    QStringList on;
    for (const QString& key : sprachSchluessel())
        if (w.menuItem(key)->isChecked())
            on << key;
    return on;
}

} // namespace

TEST_F(WindowFixture, LanguageOutsideTheListBecomesEnglish)
{
    open();
    for (int sprache : {17, 99, -1, 32767}) {
        w->Sprache_setzen(3);
        w->Sprache_setzen(sprache);
        EXPECT_EQ(zustand->Texte.SprachNr, 1) << sprache;
        EXPECT_EQ(checkedLanguages(*w), QStringList{"Menu_Ex_Sp_Engl"}) << sprache;
        EXPECT_TRUE(config.settingsBytes().contains("Sprache=1\n")) << sprache;
        EXPECT_EQ(w->LA_T_in->text(), zustand->Texte.Text_141[1]);
    }
}

TEST_F(WindowFixture, StoredLanguage17StartsInEnglish)
{
    open(17);
    EXPECT_EQ(zustand->Texte.SprachNr, 1);
    EXPECT_EQ(checkedLanguages(*w), QStringList{"Menu_Ex_Sp_Engl"});
    EXPECT_EQ(w->CBox_Medium->itemText(0), zustand->KDatenStrukt.Medium_Liste[0].Name[1]);
    EXPECT_FALSE(w->CBox_Medium->itemText(0).isEmpty());
    EXPECT_TRUE(w->windowTitle().contains(zustand->Texte.Titel_Text[1].trimmed()));
    EXPECT_TRUE(config.settingsBytes().contains("Sprache=1\n"));
}

TEST_F(WindowFixture, EveryLanguageItsMarkCharacterSetAndTexts)
{
    open();
    const texts::Texte& t = zustand->Texte;
    const auto& keys = sprachSchluessel();
    for (int n = 0; n <= 16; ++n) {
        w->MenuBar1_ItemClick(keys[static_cast<std::size_t>(n)]);
        EXPECT_EQ(t.SprachNr, n);
        EXPECT_EQ(checkedLanguages(*w), QStringList{keys[static_cast<std::size_t>(n)]});
        EXPECT_TRUE(config.settingsBytes().contains(QStringLiteral("Sprache=%1\n").arg(n).toLatin1())) << n;
        const int charset = (n == 4 || n == 14) ? 204 : n == 5 ? 238 : n == 15 ? 128 : 0;
        EXPECT_EQ(t.FontCharset_akt, charset) << n;
        // The data-sheet hint exists in German and English only, the standard-program label in the
        // three built-in languages only.
        EXPECT_EQ(w->CB_Ergebnisdatei->toolTip().isEmpty(), n >= 2) << n;
        EXPECT_EQ(w->lb_StdProgram->text().isEmpty(), n >= 3) << n;
        // The exit item: caption, hint style 1, hint title and hint text, each a text of its own.
        const QAction* exit = w->menuItem("Progexit");
        EXPECT_EQ(exit->text(), t.Text_255[static_cast<std::size_t>(n)]);
        EXPECT_EQ(exit->statusTip(), t.Text_256[static_cast<std::size_t>(n)]) << n;
        EXPECT_EQ(exit->property(HintTitel).toString(), t.Text_255[static_cast<std::size_t>(n)]) << n;
        EXPECT_EQ(exit->property(HintText).toString(), t.Text_256[static_cast<std::size_t>(n)]) << n;
        EXPECT_EQ(exit->property(HintStil).toInt(), 1) << n;
        EXPECT_EQ(w->menuItem("Menu_EH_Q_lm")->text(), k().EH_Durchfluss_Namen[2][static_cast<std::size_t>(n)]);
        EXPECT_EQ(w->menuItem("Menu_EH_Temp_F")->text(), "Fahrenheit");
    }
}

TEST_F(WindowFixture, LanguageSwitchRedrawsTheOpenResultView)
{
    open();
    // The first heading of the overview grid, which only drawing the overview writes.
    const texts::SprachText& motor = zustand->KDaten_Uebers.UebersText_MotorVariante;
    const auto heading = [&] {
        const QTableWidgetItem* item = w->FG_Datenuebersicht->item(0, 0);
        return item != nullptr ? item->text() : QString();
    };
    w->SSTab1->setCurrentIndex(4);
    ASSERT_EQ(heading(), motor[0]);
    // Another tab open: the overview keeps its language until it is shown again.
    w->SSTab1->setCurrentIndex(0);
    w->Sprache_setzen(2);
    EXPECT_EQ(heading(), motor[0]);
    w->SSTab1->setCurrentIndex(4);
    EXPECT_EQ(heading(), motor[2]);
    // The overview open: redrawn in the new language at once.
    w->Sprache_setzen(1);
    EXPECT_EQ(heading(), motor[1]);
    EXPECT_EQ(w->SSTab1->tabText(4), zustand->Texte.Text_162[1]);
}
