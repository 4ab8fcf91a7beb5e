#include "common/recordingmessageboxes.h"
#include "windowfixture.h"

#include "program/catalogue/kdaten_tab.h"
#include "program/ui/widgets/updown.h"
#include "tooltip/clsquickinfo.h"
#include "chart/control/widget.h"

#include <QAction>
#include <QFocusEvent>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QFile>
#include <QFileInfo>

using namespace ui;

TEST_F(WindowFixture, WorkedExample)
{
    open();
    referencePoint();
    const catalogue::KTabelle& dc = zustand->KDaten_Tab.KTab_DC_EU;
    EXPECT_EQ(k().Kuehler_Baureihe, catalogue::DC_12V);
    EXPECT_EQ(k().Typ_Index, 1);
    EXPECT_EQ(w->TB_Kuehlertyp->text(), catalogue::oelSatz(dc, 1).TypBez);
    EXPECT_NEAR(k().Abgef_Leistg, 6209.3, 0.1);
    EXPECT_EQ(w->TB_Abgef_Leistg->text(), "6.2");
    EXPECT_EQ(w->TB_T_out->text(), "55.6");
    EXPECT_EQ(w->TB_LeistgReserve->text(), "107.0");
    EXPECT_EQ(w->TB_DruckVerlust->text(), "585");
    EXPECT_FALSE(w->reserveIsRed());
    EXPECT_EQ(zustand->Menu.Iter_Zaehler, 3);
    EXPECT_NEAR(k().T_mittel_Ergebnis, 57.8247, 1e-3);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindowFixture, LoadSequenceControlsAndStartState)
{
    open();
    const QStringList& steps = w->loadSteps();
    const auto at = [&](const char* s) { return steps.indexOf(QString::fromLatin1(s)); };
    for (const char* s : {"Menues", "Einheiten", "Sprache", "Tabellen", "Katalog", "Titel", "Startfarben"})
        ASSERT_GE(at(s), 0) << s;
    EXPECT_LT(at("Menues"), at("Einheiten"));
    EXPECT_LT(at("Einheiten"), at("Sprache"));
    EXPECT_LT(at("Tabellen"), at("Katalog"));
    EXPECT_EQ(steps.last(), "Startfarben");
    EXPECT_TRUE(catalogue::oelSatz(zustand->KDaten_Tab.KTab_DC_EU, 1).isAvailable());
    EXPECT_TRUE(w->windowTitle().startsWith(zustand->Texte.Titel_Text[0])) << w->windowTitle().toStdString();

    // Every control under its name, with the expected kind.
    const char* edits[] = {"TB_KLeistung", "TB_Durchfluss", "TB_T_in", "TB_T_Umgebung", "TB_T_out", "TB_Abgef_Leistg",
        "TB_LeistgReserve", "TB_DruckVerlust", "tb_Noise", "TB_Kuehlertyp", "TB_Info", "TB_FanDrehzahl"};
    for (const char* n : edits)
        EXPECT_NE(w->findChild<QLineEdit*>(n), nullptr) << n;
    const char* frames[] = {"FR_Leistung", "Fr_FanTyp", "Fr_FanDC", "FR_FanAC", "FR_FanHC", "Frame2",
        "FR_Kuehlerdaten", "FR_GSP_Select"};
    for (const char* n : frames)
        EXPECT_NE(w->findChild<QGroupBox*>(n), nullptr) << n;
    const char* options[] = {"OBox_DCD", "OBox_AC", "OBox_HC", "OBox_12V", "OBox_24V", "OBox_AC_Optim", "OBox_AC_Rough",
        "OBox_AC_230_400", "OBox_AC_400_690", "OBox_HC_Optim", "OBox_HC_Rough", "OBox_Saugend", "OBox_drueckend"};
    for (const char* n : options)
        EXPECT_NE(w->findChild<QRadioButton*>(n), nullptr) << n;
    for (const char* n : {"CBox_Medium", "CBox_Medium_Typ", "CBox_Location"})
        EXPECT_NE(w->findChild<QComboBox*>(n), nullptr) << n;
    for (const char* n : {"CBox_AC_LowNoise", "CBox_Kuehler_autom"})
        EXPECT_NE(w->findChild<QCheckBox*>(n), nullptr) << n;
    for (const char* n : {"CB_Kuehler_suchen", "CB_Leistung_d_TempA", "CB_Leistung_T_out", "CB_Ergebnisdatei"})
        EXPECT_NE(w->findChild<QPushButton*>(n), nullptr) << n;
    for (const char* n : {"UpDn_Kuehlertyp", "UpDown_HydroRPM"})
        EXPECT_NE(w->findChild<UpDown*>(n), nullptr) << n;
    for (const char* n : {"FG_EinbauMasse", "FG_Datenuebersicht", "FG_ErsatzTeile"})
        EXPECT_NE(w->findChild<QTableWidget*>(n), nullptr) << n;
    for (const char* n : {"LA_T_in", "LA_T_Umgebung", "LA_Durchfluss", "LA_Medium_Subindex", "LA_Temp_EH_1", "LA_Temp_EH_2",
             "LA_Temp_EH_3", "LA_Q_EH_0", "LA_Leistung_EH_0", "LA_Leistung_EH_1", "LA_Druck_EH_0", "LA_Proz_EH_0", "LA_dB_1",
             "PicBox_VX_Typ", "Pic_Zeichnung", "lb_StdProgram", "LA_BestNr"})
        EXPECT_NE(w->findChild<QLabel*>(n), nullptr) << n;
    ASSERT_NE(w->findChild<vexachart::VexachartWidget*>("pChart"), nullptr);
    ASSERT_NE(w->findChild<vexachart::VexachartWidget*>("LChart"), nullptr);
    EXPECT_EQ(w->LChart->chart().FontTitle().pointSize(), 12);
    EXPECT_TRUE(w->pChart->chart().FontTitle().bold());
    EXPECT_EQ(w->pChart->chart().FontLabels().pointSize(), 11);
    ASSERT_NE(w->findChild<QTabWidget*>("SSTab1"), nullptr);
    EXPECT_EQ(w->SSTab1->count(), 5);

    // A new, empty project: fields empty, oil grades listed, no cooler, heat-load frame off.
    for (QLineEdit* f : {w->TB_KLeistung, w->TB_Durchfluss, w->TB_T_in, w->TB_T_Umgebung})
        EXPECT_TRUE(f->text().isEmpty());
    EXPECT_EQ(w->CBox_Medium->count(), 2);
    EXPECT_EQ(w->CBox_Medium_Typ->count(), 7);
    EXPECT_EQ(w->TB_Kuehlertyp->text(), "---");
    EXPECT_FALSE(w->FR_Leistung->isEnabled());
    EXPECT_FALSE(w->UpDn_Kuehlertyp->isEnabled());
    EXPECT_EQ(w->TB_FanDrehzahl->text(), "1000");
    EXPECT_FALSE(w->CBox_Location->isEnabled());
    EXPECT_TRUE(w->OBox_DCD->isChecked());
    EXPECT_EQ(w->bannerShown(), 101);
    EXPECT_TRUE(w->Fr_FanDC->isVisibleTo(w.get()));
    EXPECT_FALSE(w->FR_FanAC->isVisibleTo(w.get()));
    EXPECT_EQ(w->fanColour(), 0xBE7900u); // the base colour after the start colours
    EXPECT_EQ(w->captionColours().GradTitel_Aktiv1, 0xD8D8D8u);
    EXPECT_TRUE(w->menuItem("Menu_EH_Temp_C")->isChecked());
    EXPECT_TRUE(w->menuItem("Menu_Ex_Sp_dt")->isChecked());
    EXPECT_EQ(w->quickInfo()->ToolCount(), 1);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WindowFixture, RegionFromTheSettingsStaysForTheRun)
{
    open(1, true);
    EXPECT_TRUE(zustand->KDaten_Tab.Region_US);
    EXPECT_EQ(w->CBox_Location->currentIndex(), 1); // the list shows the region in use
    EXPECT_EQ(w->CBox_Location->currentText(), "US");
    EXPECT_FALSE(w->CBox_Location->isEnabled());
    EXPECT_EQ(k().EH_Temp, 0); // the default units until a project says otherwise
    EXPECT_EQ(k().EH_Durchfluss, 2);
    // The searches use the US tables.
    referencePoint();
    ASSERT_GE(k().Typ_Index, 0);
    EXPECT_EQ(w->TB_Kuehlertyp->text(), catalogue::oelSatz(zustand->KDaten_Tab.KTab_DC_US, k().Typ_Index).TypBez);
}

