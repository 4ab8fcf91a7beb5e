// The heat-load dialogs as the user drives them: typing recomputes, corrected inputs are shown,
// the take-over hands exactly the shown load to the main window, and a dialog left by its close
// box leaves the operating point untouched.
#include "common/messages.h"
#include "common/recordingmessageboxes.h"
#include "program/app/unitnames.h"
#include "program/rating/units.h"
#include "program/texts/textcatalogue.h"
#include "program/ui/leistgvorg1_frm.h"
#include "program/ui/leistgvorg2_frm.h"
#include "testsupport.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <utility>
#include <gtest/gtest.h>

namespace {

struct LeistgVorgTest : ::testing::Test {
    texts::Texte texte;
    rating::KuehlerDaten k;
    common::RecordingMessageBoxes boxes;
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    int uebernahmen = 0;
    double kLeistungBeiUebernahme = -1;

    LeistgVorgTest()
    {
        texts::Init_MeldungsTexte(texte);
        texts::Init_SysTexte(texte);
        app::fillUnitNames(k, texte);
        k.T_Umgebung = 20;
        k.T_in = 60;
        k.Durchfluss = 100;
        k.T_out = 44;
        k.T_mittel = 52;
        k.cp_Medium = 2.0;
        k.Dichte_Medium = 860;
        k.RhoCp_Faktor = 0.0287;
        k.KLeistung = 3000;
    }

    ui::LeistgVorgBasis::Umgebung umgebung()
    {
        return {k, texte, boxes, locale, [this] {
                    ++uebernahmen;
                    kLeistungBeiUebernahme = k.KLeistung;
                }};
    }
    static ui::Stoffwertfunktionen fest() { return {[](double) { return 1.9; }, [](double) { return 870.0; }}; }

    static void tippe(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    // Types a tank test: volume, rise, time.
    static void tankTest(ui::LeistgVorg1_frm& dlg, const char* volumen, const char* anstieg, const char* zeit)
    {
        tippe(dlg.TB_Tankvolumen, QString::fromLatin1(volumen));
        tippe(dlg.TB_d_T, QString::fromLatin1(anstieg));
        tippe(dlg.TB_d_Zeit, QString::fromLatin1(zeit));
    }
    QString alsLeistung(double watt) const { return rating::Leistung_EH_anzeigen(k, watt, locale); }
    QString alsTemperatur(double celsius) const { return rating::Temp_EH_anzeigen(k, celsius, locale); }

    // The operating-point values a dialog may write, compared bit for bit.
    std::vector<double> betriebspunkt() const
    {
        return {k.T_out, k.T_mittel, k.cp_Medium, k.Dichte_Medium, k.RhoCp_Faktor, k.KLeistung};
    }
};

TEST_F(LeistgVorgTest, TankDialogComputesWhileTyping)
{
    ui::LeistgVorg1_frm dlg(umgebung());
    dlg.setStoffwerte(fest());
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), texte.Text_123[0]);
    EXPECT_EQ(dlg.LA_Volumen_EH->text(), texte.Text_414[0]);
    EXPECT_EQ(dlg.LA_Temp_EH[0]->text(), texte.Text_567[0]);
    EXPECT_EQ(dlg.LA_Leistung_EH[0]->text(), QStringLiteral("kW"));

    tippe(dlg.TB_Tankvolumen, QStringLiteral("100"));
    tippe(dlg.TB_d_T, QStringLiteral("10"));
    EXPECT_DOUBLE_EQ(dlg.gespeicherteLeistung(), 0); // time still empty: nothing computed
    tippe(dlg.TB_d_Zeit, QStringLiteral("10"));
    EXPECT_NEAR(dlg.gespeicherteLeistung(), 2755.0, 1e-9);
    EXPECT_EQ(dlg.TB_VLeistg->text(), alsLeistung(2755.0));

    // Time 0 is replaced by 0.1 minute, and the field says so.
    tippe(dlg.TB_d_Zeit, QStringLiteral("0"));
    EXPECT_EQ(dlg.TB_d_Zeit->text(), QStringLiteral("0.1"));
    EXPECT_NEAR(dlg.gespeicherteLeistung(), 275500.0, 1e-6);

