#include "chart/control/propertybag.h"
#include "chart/control/chartmath.h"
#include "chart/control/render.h"
#include "chartfixture.h"
#include <cmath>

using namespace vexachart;
using namespace vexachart::testing;

TEST(ChartStartUp, NewControlDefaults)
{
    auto c = makeChart();
    EXPECT_EQ(c->Title(), QStringLiteral("Vexachart"));
    EXPECT_EQ(c->XAxisLabel(), QStringLiteral("X-Axis [1]"));
    EXPECT_EQ(c->YAxisLabel(), QStringLiteral("Y-Axis [1]"));
    EXPECT_EQ(c->MaxCountOfPlots(), 4);
    const int colours[4][3] = {{230, 251, 96}, {255, 152, 65}, {255, 0, 255}, {0, 0, 240}};
    for (int i = 1; i <= 4; ++i) {
        const PlotStyle& s = c->plotStyle(i);
        EXPECT_EQ(s.Label.trimmed(), QStringLiteral("Plot %1").arg(i));
        EXPECT_EQ(s.RColor, colours[i - 1][0]);
        EXPECT_EQ(s.BColor, colours[i - 1][2]);
        EXPECT_EQ(s.LineWidth, 1);
        EXPECT_EQ(s.Marker, 0);
        EXPECT_EQ(s.MarkerSize, 3);
        EXPECT_TRUE(s.Visible);
        EXPECT_EQ(c->plotData(i).count(), 101);
    }
    EXPECT_EQ(c->ClrChartBackGround(), 0xEFBA3Du);
    EXPECT_EQ(c->ClrGrid(), 0xB89C50u);
    EXPECT_EQ(c->globalBorders(), (Borders{0.01, 100, 0.01, 100}));
    EXPECT_EQ(c->displayBorders(), (Borders{0.01, 100, 0.01, 100}));
    EXPECT_TRUE(c->ShowLegend());
    EXPECT_FALSE(c->flashReady());
    EXPECT_FALSE(c->pInit());
    EXPECT_EQ(c->TimeStepTable()[2][0], 4);
    EXPECT_EQ(c->TimeFormatCursor(), QStringLiteral("DD-MMM-YYYY HH\"h\":NN\"m\":SS\"s\""));
}

TEST(ChartStartUp, SettersDrawOnlyOncePInitIsClear)
{
    Vexachart c(nullptr, fixedMetrics());
    c.setPainting(false);
    c.setClrGrid(5);
    c.setShowLegend(false);
    EXPECT_EQ(c.redrawCount(), 0);
    c.initNew(); // four SetPlotAspects, each through the resize handling
    EXPECT_EQ(c.redrawCount(), 4);
    EXPECT_FALSE(c.pInit());
    c.resizeTo(QSize(300, 200));
    EXPECT_EQ(c.redrawCount(), 5);
    c.setPInit(true);
    c.setPlotAspect(1, QStringLiteral("x"));
    EXPECT_EQ(c.redrawCount(), 5);
    c.SetPlotAspects(2, Variant::missing(), 255);
    EXPECT_EQ(c.plotStyle(2).RColor, 255);
    EXPECT_EQ(c.plotStyle(2).GColor, 152);
    EXPECT_FALSE(c.pInit());
    EXPECT_EQ(c.redrawCount(), 6);
}