TEST_F(WindowFixture, SizeSpinnerStepsThroughNeighbours)
{
    open();
    referencePoint();
    const catalogue::KTabelle& dc = zustand->KDaten_Tab.KTab_DC_EU;
    ASSERT_EQ(k().Typ_Index, 1);
    w->UpDn_Kuehlertyp->downButton()->click();
    EXPECT_EQ(k().Typ_Index, 0);
    EXPECT_EQ(w->TB_Kuehlertyp->text(), catalogue::oelSatz(dc, 0).TypBez);
    EXPECT_EQ(w->TB_Abgef_Leistg->text(), "3.0"); // 2,966.8 W
    EXPECT_TRUE(w->TB_LeistgReserve->text().startsWith("-"));
    EXPECT_TRUE(w->reserveIsRed());
    w->UpDn_Kuehlertyp->downButton()->click();
    EXPECT_EQ(k().Typ_Index, 0);
    w->UpDn_Kuehlertyp->upButton()->click();
    w->UpDn_Kuehlertyp->upButton()->click();
    EXPECT_EQ(k().Typ_Index, 2);
    EXPECT_EQ(w->TB_Kuehlertyp->text(), catalogue::oelSatz(dc, 2).TypBez);
    EXPECT_FALSE(w->reserveIsRed());
    for (int i = 0; i < 20; ++i)
        w->UpDn_Kuehlertyp->upButton()->click();
    EXPECT_EQ(k().Typ_Index, k().Typ_MaxIndex);

    // Pushing airflow adds "B" to the type.
    w->OBox_drueckend->click();
    EXPECT_EQ(w->TB_Kuehlertyp->text(), catalogue::oelSatz(dc, k().Typ_MaxIndex).TypBez + "B");
}

