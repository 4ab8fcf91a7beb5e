#include "chartfixture.h"
#include "chart/control/propertybag.h"
#include <cmath>

using namespace vexachart;
using namespace vexachart::testing;

TEST(Borders, DisplayBorderRefusals)
{
    auto c = makeChart();
    c->setXAxisLinLogMode(0);
    struct Case {
        double l, r, b, t;
        int xMode;
    };
    const Case cases[] = {
        {5, 5, 0, 1, 0}, {0, 2.5e9, 0, 1, 0}, {0, 10, 1, 2, 1}, {std::nan(""), 1, 0, 1, 0},
        {0, std::numeric_limits<double>::infinity(), 0, 1, 0}, {0, 1, 3, 2, 0},
        // Spans of a few denormals: every mapped point would become infinite.
        {0, 5e-311, 0, 1, 0}, {0, 1, 1e-310, 2e-310, 0},
    };
    for (const Case& k : cases) {
        c->SetGlobalBorders(0.01, 100.0, 0.01, 100.0, qint16(k.xMode), qint16(0));
        const Borders before = c->displayBorders();
        QSignalSpy notes(c.get(), &Vexachart::propertyChanged);
        const auto e = errorOf([&] { c->SetDisplayBorders(k.l, k.r, k.b, k.t); });
        EXPECT_EQ(e.number, 9999);
        EXPECT_EQ(e.source, QStringLiteral("Vexachart.SetDisplayBorders"));
        EXPECT_EQ(e.description, QStringLiteral("Non valid display borders"));
        EXPECT_EQ(c->displayBorders(), before);
        EXPECT_EQ(notes.count(), 0);
    }
}

TEST(Borders, LogAxisStoresLogarithmsAndGivesValuesBack)
{
    auto c = makeChart();
    c->SetGlobalBorders(0.1, 1000.0, 1.0, 2.0, qint16(1), qint16(0));
    c->SetDisplayBorders(0.1, 1000.0, 1.0, 2.0);
    EXPECT_NEAR(c->displayBorders().X_Left, -1.0, 1e-12);
    EXPECT_NEAR(c->displayBorders().X_Right, 3.0, 1e-12);
    const auto b = c->GetDisplayBorders();
    EXPECT_EQ(b.X_Left.toDouble(), 0.1);
    EXPECT_EQ(b.X_Right.toDouble(), 1000.0);
    EXPECT_EQ(c->XMinGlobal().toDouble(), 0.1);
}

TEST(Borders, SetGlobalBordersNotifiesSixKeysAndConvertsPoints)
{
    auto c = makeChart();
    c->ClearAllPlotData();
    for (double x : {1.0, 10.0, 100.0})
        c->AddNewDataPoint(1, x, x);
    QSignalSpy notes(c.get(), &Vexachart::propertyChanged);
    c->SetGlobalBorders(1.0, 100.0, 1.0, 100.0, qint16(1), qint16(1));
    QStringList keys;
    for (const auto& n : notes)
        keys << n.at(0).toString();
    EXPECT_EQ(keys, (QStringList{"XMinGlobal", "XMaxGlobal", "YMinGlobal", "YMaxGlobal", "YAxisLinLogMode", "XAxisLinLogMode"}));
    EXPECT_EQ(c->globalBorders().X_Right, 1.9999999999999964);
    EXPECT_NEAR(c->plotData(1).x(3), 2.0, 1e-12);
    // Without modes both axes become linear again, and the points come back.
    c->SetGlobalBorders(1.0, 100.0, 1.0, 100.0);
    EXPECT_EQ(c->XAxisLinLogMode(), 0);
    EXPECT_NEAR(c->plotData(1).x(3), 100.0, 1e-10);
    EXPECT_NEAR(c->plotData(1).y(2), 10.0, 1e-12);
    // A point at x 0 cannot go onto a log axis: refused, nothing changed.
    c->AddNewDataPoint(1, 0.0, 5.0);
    const auto e = errorOf([&] { c->SetGlobalBorders(1.0, 100.0, 0.5, 1.0, qint16(1), qint16(0)); });
    EXPECT_EQ(e.number, 9999);
    EXPECT_EQ(e.description, QStringLiteral("non valid GlobalBorders"));
    EXPECT_EQ(c->XAxisLinLogMode(), 0);
    EXPECT_EQ(c->plotData(1).x(1), 0.0);
    EXPECT_EQ(c->globalBorders().Y_Bottom, 1.0);
    // Modes other than 0 and 1 are refused.
    EXPECT_EQ(errorOf([&] { c->SetGlobalBorders(1.0, 100.0, 1.0, 2.0, qint16(2), qint16(0)); }).number, 9999);
}

