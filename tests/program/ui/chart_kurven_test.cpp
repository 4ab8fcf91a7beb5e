// The performance and pressure-drop charts: curves of the current size and its neighbours, the
// operating point, titles and colours, built from the reference selection (DC 12 V, metric, ISO
// VG46, 60/30 degC, 50 l/min, 3 kW: size 1 of the DC table).
#include "windowfixture.h"

#include "chart/control/chart.h"
#include "chart/control/widget.h"
#include "program/rating/curves.h"
#include "program/rating/selection.h"
#include "program/rating/units.h"
#include "program/ui/chart_kurven.h"

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>

using namespace ui;

namespace {

struct ChartFixture : WindowFixture {
    rating::KuehlerDaten daten; // a copy the cases change

    void SetUp() override
    {
        open();
        referencePoint();
        ASSERT_EQ(k().Typ_Index, 1);
        daten = k();
    }

    ChartLage lage(bool us = false)
    {
        const catalogue::KTabelle& tab = rating::Get_KuehlerTabelle(daten, zustand->KDaten_Tab);
        return ChartLage{daten, tab, zustand->Texte, us, false, false, w->TB_Kuehlertyp->text(),
            QStringLiteral("Oel ISO VG46"), zustand->locale};
    }
};

double yBei(const ChartPlot& p, double x)
{
    for (std::size_t i = 0; i < p.x.size(); ++i)
        if (p.x[i] == x)
            return p.y[i];
    ADD_FAILURE() << "no point at x " << x;
    return 0;
}

} // namespace

TEST_F(ChartFixture, PerformanceChartOnTheWindow)
{
    w->SSTab1->setCurrentIndex(3);
    const vexachart::Vexachart& c = w->LChart->chart();
    EXPECT_EQ(c.Title(), "Kühlleistung (Oel ISO VG46 (dT=4.4 °C))"); // dT = T_in - T_out = 4.35
    EXPECT_EQ(c.YAxisLabel(), "Kühlleistung (kW)");
    EXPECT_EQ(c.XAxisLabel(), "Durchfluss (l/min)");
    EXPECT_TRUE(c.ShowLegend());
    EXPECT_EQ(c.ClrChartBackGround(), 0xE0E0E0u);

    const vexachart::PlotPoints& aktuell = c.plotData(3);
    ASSERT_EQ(aktuell.count(), 204); // 1 .. floor(200 * 1.025)
    EXPECT_EQ(aktuell.x(1), 1);
    EXPECT_EQ(aktuell.x(204), 204);
    EXPECT_NEAR(aktuell.y(50), 6.209, 1e-3);
    EXPECT_NEAR(c.plotData(2).y(50), 7.210, 1e-3);
    EXPECT_EQ(c.plotData(2).xs().back(), 307);
    EXPECT_EQ(c.plotData(1).xs().back(), 409); // 400 * 1.025 is just below 410
    EXPECT_NEAR(c.plotData(4).y(50), 2.967, 1e-3);
    EXPECT_TRUE(c.plotData(5).empty()); // size 1 has only one smaller size
    EXPECT_FALSE(c.plotStyle(5).Visible);

    const vexachart::PlotStyle& s3 = c.plotStyle(3);
    EXPECT_EQ(std::make_tuple(s3.RColor, s3.GColor, s3.BColor, s3.LineWidth), std::make_tuple(0, 255, 0, 2));
    const vexachart::PlotStyle& s2 = c.plotStyle(2);
    EXPECT_EQ(std::make_tuple(s2.RColor, s2.GColor, s2.BColor, s2.LineWidth), std::make_tuple(0, 0, 255, 1));
    const vexachart::PlotStyle& s4 = c.plotStyle(4);
    EXPECT_EQ(std::make_tuple(s4.RColor, s4.GColor, s4.BColor, s4.LineWidth), std::make_tuple(255, 0, 0, 1));
    EXPECT_EQ(s3.Label.trimmed(), k().KErgebnis[1].TypCode);

    // The operating point is the required heat, not a curve value.
    const vexachart::PlotPoints& punkt = c.plotData(6);
    ASSERT_EQ(punkt.count(), 1);
    EXPECT_EQ(punkt.x(1), 50);
    EXPECT_NEAR(punkt.y(1), 3.0, 1e-9);
    const vexachart::PlotStyle& s6 = c.plotStyle(6);
    EXPECT_EQ(s6.Label.trimmed(), "50 (l/min)");
    EXPECT_EQ(std::make_tuple(s6.RColor, s6.GColor, s6.BColor, s6.LineWidth, s6.Marker, s6.MarkerSize),
        std::make_tuple(0, 0, 0, 2, 7, 8));
    EXPECT_TRUE(s6.Visible);
}