TEST(ChartProperties, ChecksNotificationsAndMappings)
{
    auto c = makeChart();
    QSignalSpy notes(c.get(), &Vexachart::propertyChanged);
    const struct {
        qint16 written, read;
    } grid[] = {{0, 0}, {1, 1}, {2, 2}, {7, 0}};
    for (auto g : grid) {
        c->setGridStyle(g.written);
        EXPECT_EQ(c->GridStyle(), g.read);
    }
    notes.clear();
    c->setXScalingNotation(3);
    EXPECT_EQ(notes.count(), 0);
    EXPECT_EQ(c->XScalingNotation(), 0);
    c->setBorderStyle(2);
    EXPECT_EQ(c->BorderStyle(), 1);
    EXPECT_EQ(notes.takeFirst().at(0).toString(), QStringLiteral("BorderStyle"));
    c->setMaxCountOfPlots(6);
    EXPECT_EQ(c->plotData(5).count(), 0);
    EXPECT_EQ(c->plotData(4).count(), 101);
    c->setMaxCountOfPlots(2);
    EXPECT_EQ(errorOf([&] { c->SetPlotVisible(3, false); }).source, QStringLiteral("Vexachart.SetPlotVisible"));
    const auto refused = errorOf([&] { c->setMaxCountOfPlots(0); });
    EXPECT_EQ(refused.number, 9999);
    EXPECT_EQ(c->MaxCountOfPlots(), 2);
    c->setMaxCountOfPlots(3);
    notes.clear();
    c->setPlotAspect(2, QStringLiteral("B"));
    EXPECT_EQ(notes.count(), 24);
    EXPECT_EQ(notes.first().at(0).toString(), QStringLiteral("PlotStyle1.RColor"));
    EXPECT_EQ(notes.at(3).at(0).toString(), QStringLiteral("PlotStyle1.Label"));
    EXPECT_EQ(notes.last().at(0).toString(), QStringLiteral("PlotStyle3.Visible"));
    EXPECT_EQ(errorOf([&] { c->setPlotAspect(4, QStringLiteral("B")); }).number, 9);
    c->SetPlotLegendText(1, QString(200, QLatin1Char('a')));
    EXPECT_EQ(c->plotStyle(1).Label, QString(128, QLatin1Char('a')));
    EXPECT_EQ(errorOf([&] { c->SetPlotAspects(1, QStringLiteral("L"), QStringLiteral("red")); }).number, 13);
    EXPECT_EQ(c->plotStyle(1).Label.trimmed(), QStringLiteral("L"));
    EXPECT_EQ(errorOf([&] { c->SetPlotAspects(1, Variant::missing(), 40000); }).number, 6);
    c->SetPlotAspects(1, Variant::missing(), Variant::missing(), Variant::missing(), Variant::missing(),
        Variant::missing(), Variant::missing(), Variant::missing(), QStringLiteral("True"));
    EXPECT_TRUE(c->plotStyle(1).Visible);
}

TEST(ChartPersistence, EmptyBagLoadsTheReaderDefaults)
{
    Vexachart c(nullptr, fixedMetrics());
    c.setPainting(false);
    const QStringList bad = c.ReadProperties(PropertyBag{});
    EXPECT_TRUE(bad.isEmpty());
    EXPECT_EQ(c.ClrControlBackGround(), 0x80C0FFu);
    EXPECT_EQ(c.ClrChartBackGround(), 0x80C0FFu);
    EXPECT_EQ(c.ClrGrid(), 0u);
    EXPECT_EQ(c.Title(), QStringLiteral("Title"));
    EXPECT_EQ(c.MaxCountOfPlots(), 4);
    EXPECT_EQ(c.plotStyle(3).Label, QString(128, QLatin1Char(' ')));
    EXPECT_EQ(c.plotStyle(3).MarkerSize, 4);
    EXPECT_TRUE(c.plotStyle(3).Visible);
    EXPECT_EQ(c.TimeFormat(3), QString());
    EXPECT_EQ(c.displayBorders(), (Borders{0.1, 10, 0.1, 10}));
    EXPECT_FALSE(c.Enabled());
    EXPECT_TRUE(c.flashReady());
    EXPECT_FALSE(c.pInit());
}