TEST_F(WindowFixture, UnitSwitchesShowAndNeverMoveTheValues)
{
    open();
    referencePoint();
    type(w->TB_T_in, "80");
    const double tIn = k().T_in;
    const double flow = k().Durchfluss;
    const double last = k().KLeistung;
    ASSERT_EQ(tIn, 80.0);

    w->MenuBar1_ItemClick("Menu_EH_Temp_K");
    EXPECT_EQ(w->TB_T_in->text(), "353.2");
    EXPECT_EQ(w->LA_Temp_EH[1]->text(), "K");
    EXPECT_TRUE(w->menuItem("Menu_EH_Temp_K")->isChecked());
    EXPECT_FALSE(w->menuItem("Menu_EH_Temp_C")->isChecked());
    EXPECT_FALSE(w->menuItem("Menu_EH_Temp_F")->isChecked());
    w->MenuBar1_ItemClick("Menu_EH_Temp_F");
    EXPECT_EQ(w->TB_T_in->text(), "176.0");
    w->MenuBar1_ItemClick("Menu_EH_Temp_C");
    w->MenuBar1_ItemClick("Menu_EH_Temp_C");
    EXPECT_EQ(w->TB_T_in->text(), "80.0");

    // Flow in kg/s is shown at two decimals; confirming another field keeps the exact flow.
    w->MenuBar1_ItemClick("Menu_EH_Q_kgs");
    EXPECT_EQ(w->LA_Q_EH[0]->text(), "kg/s");
    type(w->TB_T_Umgebung, "30");
    EXPECT_EQ(k().Durchfluss, flow);
    EXPECT_EQ(k().T_in, tIn);
    w->MenuBar1_ItemClick("Menu_EH_Q_lm");
    EXPECT_EQ(w->TB_Durchfluss->text(), "50.0");

    // Power: the program's own one-decimal rewrites never feed back into the heat load.
    w->MenuBar1_ItemClick("Menu_EH_Leist_HP");
    EXPECT_TRUE(w->TB_Abgef_Leistg->text().isEmpty());
    type(w->TB_T_in, "80");
    w->MenuBar1_ItemClick("Menu_EH_Leist_kW");
    type(w->TB_T_in, "80");
    EXPECT_EQ(k().KLeistung, last);
    EXPECT_EQ(w->TB_KLeistung->text(), "3.0");

    // Out-of-range selectors fall back, in the caller's variable too.
    int q = 6, t = -1, p = 9;
    long l = -2;
    w->Q_EH_setzen(q);
    w->Temp_EH_setzen(t);
    w->Druck_EH_setzen(p);
    w->Leistg_EH_setzen(l);
    EXPECT_EQ(q, 2);
    EXPECT_EQ(t, 0);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(l, 0);
}