TEST_F(ChartFixture, PressureChartOnTheWindow)
{
    w->SSTab1->setCurrentIndex(2);
    const vexachart::Vexachart& c = w->pChart->chart();
    EXPECT_EQ(c.Title(), "Druckverlust (Oel ISO VG46 Tm=57.8 °C)");
    EXPECT_EQ(c.YAxisLabel(), "Druckverlust (mbar)");
    EXPECT_EQ(c.XAxisLabel(), "Durchfluss (l/min)");
    EXPECT_TRUE(c.EnableMenuOptionCursor());
    ASSERT_EQ(c.plotData(3).count(), 204);
    EXPECT_NEAR(c.plotData(3).y(50), 757.888 * 0.771431, 0.05); // viscosity-corrected catalogue drop
    ASSERT_EQ(c.plotData(6).count(), 1);
    EXPECT_EQ(c.plotData(6).x(1), 50);
    EXPECT_NEAR(c.plotData(6).y(1), c.plotData(3).y(50), 1e-9); // on the current curve
    // The neighbours pass marker 0, size 0.
    EXPECT_EQ(std::make_tuple(c.plotStyle(2).Marker, c.plotStyle(2).MarkerSize), std::make_tuple(0, 0));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ChartFixture, NoResultLeavesOnlyTheTitle)
{
    w->SSTab1->setCurrentIndex(3);
    type(w->TB_Durchfluss, "abc"); // invalid input: no cooler
    ASSERT_EQ(w->TB_Kuehlertyp->text(), "---");
    for (int tab : {3, 2}) {
        w->SSTab1->setCurrentIndex(0);
        w->SSTab1->setCurrentIndex(tab);
    }
    for (const vexachart::Vexachart* c : {&w->LChart->chart(), &w->pChart->chart()})
        for (int n = 1; n <= 6; ++n)
            EXPECT_TRUE(c->plotData(n).empty()) << n;
    EXPECT_EQ(w->LChart->chart().Title(), "Kühlleistung ---");
    EXPECT_EQ(w->pChart->chart().Title(), "Druckverlust ---");
    EXPECT_FALSE(w->LChart->chart().ShowLegend());
    EXPECT_FALSE(w->pChart->chart().ShowLegend());
}

TEST_F(ChartFixture, SmallestAndLargestSizesHideTheMissingNeighbours)
{
    daten.Typ_Index = 0;
    ChartBild klein = leistungsChartBilden(lage());
    for (int n : {4, 5})
        EXPECT_FALSE(klein.plot(n)->gezeigt) << n;
    for (int n : {1, 2, 3})
        EXPECT_TRUE(klein.plot(n)->gezeigt) << n;

    daten.Typ_Index = daten.Typ_MaxIndex;
    ChartBild gross = druckChartBilden(lage(), boxes);
    for (int n : {1, 2})
        EXPECT_FALSE(gross.plot(n)->gezeigt) << n;
    for (int n : {3, 4, 5})
        EXPECT_TRUE(gross.plot(n)->gezeigt) << n;

    // On the control: hidden plots carry no data.
    vexachart::Vexachart& c = w->pChart->chart();
    chartAnwenden(c, gross, ChartArt::Druckverlust, false);
    EXPECT_TRUE(c.plotData(1).empty());
    EXPECT_FALSE(c.plotStyle(1).Visible);
    EXPECT_FALSE(c.plotStyle(2).Visible);
    EXPECT_TRUE(c.plotStyle(5).Visible);
}

TEST_F(ChartFixture, LowestFlowBelowOneStartsTheCurves)
{
    daten.KErgebnis[1].Durchfluss_Min = 0.4;
    EXPECT_EQ(leistungsChartBilden(lage()).plot(3)->x.front(), 1); // the capacity curve starts at 1
    EXPECT_EQ(druckChartBilden(lage(), boxes).plot(3)->x.front(), 0); // the pressure curve at 0
}

