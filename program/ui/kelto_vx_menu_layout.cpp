// The window design: every control under its name, in layouts, with a sensible tab order.
// Captions here are the German design texts; the language switch replaces them.
#include "program/ui/kelto_vx_menu.h"
#include "program/ui/widgets/updown.h"
#include "chart/control/widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

template <typename W>
W* named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text)
{
    return named(new QLabel(text, parent), name);
}

QLineEdit* field(QWidget* parent, const QString& name, bool readOnly)
{
    auto* e = named(new QLineEdit(parent), name);
    e->setReadOnly(readOnly);
    e->setMinimumWidth(90);
    if (readOnly)
        e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QTableWidget* grid(QWidget* parent, const QString& name, int rows)
{
    auto* g = named(new QTableWidget(rows, 2, parent), name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->horizontalHeader()->setStretchLastSection(true);
    // The code moves the current cell while it fills a grid; the view stays at the top, so the
    // heading row and the first values remain in sight.
    g->setAutoScroll(false);
    // Rows as tall as their text needs: the whole grid fits its tab without scrolling.
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 8);
    g->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return g;
}

} // namespace

void Kelto_VX_Menu::createControls()
{
    setObjectName(QStringLiteral("Kelto_VX_Menu"));
    zentral = named(new QWidget(this), QStringLiteral("zentral"));
    zentral->setAutoFillBackground(true);
    setCentralWidget(zentral);

    // ---- selection side ----
    FR_GSP_Select = named(new QGroupBox(zentral), QStringLiteral("FR_GSP_Select"));
    FR_GSP_Select->setAutoFillBackground(true);
    lb_StdProgram = label(FR_GSP_Select, QStringLiteral("lb_StdProgram"), QStringLiteral("Standardprogramm"));
    lb_StdProgram->setAutoFillBackground(true);
    lb_StdProgram->setAlignment(Qt::AlignCenter);
    PicBox_VX_Typ = label(FR_GSP_Select, QStringLiteral("PicBox_VX_Typ"), {});
    PicBox_VX_Typ->setFixedHeight(44);
    PicBox_VX_Typ->setAlignment(Qt::AlignCenter);
    auto* selTop = new QVBoxLayout(FR_GSP_Select);
    selTop->addWidget(lb_StdProgram);
    selTop->addWidget(PicBox_VX_Typ);

    auto* inputs = named(new QGroupBox(zentral), QStringLiteral("FR_Eingaben"));
    inputs->setAutoFillBackground(true);
    auto* g = new QGridLayout(inputs);
    LA_Medium = label(inputs, QStringLiteral("LA_Medium"), QStringLiteral("Medium"));
    CBox_Medium = named(new QComboBox(inputs), QStringLiteral("CBox_Medium"));
    LA_Medium_Subindex = label(inputs, QStringLiteral("LA_Medium_Subindex"), QStringLiteral("Öl"));
    CBox_Medium_Typ = named(new QComboBox(inputs), QStringLiteral("CBox_Medium_Typ"));
    auto* laLocation = label(inputs, QStringLiteral("LA_Location"), QStringLiteral("50 Hz / 60 Hz"));
    CBox_Location = named(new QComboBox(inputs), QStringLiteral("CBox_Location"));
    CBox_Location->addItems({QStringLiteral("Europe"), QStringLiteral("US")});
    LA_Durchfluss = label(inputs, QStringLiteral("LA_Durchfluss"), QStringLiteral("Öl-Durchfluss"));
    TB_Durchfluss = field(inputs, QStringLiteral("TB_Durchfluss"), false);
    LA_Q_EH[0] = label(inputs, QStringLiteral("LA_Q_EH_0"), QStringLiteral("l/min"));
    LA_T_in = label(inputs, QStringLiteral("LA_T_in"), QStringLiteral("Öl-Eintrittstemperatur"));
    TB_T_in = field(inputs, QStringLiteral("TB_T_in"), false);
    LA_Temp_EH[1] = label(inputs, QStringLiteral("LA_Temp_EH_1"), QStringLiteral("°C"));
    LA_T_Umgebung = label(inputs, QStringLiteral("LA_T_Umgebung"), QStringLiteral("Umgebungstemperatur"));
    TB_T_Umgebung = field(inputs, QStringLiteral("TB_T_Umgebung"), false);
    LA_Temp_EH[3] = label(inputs, QStringLiteral("LA_Temp_EH_3"), QStringLiteral("°C"));
    int r = 0;
    g->addWidget(LA_Medium, r, 0);
    g->addWidget(CBox_Medium, r++, 1, 1, 2);
    g->addWidget(LA_Medium_Subindex, r, 0);
    g->addWidget(CBox_Medium_Typ, r++, 1, 1, 2);
    g->addWidget(laLocation, r, 0);
    g->addWidget(CBox_Location, r++, 1, 1, 2);
    g->addWidget(LA_Durchfluss, r, 0);
    g->addWidget(TB_Durchfluss, r, 1);
    g->addWidget(LA_Q_EH[0], r++, 2);
    g->addWidget(LA_T_in, r, 0);
    g->addWidget(TB_T_in, r, 1);
    g->addWidget(LA_Temp_EH[1], r++, 2);
    g->addWidget(LA_T_Umgebung, r, 0);
    g->addWidget(TB_T_Umgebung, r, 1);
    g->addWidget(LA_Temp_EH[3], r++, 2);
    g->setColumnStretch(0, 1);

    FR_Leistung = named(new QGroupBox(QStringLiteral("Erforderliche Kühlleistung"), zentral), QStringLiteral("FR_Leistung"));
    FR_Leistung->setAutoFillBackground(true);
    TB_KLeistung = field(FR_Leistung, QStringLiteral("TB_KLeistung"), false);
    LA_Leistung_EH[1] = label(FR_Leistung, QStringLiteral("LA_Leistung_EH_1"), QStringLiteral("kW"));
    CB_Leistung_d_TempA = named(new QPushButton(QStringLiteral("Leistung aus Temperaturanstieg"), FR_Leistung),
        QStringLiteral("CB_Leistung_d_TempA"));
    CB_Leistung_T_out = named(new QPushButton(QStringLiteral("Leistung aus Austrittstemperatur"), FR_Leistung),
        QStringLiteral("CB_Leistung_T_out"));
    auto* lg = new QGridLayout(FR_Leistung);
    lg->addWidget(TB_KLeistung, 0, 0);
    lg->addWidget(LA_Leistung_EH[1], 0, 1);
    lg->addWidget(CB_Leistung_d_TempA, 1, 0, 1, 2);
    lg->addWidget(CB_Leistung_T_out, 2, 0, 1, 2);
    lg->setColumnStretch(0, 1);

    // ---- drive ----
    Fr_FanTyp = named(new QGroupBox(QStringLiteral("Antrieb"), zentral), QStringLiteral("Fr_FanTyp"));
    Fr_FanTyp->setAutoFillBackground(true);
    OBox_DCD = named(new QRadioButton(QStringLiteral("DC-Motor"), Fr_FanTyp), QStringLiteral("OBox_DCD"));
    OBox_AC = named(new QRadioButton(QStringLiteral("AC-Motor"), Fr_FanTyp), QStringLiteral("OBox_AC"));
    OBox_HC = named(new QRadioButton(QStringLiteral("Hydraulikmotor"), Fr_FanTyp), QStringLiteral("OBox_HC"));
    auto* ft = new QHBoxLayout(Fr_FanTyp);
    ft->addWidget(OBox_DCD);
    ft->addWidget(OBox_AC);
    ft->addWidget(OBox_HC);

    Fr_FanDC = named(new QGroupBox(QStringLiteral("DC-Spannung"), zentral), QStringLiteral("Fr_FanDC"));
    Fr_FanDC->setAutoFillBackground(true);
    OBox_12V = named(new QRadioButton(QStringLiteral("12 V"), Fr_FanDC), QStringLiteral("OBox_12V"));
    OBox_24V = named(new QRadioButton(QStringLiteral("24 V"), Fr_FanDC), QStringLiteral("OBox_24V"));
    auto* fdc = new QHBoxLayout(Fr_FanDC);
    fdc->addWidget(OBox_12V);
    fdc->addWidget(OBox_24V);
    fdc->addStretch();
    fdc->setAlignment(Qt::AlignTop); // the shared place is as tall as the tallest frame

    FR_FanAC = named(new QGroupBox(QStringLiteral("AC-Motor (50Hz)"), zentral), QStringLiteral("FR_FanAC"));
    FR_FanAC->setAutoFillBackground(true);
    OBox_AC_Optim = named(new QRadioButton(QStringLiteral("Optim"), FR_FanAC), QStringLiteral("OBox_AC_Optim"));
    OBox_AC_Rough = named(new QRadioButton(QStringLiteral("Rough"), FR_FanAC), QStringLiteral("OBox_AC_Rough"));
    CBox_AC_LowNoise = named(new QCheckBox(QStringLiteral("Low Noise"), FR_FanAC), QStringLiteral("CBox_AC_LowNoise"));
    OBox_AC_230_400 = named(new QRadioButton(QStringLiteral("230/400 V"), FR_FanAC), QStringLiteral("OBox_AC_230_400"));
    OBox_AC_400_690 = named(new QRadioButton(QStringLiteral("400/690 V"), FR_FanAC), QStringLiteral("OBox_AC_400_690"));
    // One variant per row: their captions are long in most languages.
    auto* fac = new QGridLayout(FR_FanAC);
    fac->addWidget(OBox_AC_Optim, 0, 0, 1, 3);
    fac->addWidget(OBox_AC_Rough, 1, 0, 1, 3);
    fac->addWidget(CBox_AC_LowNoise, 2, 0, 1, 3);
    fac->addWidget(OBox_AC_230_400, 3, 0);
    fac->addWidget(OBox_AC_400_690, 3, 1);
    fac->setColumnStretch(2, 1);

    FR_FanHC = named(new QGroupBox(QStringLiteral("Hydraulikmotor"), zentral), QStringLiteral("FR_FanHC"));
    FR_FanHC->setAutoFillBackground(true);
    OBox_HC_Optim = named(new QRadioButton(QStringLiteral("Optim"), FR_FanHC), QStringLiteral("OBox_HC_Optim"));
    OBox_HC_Rough = named(new QRadioButton(QStringLiteral("Rough"), FR_FanHC), QStringLiteral("OBox_HC_Rough"));
    TB_FanDrehzahl = field(FR_FanHC, QStringLiteral("TB_FanDrehzahl"), true);
    TB_FanDrehzahl->setMinimumWidth(60);
    TB_FanDrehzahl->setMaximumWidth(90); // four digits; the row does not stretch it
    UpDown_HydroRPM = named(new UpDown(FR_FanHC), QStringLiteral("UpDown_HydroRPM"));
    UpDown_HydroRPM->setFixedWidth(22);
    UpDown_HydroRPM->setMin(0);
    UpDown_HydroRPM->setMax(8);
    LA_FanDrehzahl = label(FR_FanHC, QStringLiteral("LA_FanDrehzahl"), QStringLiteral("1/min"));
    auto* fhc = new QVBoxLayout(FR_FanHC);
    fhc->addWidget(OBox_HC_Optim);
    fhc->addWidget(OBox_HC_Rough);
    auto* drehzahl = new QHBoxLayout;
    drehzahl->addWidget(TB_FanDrehzahl);
    drehzahl->addWidget(UpDown_HydroRPM);
    drehzahl->addWidget(LA_FanDrehzahl);
    drehzahl->addStretch();
    fhc->addLayout(drehzahl);

    Frame2 = named(new QGroupBox(zentral), QStringLiteral("Frame2"));
    Frame2->setAutoFillBackground(true);
    OBox_Saugend = named(new QRadioButton(QStringLiteral("saugend"), Frame2), QStringLiteral("OBox_Saugend"));
    OBox_drueckend = named(new QRadioButton(QStringLiteral("drückend"), Frame2), QStringLiteral("OBox_drueckend"));
    auto* f2 = new QHBoxLayout(Frame2);
    f2->addWidget(OBox_Saugend);
    f2->addWidget(OBox_drueckend);
    f2->addStretch();

    // One exclusive group per frame; the AC voltages form their own group inside FR_FanAC.
    auto group = [this](std::initializer_list<QRadioButton*> buttons) {
        auto* bg = new QButtonGroup(this);
        for (QRadioButton* b : buttons)
            bg->addButton(b);
        return bg;
    };
    m_fanTyp = group({OBox_DCD, OBox_AC, OBox_HC});
    m_fanDC = group({OBox_12V, OBox_24V});
    m_fanAC = group({OBox_AC_Optim, OBox_AC_Rough});
    m_acVoltage = group({OBox_AC_230_400, OBox_AC_400_690});
    m_fanHC = group({OBox_HC_Optim, OBox_HC_Rough});
    m_direction = group({OBox_Saugend, OBox_drueckend});

    CBox_Kuehler_autom = named(new QCheckBox(QStringLiteral("Automatische Suche"), zentral), QStringLiteral("CBox_Kuehler_autom"));
    CB_Kuehler_suchen = named(new QPushButton(QStringLiteral("Kühler suchen"), zentral), QStringLiteral("CB_Kuehler_suchen"));

    // The three drive frames share one place, as large as the largest of them, so that choosing
    // another drive never changes the size of the window.
    auto* antriebe = named(new QWidget(zentral), QStringLiteral("Antriebsoptionen"));
    m_antriebe = new QStackedLayout(antriebe);
    m_antriebe->setContentsMargins(0, 0, 0, 0);
    for (QGroupBox* f : {Fr_FanDC, FR_FanAC, FR_FanHC})
        m_antriebe->addWidget(f);

    auto* eingabeseite = named(new QWidget(zentral), QStringLiteral("Eingabeseite"));
    auto* left = new QVBoxLayout(eingabeseite);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(FR_GSP_Select);
    left->addWidget(inputs);
    left->addWidget(FR_Leistung);
    left->addWidget(Fr_FanTyp);
    left->addWidget(antriebe);
    left->addWidget(Frame2);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(CBox_Kuehler_autom);
    searchRow->addStretch();
    searchRow->addWidget(CB_Kuehler_suchen);
    left->addLayout(searchRow);
    left->addStretch();

    // ---- result tabs ----
    SSTab1 = named(new QTabWidget(zentral), QStringLiteral("SSTab1"));
    auto* tab0 = named(new QWidget, QStringLiteral("SSTab1_0"));
    FR_Kuehlerdaten = named(new QGroupBox(tab0), QStringLiteral("FR_Kuehlerdaten"));
    FR_Kuehlerdaten->setAutoFillBackground(true);
    auto* rg = new QGridLayout(FR_Kuehlerdaten);
    LA_Kuehlerdaten = label(FR_Kuehlerdaten, QStringLiteral("LA_Kuehlerdaten"), QStringLiteral("Kühlertyp"));
    TB_Kuehlertyp = field(FR_Kuehlerdaten, QStringLiteral("TB_Kuehlertyp"), true);
    UpDn_Kuehlertyp = named(new UpDown(FR_Kuehlerdaten), QStringLiteral("UpDn_Kuehlertyp"));
    UpDn_Kuehlertyp->setFixedWidth(22);
    LA_T_out = label(FR_Kuehlerdaten, QStringLiteral("LA_T_out"), QStringLiteral("Öl-Austrittstemperatur"));
    TB_T_out = field(FR_Kuehlerdaten, QStringLiteral("TB_T_out"), true);
    LA_Temp_EH[2] = label(FR_Kuehlerdaten, QStringLiteral("LA_Temp_EH_2"), QStringLiteral("°C"));
    LA_Abgf_Leistg = label(FR_Kuehlerdaten, QStringLiteral("LA_Abgf_Leistg"), QStringLiteral("Abgeführte Leistung"));
    TB_Abgef_Leistg = field(FR_Kuehlerdaten, QStringLiteral("TB_Abgef_Leistg"), true);
    LA_Leistung_EH[0] = label(FR_Kuehlerdaten, QStringLiteral("LA_Leistung_EH_0"), QStringLiteral("kW"));
    LA_Leistg_Reserve = label(FR_Kuehlerdaten, QStringLiteral("LA_Leistg_Reserve"), QStringLiteral("Leistungsreserve"));
    // The field paints its own (red or white) base inside its rounded frame; no filled square behind it.
    TB_LeistgReserve = field(FR_Kuehlerdaten, QStringLiteral("TB_LeistgReserve"), true);
    LA_Proz_EH[0] = label(FR_Kuehlerdaten, QStringLiteral("LA_Proz_EH_0"), QStringLiteral("%"));
    LA_DruckVerlust = label(FR_Kuehlerdaten, QStringLiteral("LA_DruckVerlust"), QStringLiteral("Druckverlust"));
    TB_DruckVerlust = field(FR_Kuehlerdaten, QStringLiteral("TB_DruckVerlust"), true);
    LA_Druck_EH[0] = label(FR_Kuehlerdaten, QStringLiteral("LA_Druck_EH_0"), QStringLiteral("mbar"));
    LA_Noise = label(FR_Kuehlerdaten, QStringLiteral("LA_Noise"), QStringLiteral("Schalldruckpegel"));
    tb_Noise = field(FR_Kuehlerdaten, QStringLiteral("tb_Noise"), true);
    LA_dB[1] = label(FR_Kuehlerdaten, QStringLiteral("LA_dB_1"), QStringLiteral("dB(A)"));
    // The unit labels and the result captions are vendor labels coloured with the drive.
    for (QLabel* l : {LA_Abgf_Leistg, LA_T_out, LA_Temp_EH[2], LA_Leistung_EH[0], LA_Leistg_Reserve,
             LA_DruckVerlust, LA_Proz_EH[0], LA_Druck_EH[0], LA_dB[1]})
        l->setAutoFillBackground(true);
    int rr = 0;
    rg->addWidget(LA_Kuehlerdaten, rr, 0);
    auto* typRow = new QHBoxLayout;
    typRow->setSpacing(0);
    typRow->addWidget(TB_Kuehlertyp);
    typRow->addWidget(UpDn_Kuehlertyp);
    rg->addLayout(typRow, rr++, 1, 1, 2);
    const std::array<std::array<QWidget*, 3>, 5> rows{{
        {LA_T_out, TB_T_out, LA_Temp_EH[2]},
        {LA_Abgf_Leistg, TB_Abgef_Leistg, LA_Leistung_EH[0]},
        {LA_Leistg_Reserve, TB_LeistgReserve, LA_Proz_EH[0]},
        {LA_DruckVerlust, TB_DruckVerlust, LA_Druck_EH[0]},
        {LA_Noise, tb_Noise, LA_dB[1]},
    }};
    for (const auto& row : rows) {
        for (int c = 0; c < 3; ++c)
            rg->addWidget(row[c], rr, c);
        ++rr;
    }
    rg->setColumnStretch(0, 1);
    TB_Info = field(tab0, QStringLiteral("TB_Info"), true);
    TB_Info->setStyleSheet(QStringLiteral("QLineEdit { color: rgb(192,0,0); font-weight: bold; }"));
    TB_Info->hide();
    LA_BestNr = label(tab0, QStringLiteral("LA_BestNr"), {});
    // A long order key wraps instead of widening the window.
    LA_BestNr->setWordWrap(true);
    LA_BestNr->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CB_Ergebnisdatei = named(new QPushButton(QStringLiteral("Spezifikation"), tab0), QStringLiteral("CB_Ergebnisdatei"));
    CB_Ergebnisdatei->setAutoFillBackground(true);
    auto* t0 = new QVBoxLayout(tab0);
    t0->addWidget(FR_Kuehlerdaten);
    t0->addWidget(TB_Info);
    t0->addWidget(LA_BestNr);
    auto* reportRow = new QHBoxLayout;
    reportRow->addStretch();
    reportRow->addWidget(CB_Ergebnisdatei);
    t0->addLayout(reportRow);
    t0->addStretch();

    auto* tab1 = named(new QWidget, QStringLiteral("SSTab1_1"));
    LA_Einbaumase = label(tab1, QStringLiteral("LA_Einbaumase"), QStringLiteral("Einbaumaße"));
    Pic_Zeichnung = label(tab1, QStringLiteral("Pic_Zeichnung"), {});
    Pic_Zeichnung->setMinimumSize(240, 200);
    Pic_Zeichnung->setAlignment(Qt::AlignCenter);
    Pic_Zeichnung->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    FG_EinbauMasse = grid(tab1, QStringLiteral("FG_EinbauMasse"), 20);
    FG_EinbauMasse->setColumnWidth(0, 83);
    FG_EinbauMasse->setFixedWidth(83 + 128 + 4);
    auto* t1 = new QGridLayout(tab1);
    t1->addWidget(LA_Einbaumase, 0, 0, 1, 2);
    t1->addWidget(Pic_Zeichnung, 1, 0);
    t1->addWidget(FG_EinbauMasse, 1, 1);

    auto* tab2 = named(new QWidget, QStringLiteral("SSTab1_2"));
    auto* tab3 = named(new QWidget, QStringLiteral("SSTab1_3"));
    pChart = named(new vexachart::VexachartWidget(tab2), QStringLiteral("pChart"));
    LChart = named(new vexachart::VexachartWidget(tab3), QStringLiteral("LChart"));
    (new QVBoxLayout(tab2))->addWidget(pChart);
    (new QVBoxLayout(tab3))->addWidget(LChart);

    auto* tab4 = named(new QWidget, QStringLiteral("SSTab1_4"));
    LA_DatenUebersicht = label(tab4, QStringLiteral("LA_DatenUebersicht"), QStringLiteral("Datenübersicht"));
    FG_Datenuebersicht = grid(tab4, QStringLiteral("FG_Datenuebersicht"), 9);
    LA_Zubehoer = label(tab4, QStringLiteral("LA_Zubehoer"), QStringLiteral("Ersatzteile"));
    FG_ErsatzTeile = grid(tab4, QStringLiteral("FG_ErsatzTeile"), 7);
    // Both columns keep their widths (wide enough for their entries); a narrow window scrolls the
    // grid instead of cutting the values.
    for (QTableWidget* g : {FG_Datenuebersicht, FG_ErsatzTeile}) {
        g->horizontalHeader()->setStretchLastSection(false);
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    auto* t4 = new QVBoxLayout(tab4);
    t4->addWidget(LA_DatenUebersicht);
    t4->addWidget(FG_Datenuebersicht);
    t4->addWidget(LA_Zubehoer);
    t4->addWidget(FG_ErsatzTeile);

    SSTab1->addTab(tab0, QStringLiteral("Ergebnis"));
    SSTab1->addTab(tab1, QStringLiteral("Zeichnung"));
    SSTab1->addTab(tab2, QStringLiteral("Druckverlust"));
    SSTab1->addTab(tab3, QStringLiteral("Leistung"));
    SSTab1->addTab(tab4, QStringLiteral("Technische Daten"));

    auto* main = new QHBoxLayout(zentral);
    main->addWidget(eingabeseite, 0);
    main->addWidget(SSTab1, 1);

    setTabOrder(CBox_Medium, CBox_Medium_Typ);
    setTabOrder(CBox_Medium_Typ, CBox_Location);
    setTabOrder(CBox_Location, TB_Durchfluss);
    setTabOrder(TB_Durchfluss, TB_T_in);
    setTabOrder(TB_T_in, TB_T_Umgebung);
    setTabOrder(TB_T_Umgebung, TB_KLeistung);
    setTabOrder(TB_KLeistung, CB_Leistung_d_TempA);
    setTabOrder(CB_Leistung_d_TempA, CB_Leistung_T_out);
    setTabOrder(CB_Leistung_T_out, OBox_DCD);

    // The input frames keep the window's own light background whatever colour the window takes.
    for (QGroupBox* f : {inputs, FR_Leistung, Fr_FanTyp, Fr_FanDC, FR_FanAC, FR_FanHC, Frame2}) {
        QPalette pal = f->palette();
        pal.setColor(QPalette::Window, pal.color(QPalette::Window));
        f->setPalette(pal);
    }

    // Design start states.
    FR_Leistung->setEnabled(false);
    TB_KLeistung->setEnabled(false);
    CB_Leistung_d_TempA->setEnabled(false);
    CB_Leistung_T_out->setEnabled(false);
    OBox_12V->setChecked(true);
    OBox_AC_Optim->setChecked(true);
    OBox_AC_230_400->setChecked(true);
    OBox_HC_Optim->setChecked(true);
    OBox_Saugend->setChecked(true);
    UpDown_HydroRPM->setValue(0);
}

} // namespace ui