TEST(ChartPersistence, SixPlotsOnLogAndDateAxesRoundTrip)
{
    auto c = makeChart();
    c->setMaxCountOfPlots(6);
    for (int p = 1; p <= 6; ++p)
        c->SetPlotAspects(static_cast<qint16>(p), QStringLiteral("  Curve %1").arg(p), p * 10, 0, 255 - p, p % 3,
            p % 8, 2 + p, p != 4);
    c->setYAxisLinLogMode(1);
    c->setXScalingNotation(2);
    c->SetGlobalBorders(QStringLiteral("2005/01/01/00/00/00"), QStringLiteral("2005/02/01/00/00/00"), 1.0, 1000.0,
        qint16(0), qint16(1));
    c->setGridStyle(1);
    c->setTitle(QStringLiteral("Say \"hi\""));
    const PropertyBag bag = c->WriteProperties();
    EXPECT_TRUE(bag.contains(QStringLiteral("PlotStyle6.Label")));
    EXPECT_TRUE(bag.contains(QStringLiteral("PlotStyle4.Visible"))); // False differs from the default
    // Plot keys whose value differs from the writer default: RColor, BColor, Label and Marker of all
    // six plots, LineWidth of plots 2, 3, 5, 6 (not 1), MarkerSize of all but plot 2 (not 4),
    // Visible of plot 4 only; no GColor (0).
    int plotKeys = 0;
    for (const QString& k : bag.keys())
        plotKeys += k.startsWith(QLatin1String("PlotStyle")) ? 1 : 0;
    EXPECT_EQ(plotKeys, 6 * 4 + 4 + 5 + 1);
    EXPECT_FALSE(bag.contains(QStringLiteral("ShowLegend"))); // equal to its writer default
    // Keys come in the stored order: colours, texts, modes, fonts, plots, formats, borders, switches.
    const QStringList keys = bag.keys();
    const QStringList order = {"ClrControlBackGround", "ClrGrid", "GridStyle", "Title", "LabX", "LabY",
        "YAxisLinLogMode", "XAxisLinLogMode", "XScalingNotation", "YScalingNotation", "FontTitle", "FontLegend",
        "MaxCountOfPlots", "PlotStyle1.RColor", "PlotStyle1.Label", "PlotStyle6.Label", "pTimeFormat0",
        "pTimeFormat6", "XMinGlobal", "YMaxGlobal", "Enabled"};
    for (const QString& k : order)
        EXPECT_TRUE(keys.contains(k)) << k.toStdString();
    for (int i = 1; i < order.size(); ++i)
        EXPECT_LT(keys.indexOf(order[i - 1]), keys.indexOf(order[i])) << order[i].toStdString();
    const QString text = bag.toText();
    Vexachart d(nullptr, fixedMetrics());
    d.setPainting(false);
    EXPECT_TRUE(d.ReadProperties(PropertyBag::fromText(text)).isEmpty());
    for (int p = 1; p <= 6; ++p)
        EXPECT_EQ(d.plotStyle(p), c->plotStyle(p)) << p;
    EXPECT_EQ(d.GridStyle(), 1);
    EXPECT_EQ(d.Title(), c->Title());
    EXPECT_EQ(d.YAxisLinLogMode(), 1);
    EXPECT_EQ(d.XScalingNotation(), 2);
    EXPECT_EQ(d.globalBorders(), c->globalBorders());
    EXPECT_EQ(d.displayBorders(), c->globalBorders());
    EXPECT_EQ(d.XMinGlobal().toString(), QStringLiteral("2005/01/01/00/00/00"));
    EXPECT_EQ(d.YMaxGlobal().toDouble(), 1000.0);
    EXPECT_EQ(d.FontPlot(), c->FontPlot());
    EXPECT_EQ(d.WriteProperties().toText(), text);
}

TEST(ChartPersistence, SmallRangesAndBadValues)
{
    PropertyBag bag;
    bag.set(QStringLiteral("XMinGlobal"), 0.0);
    bag.set(QStringLiteral("XMaxGlobal"), 0.2);
    bag.set(QStringLiteral("YMinGlobal"), 0.0);
    bag.set(QStringLiteral("YMaxGlobal"), 0.2);
    bag.set(QStringLiteral("MaxCountOfPlots"), QStringLiteral("abc"));
    bag.set(QStringLiteral("ClrGrid"), QStringLiteral("green"));
    Vexachart c(nullptr, fixedMetrics());
    c.setPainting(false);
    const QStringList bad = c.ReadProperties(bag);
    EXPECT_TRUE(bad.contains(QStringLiteral("MaxCountOfPlots")));
    EXPECT_TRUE(bad.contains(QStringLiteral("ClrGrid")));
    EXPECT_EQ(c.MaxCountOfPlots(), 4);
    EXPECT_EQ(c.displayBorders(), (Borders{0, 0.2, 0, 0.2})); // not refused as a zoom step
    EXPECT_GT(c.redrawCount(), 0);
}