    // A negative rise becomes 0, and so does the load.
    tippe(dlg.TB_d_Zeit, QStringLiteral("10"));
    tippe(dlg.TB_d_T, QStringLiteral("-5"));
    EXPECT_EQ(dlg.TB_d_T->text(), QStringLiteral("0"));
    EXPECT_EQ(dlg.gespeicherteLeistung(), 0);
    EXPECT_EQ(dlg.TB_VLeistg->text(), alsLeistung(0));

    // Text that is no number changes nothing.
    tippe(dlg.TB_d_T, QStringLiteral("10"));
    tippe(dlg.TB_Tankvolumen, QStringLiteral("x"));
    EXPECT_NEAR(dlg.gespeicherteLeistung(), 2755.0, 1e-9);
}

TEST_F(LeistgVorgTest, TankDialogReadsGallonsAndFahrenheitDifferences)
{
    k.EH_Durchfluss = rating::eh::Durchfluss_USgal_min;
    k.EH_Temp = rating::eh::Temp_F;
    ui::LeistgVorg1_frm dlg(umgebung());
    dlg.setStoffwerte(fest());
    dlg.show();
    EXPECT_EQ(dlg.LA_Volumen_EH->text(), QStringLiteral("Gallons"));
    EXPECT_EQ(dlg.LA_Temp_EH[0]->text(), texte.Text_568[0]);
    tankTest(dlg, "100", "18", "10"); // 18 °F of rise are 10 K
    EXPECT_NEAR(dlg.gespeicherteLeistung(), 870 * 1.9 * 378.5412 * 10 / 600.0, 1e-6);
}

TEST_F(LeistgVorgTest, TankTakeOverHandsOverExactlyTheShownLoad)
{
    k.EH_Leistung = rating::eh::Leistung_hp; // a unit whose rounded text would not read back exactly
    ui::LeistgVorg1_frm dlg(umgebung());
    dlg.setStoffwerte(fest());
    dlg.show();
    tankTest(dlg, "100", "10", "7");
    const double shown = dlg.gespeicherteLeistung();
    EXPECT_NEAR(shown, 870 * 1.9 * 100 * 10 / 420.0, 1e-9);
    QTest::mouseClick(dlg.CB_zurueck, Qt::LeftButton);
    EXPECT_EQ(uebernahmen, 1);
    EXPECT_EQ(kLeistungBeiUebernahme, shown); // bit-identical, not read back from the text
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_DOUBLE_EQ(k.T_mittel, 25);
    EXPECT_DOUBLE_EQ(k.cp_Medium, 1.9);
    EXPECT_DOUBLE_EQ(k.Dichte_Medium, 870);
    EXPECT_DOUBLE_EQ(k.RhoCp_Faktor, 870.0 / 1000 * 1.9 / 60);

    // Shown again, the inputs are still there; a volume of 0 shows 0 and hands over 0.
    dlg.show();
    EXPECT_EQ(dlg.TB_d_Zeit->text(), QStringLiteral("7"));
    tippe(dlg.TB_Tankvolumen, QStringLiteral("0"));
    EXPECT_EQ(dlg.TB_VLeistg->text(), alsLeistung(0));
    QTest::mouseClick(dlg.CB_zurueck, Qt::LeftButton);
    EXPECT_EQ(uebernahmen, 2);
    EXPECT_EQ(k.KLeistung, 0);
}