TEST(Borders, DisplayWidensGlobalAndProgramRangesAreNeverRefused)
{
    auto c = makeChart();
    c->SetGlobalBorders(0.0, 10.0, 0.0, 10.0);
    c->SetDisplayBorders(-5.0, 20.0, 0.0, 10.0);
    EXPECT_EQ(c->globalBorders().X_Left, -5.0);
    EXPECT_EQ(c->globalBorders().X_Right, 20.0);
    EXPECT_EQ(c->displayBorders().X_Left, -5.0);
    // 500 times narrower on both axes than the current view: a program's request is drawn.
    c->SetDisplayBorders(0.0, 0.05, 0.0, 0.02);
    EXPECT_EQ(c->displayBorders().X_Right, 0.05);
    EXPECT_EQ(c->displayBorders().Y_Top, 0.02);
    // The same request from the mouse is refused by the zoom-step limit.
    c->SetDisplayBorders(0.0, 10.0, 0.0, 10.0);
    EXPECT_EQ(c->DrawChart(Borders{0.0, 0.02, 0.0, 0.02}, DrawOrigin::Interactive), DrawResult::ZoomRefused);
    EXPECT_EQ(c->displayBorders().X_Right, 10.0);
}

TEST(Borders, DateAxisTakesAndGivesText)
{
    auto c = makeChart();
    c->setXScalingNotation(2);
    c->SetGlobalBorders(QStringLiteral("2005/01/01/00/00/00"), QStringLiteral("2006/01/01/00/00/00"), 0.0, 1.0);
    c->SetDisplayBorders(QStringLiteral("2005/03/01/00/00/00"), QStringLiteral("2005/04/01/00/00/00"), 0.0, 1.0);
    const auto b = c->GetDisplayBorders();
    EXPECT_EQ(b.X_Left.toString(), QStringLiteral("2005/03/01/00/00/00"));
    EXPECT_EQ(b.X_Right.toString(), QStringLiteral("2005/04/01/00/00/00"));
    EXPECT_EQ(c->XMaxGlobal().toString(), QStringLiteral("2006/01/01/00/00/00"));
    EXPECT_EQ(errorOf([&] { c->SetDisplayBorders(QStringLiteral("2005/03"), QStringLiteral("x"), 0.0, 1.0); }).number, 12001);
}

TEST(Borders, DateAxisRangesNameDates)
{
    // Numbers on a date-time axis are serials; those beyond the year 9999 (or before 100) name no
    // date and are refused, as they could be neither shown, given back nor stored.
    auto c = makeChart();
    c->setXScalingNotation(2);
    const Borders before = c->globalBorders();
    EXPECT_EQ(errorOf([&] { c->SetDisplayBorders(1.17e-32, 1936296562.0, 0.0, 1.0); }).number, 9999);
    EXPECT_EQ(errorOf([&] { c->SetGlobalBorders(0.0, 3e6, 0.0, 1.0); }).number, 9999);
    EXPECT_EQ(errorOf([&] { c->SetDisplayBorders(-700000.0, 0.0, 0.0, 1.0); }).number, 9999);
    EXPECT_EQ(c->globalBorders(), before);
    c->SetDisplayBorders(38000.0, 39000.0, 0.0, 1.0); // serials of dates are taken
    EXPECT_EQ(c->XMaxGlobal().toString(), QStringLiteral("2006/10/10/00/00/00"));
    // What the calls left is stored and loaded without a refusal.
    Vexachart d(nullptr, fixedMetrics());
    d.setPainting(false);
    EXPECT_EQ(d.ReadProperties(PropertyBag::fromText(c->WriteProperties().toText())), QStringList{});

    // A range that names no dates does not become a date-time axis; the Y axis likewise.
    auto n = makeChart();
    n->SetGlobalBorders(0.0, 1e9, 0.0, 1.0);
    const auto e = errorOf([&] { n->setXScalingNotation(2); });
    EXPECT_EQ(e.number, 9999);
    EXPECT_EQ(e.source, QStringLiteral("Vexachart.XScalingNotation"));
    EXPECT_EQ(n->XScalingNotation(), 0);
    n->SetGlobalBorders(0.0, 1.0, -1e9, 1.0);
    EXPECT_EQ(errorOf([&] { n->setYScalingNotation(2); }).number, 9999);
    n->SetGlobalBorders(38000.0, 39000.0, 0.0, 1.0);
    n->setXScalingNotation(2);
    n->setYScalingNotation(2);
    EXPECT_EQ(n->XScalingNotation(), 2);
    EXPECT_EQ(n->YScalingNotation(), 2);
}