TEST(ChartPersistence, StoredSpansTooSmallToMapTakeTheDefaults)
{
    PropertyBag bag;
    bag.set(QStringLiteral("XMinGlobal"), 0.0);
    bag.set(QStringLiteral("XMaxGlobal"), 5e-324);
    Vexachart c(nullptr, fixedMetrics());
    c.setPainting(false);
    c.resizeTo(QSize(600, 400));
    const QStringList bad = c.ReadProperties(bag);
    EXPECT_TRUE(bad.contains(QStringLiteral("XMinGlobal")));
    EXPECT_EQ(c.globalBorders().X_Left, 0.1);
    EXPECT_EQ(c.globalBorders().X_Right, 10.0);
    // A program-set range that small is refused as well, and what was drawn stays finite.
    EXPECT_EQ(c.DrawChart(Borders{0.0, 1e-310, 0.0, 1.0}), DrawResult::Refused);
    EXPECT_EQ(c.displayBorders().X_Right, 10.0);
    for (const auto& plot : c.scene().plots)
        for (const QLineF& l : plot.geometry.lines)
            ASSERT_TRUE(std::isfinite(l.x1()) && std::isfinite(l.x2()) && std::abs(l.x1()) < 1e5);
}

// A 600 x 400 chart loaded from stored text; empty (and a test failure) when the load raises.
static std::unique_ptr<Vexachart> loadStored(const char* text, QStringList& bad)
{
    auto c = std::make_unique<Vexachart>(nullptr, fixedMetrics());
    c->setPainting(false);
    c->resizeTo(QSize(600, 400));
    try {
        bad = c->ReadProperties(PropertyBag::fromText(QString::fromLatin1(text)));
    } catch (const common::Error& e) {
        ADD_FAILURE() << "loading raised error " << e.number();
        return nullptr;
    }
    return c;
}