TEST_F(WindowFixture, UnitSwitchLeavesEmptyFieldsEmpty)
{
    open();
    w->MenuBar1_ItemClick("Menu_EH_Temp_K");
    w->MenuBar1_ItemClick("Menu_EH_Druck_psi");
    w->MenuBar1_ItemClick("Menu_EH_Q_gpm");
    for (QLineEdit* f : {w->TB_T_in, w->TB_T_Umgebung, w->TB_Durchfluss, w->TB_T_out, w->TB_DruckVerlust})
        EXPECT_TRUE(f->text().isEmpty()) << f->objectName().toStdString();
}

TEST_F(WindowFixture, FlowWarningsAtTheirBorders)
{
    open();
    referencePoint();
    const texts::Texte& t = zustand->Texte;
    // Row 1 carries 1 to 200 l/min; the size spinner keeps the row whatever the search chose.
    auto atRow1 = [&](const char* flow) {
        type(w->TB_Durchfluss, flow);
        while (k().Typ_Index > 1)
            w->UpDn_Kuehlertyp->downButton()->click();
        while (k().Typ_Index < 1)
            w->UpDn_Kuehlertyp->upButton()->click();
        ASSERT_DOUBLE_EQ(k().KErgebnis[1].Durchfluss_Max, 200.0);
    };
    atRow1("210");
    EXPECT_FALSE(w->TB_Info->isVisibleTo(w.get()));
    EXPECT_EQ(w->quickInfo()->ToolTipText(w->TB_Info), "");
    atRow1("210.5");
    EXPECT_TRUE(w->TB_Info->isVisibleTo(w.get()));
    EXPECT_EQ(w->TB_Info->text(), "Durchfluss zu hoch (Max. 200.0 l/min)");
    EXPECT_EQ(w->quickInfo()->ToolTipText(w->TB_Info), t.Text_180[0] + "\r\n" + t.Text_182[0] + "\r\n" + t.Text_183[0]);

    const double qMin = k().KErgebnis[1].Durchfluss_Min;
    ASSERT_GT(qMin, 0);
    atRow1(QByteArray::number(0.95 * qMin, 'g', 15).constData());
    EXPECT_FALSE(w->TB_Info->isVisibleTo(w.get()));
    atRow1(QByteArray::number(0.94 * qMin, 'g', 15).constData());
    EXPECT_TRUE(w->TB_Info->isVisibleTo(w.get()));
    EXPECT_TRUE(w->TB_Info->text().startsWith(t.Text_133[0]));
    EXPECT_TRUE(w->quickInfo()->ToolTipText(w->TB_Info).endsWith(t.Text_184[0]));
}

TEST_F(WindowFixture, NoCoolerStateNeverShowsAnEarlierResult)
{
    open();
    referencePoint();
    ASSERT_NE(w->TB_Kuehlertyp->text(), "---");
    // DC without a voltage: series 0, the DC banner, no result.
    w->OBox_12V->group()->setExclusive(false);
    w->OBox_12V->setChecked(false);
    w->OBox_12V->group()->setExclusive(true);
    w->CB_Kuehler_suchen->click();
    EXPECT_EQ(k().Kuehler_Baureihe, 0);
    EXPECT_EQ(w->bannerShown(), 101);
    const auto empty = [&] {
        EXPECT_EQ(w->TB_Kuehlertyp->text(), "---");
        for (QLineEdit* f : {w->TB_T_out, w->TB_Abgef_Leistg, w->TB_LeistgReserve, w->TB_DruckVerlust, w->tb_Noise})
            EXPECT_TRUE(f->text().isEmpty()) << f->objectName().toStdString();
        EXPECT_FALSE(w->UpDn_Kuehlertyp->isEnabled());
    };
    empty();
    // A result computation with no series (as a spinner click would run) stays in that state.
    w->KuehlerDaten_Ergebnis();
    empty();
    // So does a size beyond the table.
    w->OBox_12V->setChecked(true);
    w->CB_Kuehler_suchen->click();
    ASSERT_NE(w->TB_Kuehlertyp->text(), "---");
    k().Typ_Index = 99;
    w->KuehlerDaten_Ergebnis();
    empty();
    // A heat load of 0 disables the search and clears the result.
    w->CB_Kuehler_suchen->click();
    type(w->TB_KLeistung, "0");
    EXPECT_FALSE(w->CB_Kuehler_suchen->isEnabled());
    empty();
}