// Enter confirms a field and moves on, as in the main window. Pressing the default button instead
// would take a half-typed test over as a load of 0 and replace the main window's heat load.
TEST_F(LeistgVorgTest, EnterInAFieldMovesOnAndOnlyTheButtonTakesOver)
{
    ui::LeistgVorg1_frm dlg(umgebung());
    dlg.setStoffwerte(fest());
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    dlg.TB_Tankvolumen->setFocus();
    ASSERT_TRUE(dlg.TB_Tankvolumen->hasFocus());

    const std::pair<QLineEdit*, QWidget*> schritte[] = {
        {dlg.TB_Tankvolumen, dlg.TB_d_T}, {dlg.TB_d_T, dlg.TB_d_Zeit}, {dlg.TB_d_Zeit, dlg.CB_zurueck}};
    const char* eingaben[] = {"100", "10", "10"};
    for (std::size_t i = 0; i < 3; ++i) {
        QTest::keyClicks(schritte[i].first, QString::fromLatin1(eingaben[i]));
        QTest::keyClick(schritte[i].first, Qt::Key_Return);
        EXPECT_TRUE(schritte[i].second->hasFocus()) << "after field " << i;
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(uebernahmen, 0);
        EXPECT_EQ(k.KLeistung, 3000);
    }
    QTest::keyClick(dlg.CB_zurueck, Qt::Key_Return);
    EXPECT_EQ(uebernahmen, 1);
    EXPECT_NEAR(k.KLeistung, 2755.0, 1e-9);
    EXPECT_FALSE(dlg.isVisible());

    // The outlet dialog: Enter confirms the field (a temperature below ambient becomes ambient).
    ui::LeistgVorg2_frm dlg2(umgebung());
    dlg2.setStoffwerte(fest());
    dlg2.show();
    QApplication::setActiveWindow(&dlg2);
    dlg2.TB_T_out->setFocus();
    QTest::keyClicks(dlg2.TB_T_out, QStringLiteral("15"));
    QTest::keyClick(dlg2.TB_T_out, Qt::Key_Enter);
    EXPECT_TRUE(dlg2.CB_zurueck->hasFocus());
    EXPECT_EQ(dlg2.TB_T_out->text(), alsTemperatur(20));
    EXPECT_EQ(uebernahmen, 1);
    QTest::keyClick(dlg2.CB_zurueck, Qt::Key_Enter);
    EXPECT_EQ(uebernahmen, 2);
    EXPECT_EQ(k.KLeistung, dlg2.gespeicherteLeistung());
}

TEST_F(LeistgVorgTest, DialogsLeftByTheCloseBoxChangeNothing)
{
    const std::vector<double> vorher = betriebspunkt();
    {
        ui::LeistgVorg1_frm dlg(umgebung());
        dlg.setStoffwerte(fest());
        dlg.show();
        tankTest(dlg, "100", "10", "10");
        dlg.reject();
    }
    {
        ui::LeistgVorg2_frm dlg(umgebung());
        dlg.setStoffwerte(fest());
        dlg.show();
        tippe(dlg.TB_T_out, QStringLiteral("50"));
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(dlg.TB_T_out, &leave);
        dlg.reject();
    }
    const std::vector<double> nachher = betriebspunkt();
    ASSERT_EQ(vorher.size(), nachher.size());
    for (std::size_t i = 0; i < vorher.size(); ++i)
        EXPECT_EQ(std::memcmp(&vorher[i], &nachher[i], sizeof(double)), 0) << "value " << i;
    EXPECT_EQ(uebernahmen, 0);
}