TEST_F(ChartFixture, EmptyFlowRangeClearsUnderTheOldTitle)
{
    vexachart::Vexachart& c = w->LChart->chart();
    w->SSTab1->setCurrentIndex(3);
    const QString titel = c.Title();
    daten.KErgebnis[1].Durchfluss_Min = 100;
    daten.KErgebnis[1].Durchfluss_Max = 97; // 97 * 1.025 floors to 99
    const ChartBild bild = leistungsChartBilden(lage());
    EXPECT_TRUE(bild.abgebrochen);
    chartAnwenden(c, bild, ChartArt::Leistung, true);
    EXPECT_EQ(c.Title(), titel);
    for (int n = 1; n <= 6; ++n)
        EXPECT_TRUE(c.plotData(n).empty()) << n;
}

TEST_F(ChartFixture, CurrentSizeNeedsTwoFlowSteps)
{
    // Flow range of the current size (l/min) and whether each chart stops there. The capacity
    // curve starts at 1 at the least, the pressure curve at 0.
    struct Fall {
        double min, max;
        bool leistungAbgebrochen, druckAbgebrochen;
    };
    const Fall faelle[] = {
        {100, 97, true, true},    // 97 * 1.025 floors to 99: no step
        {100, 98, true, true},    // 100.45 floors to 100: a single step
        {100, 99, false, false},  // 101.475: steps 100 and 101
        {0.2, 1.0, true, false},  // capacity 1 .. 1, pressure 0 .. 1
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.min << " .. " << f.max);
        daten.KErgebnis[1].Durchfluss_Min = f.min;
        daten.KErgebnis[1].Durchfluss_Max = f.max;
        const ChartBild leistung = leistungsChartBilden(lage());
        const ChartBild druck = druckChartBilden(lage(), boxes);
        EXPECT_EQ(leistung.abgebrochen, f.leistungAbgebrochen);
        EXPECT_EQ(druck.abgebrochen, f.druckAbgebrochen);
        for (const ChartBild* b : {&leistung, &druck}) {
            if (b->abgebrochen)
                EXPECT_TRUE(b->plots.empty());
            else
                EXPECT_EQ(b->plot(3)->x.size(), 2u);
        }
    }
}

TEST(ChartGrenzenTest, APointOnOrBeyondABorderMovesItOut)
{
    struct Fall {
        const char* was;
        ChartGrenzen vorher;
        double x, y;
        ChartGrenzen nachher;
    };
    const ChartGrenzen g{0, 100, 0, 10};
    const Fall faelle[] = {
        {"inside", g, 50, 5, g},
        {"on the top", g, 50, 10, {0, 100, 0, 10.5}},
        {"beyond the top", g, 50, 12, {0, 100, 0, 12.6}},
        {"on the bottom", g, 50, 0, {0, 100, -0.5, 10}},
        {"on the left and below", g, 0, -2, {-5, 100, -2.6, 10}},
        {"beyond the right", g, 300, 5, {0, 315, 0, 10}},
        {"no span", {4, 4, 10, 10}, 4, 10, {3.8, 4.2, 9.5, 10.5}},
        {"no span at zero", {0, 0, 0, 0}, 0, 0, {-0.05, 0.05, -0.05, 0.05}},
        {"not a number", g, std::nan(""), 5, g},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const ChartGrenzen n = umPunktWeiten(f.vorher, f.x, f.y, 0.05);
        EXPECT_NEAR(n.links, f.nachher.links, 1e-12);
        EXPECT_NEAR(n.rechts, f.nachher.rechts, 1e-12);
        EXPECT_NEAR(n.unten, f.nachher.unten, 1e-12);
        EXPECT_NEAR(n.oben, f.nachher.oben, 1e-12);
    }
}