TEST_F(WindowFixture, WaterGlycolSelectsARealSize)
{
    open();
    pick(w->CBox_Medium, 1);
    EXPECT_EQ(w->CBox_Medium_Typ->count(), 1);
    EXPECT_EQ(w->CBox_Medium_Typ->itemText(0), "50/50");
    EXPECT_EQ(k().Medium_Typ, 1);
    EXPECT_EQ(k().Medium_Subindex, 0);
    pick(w->CBox_Medium_Typ, 0); // choosing the mixture again keeps sub-index 0
    EXPECT_EQ(k().Medium_Subindex, 0);
    type(w->TB_T_in, "60");
    type(w->TB_T_Umgebung, "30");
    type(w->TB_Durchfluss, "50");
    type(w->TB_KLeistung, "3");
    ASSERT_GE(k().Typ_Index, 0);
    EXPECT_NE(w->TB_Kuehlertyp->text(), "---");
    EXPECT_FALSE(w->TB_T_out->text().isEmpty());
    EXPECT_DOUBLE_EQ(k().DruckVerlust, 100 * k().KErgebnis[static_cast<std::size_t>(k().Typ_Index)].DruckWert);
    // Back to oil: the first grade.
    pick(w->CBox_Medium, 0);
    EXPECT_EQ(w->CBox_Medium_Typ->count(), 7);
    EXPECT_EQ(w->CBox_Medium_Typ->currentIndex(), 0);
}

TEST_F(WindowFixture, TemperatureMessageOncePerConfirmation)
{
    open();
    type(w->TB_Durchfluss, "50");
    type(w->TB_T_in, "30");
    boxes.clear();
    type(w->TB_T_Umgebung, "30");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, w->LA_T_Umgebung->text() + " > " + w->LA_T_in->text());
    EXPECT_FALSE(w->FR_Leistung->isEnabled());
    // Leaving the field without a new edit confirms nothing again.
    w->TB_Durchfluss->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(boxes.shown.size(), 1u);

    // An edit is confirmed by leaving the field, but not when a popup or another window takes the focus.
    w->TB_T_in->setFocus();
    QTest::keyClicks(w->TB_T_in, "5");
    const double before = k().T_in;
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(w->TB_T_in, &popup);
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(w->TB_T_in, &deactivated);
    EXPECT_EQ(k().T_in, before);
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w->TB_T_in, &tab);
    EXPECT_EQ(k().T_in, 305.0);
    EXPECT_TRUE(w->FR_Leistung->isEnabled());
}

TEST_F(WindowFixture, FieldsFilterTheirKeys)
{
    open();
    struct Case { QLineEdit* field; const char* keys; const char* result; };
    const Case cases[] = {
        {w->TB_T_in, "5a.2,", "5.2"},
        {w->TB_T_in, "-4", "4"},
        {w->TB_T_Umgebung, "-4", "-4"},
        {w->TB_Durchfluss, "1e3", "13"},
    };
    for (const Case& c : cases) {
        c.field->clear();
        c.field->setFocus();
        QTest::keyClicks(c.field, c.keys);
        EXPECT_EQ(c.field->text(), c.result) << c.keys;
    }
    w->TB_T_in->setText("5.2");
    w->TB_T_in->end(false);
    QTest::keyClick(w->TB_T_in, Qt::Key_Backspace);
    EXPECT_EQ(w->TB_T_in->text(), "5.");
}

