// Cursor read-out cases beyond the main paths: value texts on log and date axes and where 10^v
// overflows, the label kept inside at the right and bottom edges, the plot-name tick snapping the
// horizontal line to the plot, and a pointer at a vertical step of one plot.
#include "chart/control/interaction.h"
#include "chartfixture.h"
#include "common/dateserial.h"
#include "testsupport.h"
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vexachart;
using vexachart::testing::makeChart;

TEST(CursorReadout, ValueTextsOnLogAndDateAxes)
{
    auto c = makeChart();
    c->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    ChartInteraction z(*c);
    c->SetGlobalBorders(1.0, 1000.0, 1.0, 1000.0, qint16(1), qint16(0));
    EXPECT_EQ(z.valuesCaption(2.0, 0.5), QString(" x = 1.0000E+02 \n  y = 5.0000E-01 "));
    EXPECT_EQ(z.valuesCaption(400.0, 0.0), QString(" x = \n  y = 0.0000E+00 ")) << "10^400 shows nothing";

    c->SetGlobalBorders(0.0, 10.0, 0.0, 10.0, qint16(0), qint16(0));
    c->setXScalingNotation(2);
    c->setTimeFormatCursor("dd.mm.yyyy hh:nn");
    EXPECT_EQ(z.valuesCaption(common::serialFromParts(2024, 3, 5, 14, 7), 1.5),
              QString(" x = 05.03.2024 14:07 \n  y = 1.5000E+00 "));
}

TEST(CursorReadout, AnOverflowingPositionRaisesNoEvent)
{
    auto c = makeChart();
    c->SetGlobalBorders(1.0, 1e300, 1.0, 10.0, qint16(1), qint16(0));
    ChartInteraction z(*c);
    QSignalSpy xy(c.get(), &Vexachart::CursorXY);
    z.move(25000, 0);
    EXPECT_EQ(xy.count(), 1);
    c->SetDisplayBorders(1e299, 1e300, 1.0, 10.0);
    z.move(25000, 0);
    EXPECT_EQ(xy.count(), 2);
    // Beyond the right edge of a display ending at 10^300 the value overflows.
    z.move(5e6, 0);
    EXPECT_EQ(xy.count(), 2);
}

TEST(CursorReadout, LabelKeptInsideAtTheRightAndBottomEdges)
{
    auto c = makeChart();
    c->SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    c->SetCursor(1);
    ChartInteraction z(*c);
    struct Case {
        const char* what;
        QPointF pointer;
        QPointF topLeft;
    };
    const Case cases[] = {
        {"free: right of and below the crossing", {10000, 30000}, {10225, 29700}},
        {"near the right edge: ends at the edge", {49000, 30000}, {44000, 29700}},
        {"near the bottom edge: rests on it", {10000, 1000}, {10225, 3000}},
    };
    for (const auto& cs : cases) {
        SCOPED_TRACE(cs.what);
        z.move(cs.pointer.x(), cs.pointer.y());
        const CursorOverlay o = z.cursorTick(QSizeF(6000, 3000), QSizeF(150, 400));
        EXPECT_NEAR(o.labelLeft, cs.topLeft.x(), 1e-6);
        EXPECT_NEAR(o.labelTop, cs.topLeft.y(), 1e-6);
    }
}

TEST(CursorReadout, PlotNameTickSnapsTheLineAndHidesTheLabelFarAway)
{
    auto c = makeChart();
    c->SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    c->ClearAllPlotData();
    for (double x : {0.0, 50.0, 100.0})
        c->AddNewDataPoint(1, x, 10.0 + x / 5.0);
    c->SetPlotLegendText(1, "  word  ");
    c->SetCursor(2);
    ChartInteraction z(*c);

    z.move(25000, 10500); // (50, 21): one above the plot's 20
    CursorOverlay o = z.cursorTick(QSizeF(1200, 1000), QSizeF(100, 800));
    EXPECT_TRUE(o.labelVisible);
    EXPECT_EQ(o.caption, QString(" word "));
    EXPECT_NEAR(o.w, 10000, 1e-6) << "the horizontal line sits on the plot";

    z.move(25000, 40000);
    o = z.cursorTick(QSizeF(1200, 1000), QSizeF(100, 800));
    EXPECT_TRUE(o.linesVisible);
    EXPECT_FALSE(o.labelVisible);
    EXPECT_NEAR(o.w, 40000, 1e-6);
}

TEST(CursorReadout, VerticalStepOfOnePlotNeitherDividesByZeroNorBlocksAnother)
{
    auto c = makeChart();
    c->SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    c->ClearAllPlotData();
    for (auto [x, y] : {std::pair{0.0, 0.0}, {10.0, 0.0}, {10.0, 50.0}, {20.0, 50.0}})
        c->AddNewDataPoint(1, x, y);
    for (double x : {0.0, 10.0, 20.0})
        c->AddNewDataPoint(2, x, 40.0);
    ChartInteraction z(*c);
    for (double x : {9.999, 10.0, 10.001}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(z.FindNearestPlotName(x, 41.0), QString("Plot 2"));
    }
    double at = 0.0;
    EXPECT_EQ(z.FindNearestPlotName(10.0, 49.0, &at), QString("Plot 1"));
    EXPECT_DOUBLE_EQ(at, 50.0);
}