TEST_F(WindowFixture, OperatingPointOfAnUndersizedSelectionStaysInsideBothCharts)
{
    // Heat loads and flows no size of the series meets: the required heat lies above every
    // curve, and at a flow beyond the largest size's curve the pressure drop is drawn at 0.
    struct Fall {
        QRadioButton* antrieb;
        const char* flow;
        const char* leistung;
    };
    open();
    referencePoint();
    const Fall faelle[] = {
        {w->OBox_DCD, "50", "100"},
        {w->OBox_HC, "50", "400"},
        {w->OBox_HC, "2000", "400"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.antrieb->objectName().toStdString() << " " << f.flow << " l/min");
        f.antrieb->click();
        type(w->TB_Durchfluss, f.flow);
        type(w->TB_KLeistung, f.leistung);
        ASSERT_NE(w->TB_Kuehlertyp->text(), QStringLiteral("---"));
        ASSERT_EQ(k().Typ_Index, k().Typ_MaxIndex);
        ASSERT_LT(k().Abgef_Leistg, k().KLeistung);
        for (int tab : {3, 2}) {
            w->SSTab1->setCurrentIndex(0);
            w->SSTab1->setCurrentIndex(tab);
            const vexachart::Vexachart& c = (tab == 3 ? w->LChart : w->pChart)->chart();
            ASSERT_EQ(c.plotData(6).count(), 1) << tab;
            const double x = c.plotData(6).x(1), y = c.plotData(6).y(1);
            const vexachart::Borders& b = c.displayBorders();
            EXPECT_GT(x, b.X_Left) << tab;
            EXPECT_LT(x, b.X_Right) << tab;
            EXPECT_GT(y, b.Y_Bottom) << tab;
            EXPECT_LT(y, b.Y_Top) << tab;
            EXPECT_EQ(b.Y_Top, c.globalBorders().Y_Top) << tab; // the fitted range itself is widened
        }
    }
}

TEST_F(ChartFixture, OperatingFlowOutsideTheCurveSitsAtZero)
{
    daten.Durchfluss = 300; // the current curve ends at 204
    const ChartBild bild = druckChartBilden(lage(), boxes);
    EXPECT_EQ(bild.plot(6)->x, std::vector<double>{300});
    EXPECT_EQ(bild.plot(6)->y, std::vector<double>{0});
}

TEST_F(ChartFixture, FlowsBeyondSixteenBitsStayCorrect)
{
    daten.Durchfluss = 40000.7;
    for (const ChartBild& b : {leistungsChartBilden(lage()), druckChartBilden(lage(), boxes)}) {
        EXPECT_EQ(b.plot(6)->x, std::vector<double>{40000});
        EXPECT_EQ(b.plot(6)->legende, "40000 (l/min)");
    }
    EXPECT_EQ(druckChartBilden(lage(), boxes).plot(6)->y, std::vector<double>{0});
}

TEST_F(ChartFixture, WaterGlycolAndNeutralViscosityGiveTheCatalogueDrop)
{
    const double katalog = rating::Druck_bar_in_EH(daten, 757.888 / 1000.0);
    daten.Visk_Faktor = 1; // oil with factor 1: 0.9 + 0.1
    EXPECT_NEAR(yBei(*druckChartBilden(lage(), boxes).plot(3), 50), katalog, 0.01);
    daten.Visk_Faktor = 0.3;
    daten.Medium_Typ = rating::MediumWasserGlykol; // no correction whatever the factor
    EXPECT_NEAR(yBei(*druckChartBilden(lage(), boxes).plot(3), 50), katalog, 0.01);
}

TEST_F(ChartFixture, UsRegionUsesGallonsOnTheFlowAxis)
{
    daten.KErgebnis[1].Durchfluss_Min = 37.9; // 10.012 gal/min
    daten.Durchfluss = 100.9;                 // 100 l/min -> 26.417 -> 26
    const ChartLage l = lage(true);
    const ChartBild b = leistungsChartBilden(l);
    const ChartPlot& aktuell = *b.plot(3);
    EXPECT_EQ(aktuell.x.front(), 10);
    EXPECT_EQ(aktuell.x.back(), std::floor(200 / LiterProGallone * 1.025));
    // Curve values are evaluated at x gallons in litres.
    const double kw = rating::Kennlinie_Log_berechnen(l.tabelle, 20 * LiterProGallone, 1, 0) * (daten.T_in - daten.T_Umgebung);
    EXPECT_NEAR(yBei(aktuell, 20), kw, 1e-9);
    EXPECT_EQ(b.plot(6)->x, std::vector<double>{26});
    const QString gpm = daten.EH_Durchfluss_Namen[rating::eh::Durchfluss_USgal_min][0];
    EXPECT_EQ(b.xLabel, "Durchfluss (" + gpm + ")");
    EXPECT_EQ(b.plot(6)->legende, "26 (" + gpm + ")");
}