TEST_F(WindowFixture, HydraulicSpeedFollowsTheSizeAndItsFlowLimits)
{
    open();
    referencePoint();
    w->OBox_HC->click();
    ASSERT_EQ(k().Kuehler_Baureihe, catalogue::Hydro_Optim);
    ASSERT_GE(k().Typ_Index, 0);
    const rating::KErgebnisSatz& e = k().KErgebnis[static_cast<std::size_t>(k().Typ_Index)];
    EXPECT_EQ(w->UpDown_HydroRPM->Min(), e.Drehzahl_Min);
    EXPECT_EQ(w->UpDown_HydroRPM->Max(), e.Drehzahl_Max);
    const int before = w->UpDown_HydroRPM->Value();
    EXPECT_GE(before, e.Drehzahl_Min);
    EXPECT_LE(before, e.Drehzahl_Max);
    if (before < e.Drehzahl_Max) {
        w->UpDown_HydroRPM->upButton()->click();
        EXPECT_EQ(zustand->KDaten_HC_Tab.Hydro_Drehzahl, before + 1);
        EXPECT_EQ(zustand->KDaten_HC_Tab.stufeInTabellenEU, before + 1);
        EXPECT_EQ(w->TB_FanDrehzahl->text(), QString::number((before + 2) * 500));
    }

    // A size whose highest flow depends on the step: the warning follows the step at once.
    const catalogue::KDaten_HC_Tab& hc = zustand->KDaten_HC_Tab;
    int row = -1, lo = -1, hi = -1;
    for (int r = 0; r <= 11 && row < 0; ++r) {
        const auto& steps = hc.HydroVarTab_Optim_EU[static_cast<std::size_t>(r)];
        for (int s = 1; s < catalogue::HydroStufen && row < 0; ++s)
            if (steps[s].isAvailable() && steps[s - 1].isAvailable() && steps[s].Q_max < steps[s - 1].Q_max) {
                row = r, lo = s - 1, hi = s;
            }
    }
    if (row < 0)
        GTEST_SKIP() << "no metric hydraulic size whose flow limit changes with the step";
    const double qHigh = hc.HydroVarTab_Optim_EU[static_cast<std::size_t>(row)][lo].Q_max;
    const double qLow = hc.HydroVarTab_Optim_EU[static_cast<std::size_t>(row)][hi].Q_max;
    const double flow = (qLow * 1.05 + qHigh * 1.05) / 2; // above the lower limit only
    type(w->TB_Durchfluss, QByteArray::number(flow, 'f', 1).constData());
    while (k().Typ_Index > row)
        w->UpDn_Kuehlertyp->downButton()->click();
    while (k().Typ_Index < row)
        w->UpDn_Kuehlertyp->upButton()->click();
    const auto stepTo = [&](int s) {
        while (w->UpDown_HydroRPM->Value() < s)
            w->UpDown_HydroRPM->upButton()->click();
        while (w->UpDown_HydroRPM->Value() > s)
            w->UpDown_HydroRPM->downButton()->click();
    };
    stepTo(lo);
    EXPECT_FALSE(w->TB_Info->isVisibleTo(w.get()));
    stepTo(hi);
    EXPECT_TRUE(w->TB_Info->isVisibleTo(w.get()));
    EXPECT_TRUE(w->TB_Info->text().contains(QString::number(qLow, 'f', 1))) << w->TB_Info->text().toStdString();
    stepTo(lo);
    EXPECT_FALSE(w->TB_Info->isVisibleTo(w.get()));
}

TEST_F(WindowFixture, DriveOptionsShowOneFrameAndTheirColours)
{
    open();
    struct Case { QRadioButton* option; QGroupBox* frame; common::ColourValue colour; };
    const Case cases[] = {{w->OBox_AC, w->FR_FanAC, 0x27A6EE}, {w->OBox_HC, w->FR_FanHC, 0xA08D89},
        {w->OBox_DCD, w->Fr_FanDC, 0xABA800}};
    for (const Case& c : cases) {
        c.option->click();
        for (QGroupBox* f : {w->Fr_FanDC, w->FR_FanAC, w->FR_FanHC})
            EXPECT_EQ(f->isVisibleTo(w.get()), f == c.frame) << f->objectName().toStdString();
        EXPECT_EQ(k().Farbe_Antrieb, c.colour);
        EXPECT_EQ(w->fanColour(), c.colour);
        EXPECT_EQ(k().Farbe_Titelleiste, 0xD8D8D8u);
        EXPECT_EQ(w->FR_Kuehlerdaten->palette().color(QPalette::Window),
            QColor(common::redOf(c.colour), common::greenOf(c.colour), common::blueOf(c.colour)));
    }
    w->OBox_AC->click();
    EXPECT_TRUE(w->FR_FanAC->title().endsWith(" (50Hz)"));
    // AC with low noise gives the low-noise series and its banner.
    w->OBox_AC->click();
    w->CBox_AC_LowNoise->click();
    EXPECT_EQ(k().Kuehler_Baureihe, catalogue::AC_Optim_LowNoise);
    EXPECT_EQ(w->bannerShown(), 102);
}