TEST(ChartPersistence, StoredBordersWithoutAxisValuesTakeTheDefaults)
{
    // Stored (log10 or serial) borders whose value on the axis overflows, is no date, or is zero.
    struct Case {
        const char* text;
        const char* badKey;
    };
    const Case cases[] = {
        {"XAxisLinLogMode = 1\nXMinGlobal = 400\nXMaxGlobal = 500\n", "XMinGlobal"},
        {"YAxisLinLogMode = 1\nYMinGlobal = -400\nYMaxGlobal = -300\n", "YMinGlobal"},
        {"XScalingNotation = 2\nXMinGlobal = 1e15\nXMaxGlobal = 2e15\n", "XMinGlobal"},
        {"XScalingNotation = 2\nXMinGlobal = -1e9\nXMaxGlobal = 1e9\n", "XMinGlobal"},
        {"XMinGlobal = -1e308\nXMaxGlobal = 1e308\n", "XMinGlobal"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        QStringList bad;
        const auto loaded = loadStored(k.text, bad);
        if (!loaded)
            continue;
        const Vexachart& c = *loaded;
        EXPECT_TRUE(bad.contains(QLatin1String(k.badKey))) << bad.join(QLatin1Char(',')).toStdString();
        EXPECT_FALSE(c.pInit());
        EXPECT_GT(c.redrawCount(), 0);
        EXPECT_EQ(c.plotData(1).count(), 101);
    }
}

TEST(ChartPersistence, StoredAxisModesAndNotations)
{
    // Modes other than 0 and 1 fall back to linear and are reported; notations 0 to 2 are taken as
    // stored, also date-time on a logarithmic axis.
    struct Case {
        const char* text;
        int xMode, xNotation, yMode, yNotation;
        const char* badKey; // nullptr: nothing reported
    };
    const Case cases[] = {
        {"XScalingNotation = 2\nXMinGlobal = 38000\nXMaxGlobal = 39000\n", 0, 2, 0, 0, nullptr},
        {"XAxisLinLogMode = 1\nXScalingNotation = 2\nXMinGlobal = 4\nXMaxGlobal = 4.6\n", 1, 2, 0, 0, nullptr},
        {"YAxisLinLogMode = 1\nYScalingNotation = 2\n", 0, 0, 1, 2, nullptr},
        {"YAxisLinLogMode = 1\nYScalingNotation = 1\n", 0, 0, 1, 1, nullptr},
        {"XAxisLinLogMode = 2\n", 0, 0, 0, 0, "XAxisLinLogMode"},
        {"YAxisLinLogMode = -1\nYScalingNotation = 2\n", 0, 0, 0, 2, "YAxisLinLogMode"},
        {"XScalingNotation = 5\n", 0, 0, 0, 0, "XScalingNotation"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        QStringList bad;
        const auto loaded = loadStored(k.text, bad);
        if (!loaded)
            continue;
        const Vexachart& c = *loaded;
        EXPECT_EQ(c.XAxisLinLogMode(), k.xMode);
        EXPECT_EQ(c.XScalingNotation(), k.xNotation);
        EXPECT_EQ(c.YAxisLinLogMode(), k.yMode);
        EXPECT_EQ(c.YScalingNotation(), k.yNotation);
        EXPECT_EQ(bad, k.badKey ? QStringList{QLatin1String(k.badKey)} : QStringList{});
        EXPECT_FALSE(c.pInit());
        EXPECT_GT(c.redrawCount(), 0);
        // What is loaded is written back unchanged.
        Vexachart d(nullptr, fixedMetrics());
        d.setPainting(false);
        d.ReadProperties(c.WriteProperties());
        EXPECT_EQ(d.XScalingNotation(), k.xNotation);
        EXPECT_EQ(d.YScalingNotation(), k.yNotation);
    }
    // A logarithmic date-time axis reads out as a logarithmic one and gets its test curves when its
    // range names dates (10^4 .. 10^4.6 days).
    QStringList bad;
    const auto logDates = loadStored("XAxisLinLogMode = 1\nXScalingNotation = 2\nXMinGlobal = 4\nXMaxGlobal = 4.6\n", bad);
    ASSERT_TRUE(logDates);
    EXPECT_EQ(logDates->XMinGlobal().toDouble(), 10000.0);
    EXPECT_EQ(logDates->plotData(1).count(), 101);
    EXPECT_GT(logDates->xAxisScale().Count, 0);
    // The setters still refuse modes other than 0 and 1.
    auto n = makeChart();
    for (qint16 m : {qint16(2), qint16(-1)}) {
        EXPECT_EQ(errorOf([&] { n->setXAxisLinLogMode(m); }).number, 9999) << m;
        EXPECT_EQ(n->XAxisLinLogMode(), 0);
    }
}

TEST(ChartFlash, MessageHoldThenResetToTheGlobalRange)
{
    auto c = makeChart();
    c->ReadProperties(c->WriteProperties()); // a loaded control may flash
    ASSERT_TRUE(c->flashReady());
    c->SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    c->SetDisplayBorders(10.0, 20.0, 10.0, 20.0);
    c->setEnabled(false);
    EXPECT_EQ(c->DrawChart(Borders{5, 5, 0, 1}, DrawOrigin::Interactive), DrawResult::Refused);
    EXPECT_TRUE(c->flashPending());
    EXPECT_EQ(c->flashMessage(), QStringLiteral("Drawing Selected Range: Out of Range !"));
    EXPECT_EQ(c->displayBorders(), (Borders{10, 20, 10, 20}));
    c->finishFlash();
    EXPECT_FALSE(c->flashPending());
    EXPECT_EQ(c->displayBorders(), (Borders{0, 100, 0, 100}));
    EXPECT_TRUE(c->flashReady());
    EXPECT_FALSE(c->Enabled()); // the container's Enabled is left alone
    // While pInit is set no message is shown.
    c->setPInit(true);
    c->DrawChart(Borders{5, 5, 0, 1});
    EXPECT_FALSE(c->flashPending());
}

TEST(ChartRedraw, ScrollBarsAndTheRangeEvent)
{
    auto c = makeChart();
    c->SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    EXPECT_EQ(c->scrollH(), (ScrollValues{10000, 10000, 10000, 1000, 10000}));
    QSignalSpy range(c.get(), &Vexachart::DisplayRangeChanged);
    c->SetDisplayBorders(25.0, 50.0, 25.0, 50.0);
    EXPECT_EQ(c->scrollH(), (ScrollValues{2500, 10000, 2500, 250, 5000}));
    EXPECT_EQ(c->scrollV().value, 7500);
    c->SetDisplayBorders(25.0, 50.0, 0.0, 25.0);
    EXPECT_EQ(c->scrollV().value, 10000);
    ASSERT_EQ(range.count(), 2);
    EXPECT_EQ(range.last().at(0).toDouble(), 25.0);
    c->SetGlobalBorders(1.0, 100.0, 0.0, 1.0, qint16(1), qint16(0));
    EXPECT_NEAR(range.last().at(1).toDouble(), 100.0, 1e-9);
    // A redraw without borders keeps them, leaves the bars and still reports the range.
    const ScrollValues h = c->scrollH();
    c->Refresh();
    EXPECT_EQ(c->scrollH(), h);
    EXPECT_EQ(range.count(), 4);
}

TEST(ChartRedraw, TransformsAndTheirInverse)
{
    auto c = makeChart();
    struct Case {
        Borders b;
        double x, u;
        double y, v;
    };
    const Case cases[] = {
        {{0, 10, -1, 1}, 2.5, 12500, 0, 25000},
        {{45000, 45010, 0, 1}, 45002.5, 12500, 0.5, 25000},
    };
    for (const Case& k : cases) {
        c->SetDisplayBorders(k.b.X_Left, k.b.X_Right, k.b.Y_Bottom, k.b.Y_Top);
        EXPECT_DOUBLE_EQ(c->XToUser(k.x), k.u);
        EXPECT_DOUBLE_EQ(c->UserToX(k.u), k.x);
        EXPECT_DOUBLE_EQ(c->YToUser(k.y), k.v);
        EXPECT_DOUBLE_EQ(c->UserToY(k.v), k.y);
    }
    c->SetGlobalBorders(0.1, 1000.0, 0.0, 1.0, qint16(1), qint16(0));
    EXPECT_NEAR(c->XToUser(chartLog10(10.0)), 25000.0, 1e-6);
}

TEST(ChartRedraw, AFailedXAxisLeavesNoStaleYTicks)
{
    auto c = makeChart();
    c->ReadProperties(c->WriteProperties());
    c->SetGlobalBorders(1e15, 1e15 + 10, 0.0, 1000.0);
    c->SetDisplayBorders(1e15, 1e15 + 10, 0.0, 1000.0);
    EXPECT_TRUE(c->flashPending());
    EXPECT_EQ(c->flashMessage(), QStringLiteral("Drawing Grids: Out of Range !"));
    EXPECT_EQ(c->xAxisScale().Count, 100);
    // The Y table belongs to the range just drawn, not to the previous one.
    EXPECT_EQ(c->yAxisScale().tick(c->yAxisScale().Count).Value, 1000.0);
}

TEST(ChartRedraw, OutOfRangeStylesAreStoredButDrawnClamped)
{
    auto c = makeChart(true);
    c->SetGlobalBorders(0.0, 10.0, 0.0, 10.0);
    c->ClearAllPlotData();
    c->AddNewDataPoint(1, 1.0, 5.0);
    c->AddNewDataPoint(1, 9.0, 5.0);
    c->SetPlotAspects(1, Variant::missing(), 300, -20, 0, 30000, 4, 30000);
    EXPECT_EQ(c->plotStyle(1).RColor, 300);
    EXPECT_EQ(c->plotStyle(1).LineWidth, 30000);
    const QImage& img = c->picture();
    const QRect g = toPixels(c->scene().layout.graph, c->twipsPerPixel());
    EXPECT_EQ(QColor(img.pixel(g.center())), QColor(255, 0, 0));
    // Nothing spills out of the plot area however wide the pen.
    EXPECT_NE(QColor(img.pixel(g.left() - 5, g.center().y())), QColor(255, 0, 0));
}