TEST_F(ChartFixture, FahrenheitTemperatureDifferenceInTheTitle)
{
    daten.T_in = 80;
    daten.T_out = 70;
    daten.EH_Temp = rating::eh::Temp_F;
    const QString f = daten.EH_Temp_Namen[rating::eh::Temp_F][0];
    EXPECT_TRUE(leistungsChartBilden(lage()).titel.endsWith("(dT=18.0 " + f + "))"));
    // Without a positive inlet-outlet difference the title keeps inlet minus ambient (80 - 30).
    daten.T_out = 85;
    EXPECT_TRUE(leistungsChartBilden(lage()).titel.endsWith("(dT=90.0 " + f + "))"));
}

TEST_F(ChartFixture, BlackAndWhiteOnlyDuringTheReport)
{
    ChartLage l = lage();
    l.SW_Graphik_Flag = true;
    const ChartBild bildschirm = leistungsChartBilden(l);
    EXPECT_EQ(bildschirm.plot(3)->G, 255); // the option alone changes nothing on screen
    EXPECT_EQ(bildschirm.hintergrund, 0xE0E0E0u);

    l.Word_aktiv = true;
    for (const ChartBild& b : {leistungsChartBilden(l), druckChartBilden(l, boxes)}) {
        EXPECT_EQ(b.hintergrund, 0x80000005u);
        for (const ChartPlot& p : b.plots) {
            EXPECT_EQ(std::make_tuple(p.R, p.G, p.B), std::make_tuple(0, 0, 0)) << p.nummer;
            if (p.nummer == 6) {
                EXPECT_EQ(std::make_tuple(p.breite, *p.marker, *p.markerGroesse), std::make_tuple(2, 7, 8));
            } else {
                EXPECT_EQ(p.breite, p.nummer == 3 ? 4 : 2) << p.nummer;
                EXPECT_EQ(p.marker.value_or(-1), 0) << p.nummer;
                EXPECT_EQ(p.markerGroesse.value_or(-1), 0) << p.nummer;
            }
        }
    }
}

TEST_F(WindowFixture, ChartsCarryTheirStoredSettingsBeforeTheFirstResult)
{
    open();
    struct Erwartet {
        const vexachart::Vexachart* chart;
        double xMax, yMax;
    };
    for (const Erwartet& e : {Erwartet{&w->LChart->chart(), 605, 1000}, Erwartet{&w->pChart->chart(), 100, 100}}) {
        const vexachart::Vexachart& c = *e.chart;
        EXPECT_EQ(c.MaxCountOfPlots(), 6);
        EXPECT_EQ(c.globalBorders().X_Right, e.xMax);
        EXPECT_EQ(c.globalBorders().Y_Top, e.yMax);
        EXPECT_EQ(c.globalBorders().X_Left, 0.01);
        EXPECT_EQ(c.ClrGrid(), 0xB89C50u);
        EXPECT_EQ(c.ClrControlBackGround(), 0x8000000Fu);
        EXPECT_EQ(c.ClrLabels(), 0x80000012u);
        EXPECT_EQ(c.GridStyle(), 1);
        EXPECT_FALSE(c.EnableMenuOptionLegend());
        EXPECT_FALSE(c.EnableMenuOptionSave());
        EXPECT_FALSE(c.EnableMenuOptionZoom());
        EXPECT_EQ(c.XAxisLinLogMode(), 0);
        EXPECT_EQ(c.YAxisLinLogMode(), 0);
    }
    EXPECT_EQ(w->pChart->chart().plotStyle(4).Label.trimmed(), "Plot 4");
    const vexachart::PlotStyle& ziel = w->LChart->chart().plotStyle(6);
    EXPECT_EQ(ziel.Label.trimmed(), "Ziel-Pkt.");
    EXPECT_EQ(std::make_pair(ziel.Marker, ziel.MarkerSize), std::make_pair(qint16(7), qint16(9)));
}