TEST_F(WindowFixture, MenuBarItemsAndExit)
{
    open();
    EXPECT_EQ(w->menuItem("ProjLoad")->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_EQ(w->menuItem("ProjSave")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(w->menuItem("Menu_DRK_Preview")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_FALSE(w->menuItem("ProjSave")->icon().isNull());
    for (int n = 1; n <= 9; ++n)
        EXPECT_FALSE(w->menuItem(QStringLiteral("Projekt%1").arg(n))->isEnabled());
    EXPECT_EQ(w->menuItem("Menu-Datei")->text(), zustand->Texte.Text_250[0]);

    // Later commands are handed on by name.
    w->menuItem("Menu_Ex_Opt")->trigger();
    EXPECT_EQ(commands, QStringList{"Optionen"});

    // Exit, Yes, but the project cannot be saved yet: the window stays.
    boxes.answers = {common::mb::Yes};
    w->menuItem("Progexit")->trigger();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, zustand->Texte.Text_100[0]);
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    // Exit, No: the windows close.
    boxes.answers = {common::mb::No};
    QPointer<Kelto_VX_Menu> alive(w.get());
    w->menuItem("Progexit")->trigger();
    EXPECT_FALSE(w->isVisible());
    w.release(); // the unload deletes the window
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST_F(WindowFixture, LanguageSwitchRelabels)
{
    open();
    w->MenuBar1_ItemClick("Menu_Ex_Sp_Japan");
    const texts::Texte& t = zustand->Texte;
    EXPECT_EQ(t.SprachNr, 15);
    EXPECT_EQ(t.FontCharset_akt, 128);
    EXPECT_TRUE(w->menuItem("Menu_Ex_Sp_Japan")->isChecked());
    EXPECT_FALSE(w->menuItem("Menu_Ex_Sp_dt")->isChecked());
    // Captions keep the blanks the Japanese texts carry at their end (5 and 12 here).
    EXPECT_EQ(w->LA_T_in->text(), t.Text_141[15]);
    EXPECT_TRUE(w->LA_T_in->text().endsWith(QString(5, u' '))) << w->LA_T_in->text().toStdString();
    EXPECT_FALSE(w->LA_T_in->text().trimmed().isEmpty());
    EXPECT_EQ(w->menuItem("Menu-Datei")->text(), t.Text_250[15]);
    EXPECT_TRUE(w->menuItem("Menu-Datei")->text().endsWith(QString(12, u' ')));
    EXPECT_EQ(w->SSTab1->tabText(0), t.Text_158[15]);
    EXPECT_TRUE(config.settingsBytes().contains("Sprache=15"));
}

TEST(WindowStart, UnusableDataFolderDoesNotStopTheStart)
{
    TempConfig config;
    QFile blocker(config.root() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    app::AppState start;
    start.Texte.SprachNr = 0;
    start.System.Init_aktiv = true;
    ui::Programmzustand z(start);
    common::RecordingMessageBoxes boxes;
    ui::Kelto_VX_Menu::testHooks = [&](ui::Kelto_VX_Menu& win) {
        win.wordCheck = [] {};
        win.dataFolderDefault = [&] { return config.root() + "/file/Kelto-Line/Data/"; };
    };
    ui::Kelto_VX_Menu win(z, boxes);
    ui::Kelto_VX_Menu::testHooks = nullptr;
    EXPECT_TRUE(z.Menu.datenordnerFehlt);
    EXPECT_EQ(start.System.Projekt_Pfad, config.root() + "/file/Kelto-Line/Data/");
    EXPECT_EQ(win.loadSteps().last(), "Startfarben");

    // A missing folder is created with its parent.
    app::AppState start2;
    start2.System.Init_aktiv = true;
    ui::Programmzustand z2(start2);
    ui::Kelto_VX_Menu::testHooks = [&](ui::Kelto_VX_Menu& win2) {
        win2.wordCheck = [] {};
        win2.dataFolderDefault = [&] { return config.root() + "/home/Kelto-Line/Data/"; };
    };
    ui::Kelto_VX_Menu win2(z2, boxes);
    ui::Kelto_VX_Menu::testHooks = nullptr;
    EXPECT_FALSE(z2.Menu.datenordnerFehlt);
    EXPECT_TRUE(QFileInfo(config.root() + "/home/Kelto-Line/Data").isDir());
}

TEST_F(WindowFixture, AutomaticSearchOnAnInvalidPointClearsAndStaysOff)
{
    open();
    referencePoint();
    w->CBox_Kuehler_autom->click();
    ASSERT_TRUE(zustand->Menu.Auto_Suche);
    ASSERT_NE(w->TB_Kuehlertyp->text(), "---");
    type(w->TB_Durchfluss, "0");
    EXPECT_FALSE(k().Eingabe_OK);
    EXPECT_EQ(w->TB_Kuehlertyp->text(), "---");
    EXPECT_TRUE(w->TB_T_out->text().isEmpty());
    EXPECT_FALSE(w->CB_Kuehler_suchen->isEnabled());
    EXPECT_FALSE(w->TB_Kuehlertyp->isEnabled());
    EXPECT_FALSE(w->UpDn_Kuehlertyp->isEnabled());
    // A valid flow brings the result back at once.
    type(w->TB_Durchfluss, "50");
    EXPECT_EQ(k().Typ_Index, 1);
    EXPECT_TRUE(w->CB_Kuehler_suchen->isEnabled());
    EXPECT_TRUE(w->UpDn_Kuehlertyp->isEnabled());
}

// The two separators above Exit are two lines, and the print and information titles of the menu
// bar show their picture beside their caption.
TEST_F(WindowFixture, MenuSeparatorsAndTitlePictures)
{
    open();
    QMenu* datei = w->menuItem("Menu-Datei")->menu();
    ASSERT_NE(datei, nullptr);
    datei->popup(QPoint(0, 0));
    QApplication::processEvents();
    const QList<QAction*> items = datei->actions();
    const qsizetype exit = items.indexOf(w->menuItem("Progexit"));
    ASSERT_GE(exit, 2);
    QAction* oben = items[exit - 2];
    QAction* unten = items[exit - 1];
    ASSERT_TRUE(oben->isSeparator() && unten->isSeparator());
    const QRect a = datei->actionGeometry(oben);
    const QRect b = datei->actionGeometry(unten);
    EXPECT_FALSE(a.isEmpty());
    EXPECT_FALSE(b.isEmpty());
    EXPECT_GE(b.top(), a.bottom());
    if (const QByteArray dir = qgetenv("KELTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
        datei->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/menu_projekt.png"));
        w->menuBar()->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/menubar.png"));
    }
    datei->hide();

    QMenuBar* bar = w->menuBar();
    for (const char* key : {"Menu_Drucken", "Menu-Info"}) {
        QAction* titel = w->menuItem(QString::fromLatin1(key));
        EXPECT_FALSE(titel->icon().isNull()) << key;
        // Wide enough for the picture and the caption side by side.
        const int text = bar->fontMetrics().size(Qt::TextShowMnemonic, titel->text()).width();
        const int bild = bar->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, bar);
        EXPECT_GE(bar->actionGeometry(titel).width(), text + bild) << key;
    }
    // The caption is really drawn: the title's picture differs from the picture alone.
    QAction* drucken = w->menuItem("Menu_Drucken");
    const QRect r = bar->actionGeometry(drucken);
    const QImage bild = bar->grab(r).toImage();
    const int bildBreite = bar->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, bar);
    int dunkel = 0; // text pixels right of the picture
    for (int x = r.width() / 2 + bildBreite / 2; x < bild.width(); ++x)
        for (int y = 0; y < bild.height(); ++y)
            dunkel += qGray(bild.pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(dunkel, 5);
}