TEST_F(LeistgVorgTest, OutletDialogComputesAndTakesOver)
{
    ui::LeistgVorg2_frm dlg(umgebung());
    dlg.setStoffwerte(fest());
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), texte.Text_124[0]);
    EXPECT_EQ(dlg.LA_T_out->text(), texte.Text_165[0]);
    tippe(dlg.TB_T_out, QStringLiteral("50"));
    EXPECT_NEAR(dlg.gespeicherteLeistung(), 27550.0, 1e-9);
    EXPECT_EQ(dlg.TB_VLeistg->text(), alsLeistung(27550.0));
    QTest::mouseClick(dlg.CB_zurueck, Qt::LeftButton);
    EXPECT_EQ(uebernahmen, 1);
    EXPECT_EQ(kLeistungBeiUebernahme, dlg.gespeicherteLeistung());
    EXPECT_DOUBLE_EQ(k.T_out, 50);
    EXPECT_DOUBLE_EQ(k.T_mittel, 55);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LeistgVorgTest, OutletDialogKeepsTheTemperatureBetweenAmbientAndInlet)
{
    ui::LeistgVorg2_frm dlg(umgebung());
    dlg.setStoffwerte(fest());
    dlg.show();
    // At or above the inlet temperature: the inlet temperature, and no load.
    tippe(dlg.TB_T_out, QStringLiteral("65"));
    EXPECT_EQ(dlg.TB_T_out->text(), alsTemperatur(60));
    EXPECT_EQ(dlg.gespeicherteLeistung(), 0);

    // Below ambient: computed with ambient at once, shown as ambient when the field is left.
    tippe(dlg.TB_T_out, QStringLiteral("15"));
    EXPECT_EQ(dlg.TB_T_out->text(), QStringLiteral("15"));
    EXPECT_NEAR(dlg.gespeicherteLeistung(), 40 * (100 / 60.0) * 870 * 1.9, 1e-9);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(dlg.TB_T_out, &leave);
    EXPECT_EQ(dlg.TB_T_out->text(), alsTemperatur(20));

    // Losing the focus to another window is no confirmation.
    tippe(dlg.TB_T_out, QStringLiteral("12"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(dlg.TB_T_out, &away);
    EXPECT_EQ(dlg.TB_T_out->text(), QStringLiteral("12"));
}

TEST_F(LeistgVorgTest, OutletTakeOverWithoutANumberFallsBackToAmbientAndSaysSo)
{
    texte.SprachNr = 15;
    ui::LeistgVorg2_frm dlg(umgebung());
    dlg.setStoffwerte(fest());
    dlg.show();
    EXPECT_EQ(dlg.fontCharset(), 128);
    QTest::mouseClick(dlg.CB_zurueck, Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, dlg.MSG_Text[15]);
    EXPECT_EQ(boxes.shown[0].style, common::mb::Information);
    EXPECT_EQ(dlg.TB_T_out->text(), alsTemperatur(20));
    const double expected = 40 * (100 / 60.0) * 870 * 1.9;
    EXPECT_NEAR(k.KLeistung, expected, 1e-9);
    EXPECT_EQ(k.KLeistung, dlg.gespeicherteLeistung());
    EXPECT_DOUBLE_EQ(k.T_out, 20);
    EXPECT_EQ(uebernahmen, 1);
}

TEST_F(LeistgVorgTest, OutletMessageExistsInEveryLanguage)
{
    ui::LeistgVorg2_frm dlg(umgebung());
    dlg.Init_Leistg2_MSG_Texte();
    EXPECT_EQ(dlg.MSG_Text[0], QStringLiteral("Ausgabe-Temperatur kleiner Umgebungs-Temperatur!!!"));
    EXPECT_EQ(dlg.MSG_Text[1], QStringLiteral("Out-Temperature less ambient temperature!!!"));
    for (int n = 0; n < 17; ++n)
        EXPECT_FALSE(dlg.MSG_Text[static_cast<std::size_t>(n)].isEmpty()) << "language " << n;
}

// With the medium's real properties, an oil temperature outside the specific-heat range is not
// reported on every keystroke; taking the result over reports it once.
TEST_F(LeistgVorgTest, PropertyWarningOnlyOnTakeOver)
{
    k.T_Umgebung = 320; // oil above 300 °C
    ui::LeistgVorg1_frm dlg(umgebung());
    dlg.show();
    tankTest(dlg, "100", "10", "10");
    EXPECT_GT(dlg.gespeicherteLeistung(), 0);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(k.Stoffwert_Fehler);
    QTest::mouseClick(dlg.CB_zurueck, Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, texte.Text_117[0]);
    EXPECT_EQ(uebernahmen, 1);
}

TEST_F(LeistgVorgTest, UnitChangedWhileHiddenIsShownOnTheNextShowing)
{
    ui::LeistgVorg1_frm dlg(umgebung());
    dlg.setStoffwerte(fest());
    dlg.show();
    tankTest(dlg, "100", "10", "10");
    dlg.hide();
    k.EH_Leistung = rating::eh::Leistung_BTU_h;
    k.EH_Temp = rating::eh::Temp_K;
    dlg.show();
    EXPECT_EQ(dlg.LA_Leistung_EH[0]->text(), QStringLiteral("BTU/h"));
    EXPECT_EQ(dlg.LA_Temp_EH[0]->text(), QStringLiteral("K"));
    EXPECT_EQ(dlg.TB_VLeistg->text(), alsLeistung(2755.0));
}

} // namespace