TEST(Borders, FitToDataRange)
{
    auto c = makeChart();
    c->ClearAllPlotData();
    const Borders before = c->globalBorders();
    c->SetGlobalBordersToDataRange(); // nothing to fit: the borders stay, no error
    EXPECT_EQ(c->globalBorders(), before);
    c->AddNewDataPoint(1, 1.0, 5.0);
    c->AddNewDataPoint(1, 3.0, 7.0);
    c->SetGlobalBordersToDataRange();
    EXPECT_EQ(c->globalBorders(), (Borders{1, 3, 5, 7}));
    EXPECT_EQ(c->displayBorders(), (Borders{1, 3, 5, 7}));
    // Hidden plots count for the two points but not for the range.
    c->SetGlobalBorders(0.0, 10.0, 0.0, 10.0);
    c->SetPlotVisible(1, false);
    const auto e = errorOf([&] { c->SetGlobalBordersToDataRange(); });
    EXPECT_EQ(e.number, 9999);
    EXPECT_EQ(e.source, QStringLiteral("Vexachart.SetGlobalBordersToDataRange"));
    EXPECT_EQ(e.description, QStringLiteral("To few Points, can not fit"));
    EXPECT_EQ(c->globalBorders(), (Borders{0, 10, 0, 10}));
}

TEST(Borders, AxisModeSwitchIsAllOrNothing)
{
    auto c = makeChart();
    c->ClearAllPlotData();
    for (double x : {1.0, 10.0, 100.0})
        c->AddNewDataPoint(1, x, 1.0);
    c->SetGlobalBorders(1.0, 100.0, 0.01, 100.0);
    c->setXAxisLinLogMode(1);
    EXPECT_EQ(c->plotData(1).x(2), 0.9999999999999982);
    c->setXAxisLinLogMode(0);
    EXPECT_NEAR(c->plotData(1).x(3), 100.0, 1e-10);
    c->AddNewDataPoint(1, 0.0, 1.0);
    const Borders before = c->globalBorders();
    const auto e = errorOf([&] { c->setXAxisLinLogMode(1); });
    EXPECT_EQ(e.number, 9999);
    EXPECT_EQ(e.source, QStringLiteral("[Change of X/Y-Axis Lin/Log-Mode]"));
    EXPECT_EQ(e.description, QStringLiteral("non valid x/y-Axis"));
    EXPECT_EQ(c->XAxisLinLogMode(), 0);
    EXPECT_EQ(c->globalBorders(), before);
    EXPECT_EQ(c->plotData(1).x(1), 0.0);
    // Date notation and logarithm exclude each other, either way round.
    c->setYScalingNotation(2);
    EXPECT_EQ(errorOf([&] { c->setYAxisLinLogMode(1); }).number, 9999);
    EXPECT_EQ(c->YAxisLinLogMode(), 0);
    c->setYScalingNotation(0);
    c->setYAxisLinLogMode(1);
    EXPECT_EQ(errorOf([&] { c->setYScalingNotation(2); }).number, 9999);
    EXPECT_EQ(c->YScalingNotation(), 0);
}
