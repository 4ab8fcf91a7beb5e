#include "chart/control/plotdata.h"
#include "chartfixture.h"
#include <random>

using namespace vexachart;
using namespace vexachart::testing;

namespace {
std::vector<double> xsOf(const Vexachart& c, int plot)
{
    const PointArray& xs = c.plotData(plot).xs();
    return {xs.begin(), xs.end()};
}
std::vector<double> ysOf(const Vexachart& c, int plot)
{
    const PointArray& ys = c.plotData(plot).ys();
    return {ys.begin(), ys.end()};
}
}

TEST(PlotData, InsertionKeepsXSortedWithTheEqualXRule)
{
    auto c = makeChart();
    c->ClearAllPlotData();
    c->AddNewDataPoint(1, 3.0, 30.0);
    c->AddNewDataPoint(1, 1.0, 10.0);
    c->AddNewDataPoint(1, 2.0, 20.0);
    EXPECT_EQ(xsOf(*c, 1), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(ysOf(*c, 1), (std::vector<double>{10, 20, 30}));
    // Equal to the only point: in front. With more points: after the last equal one; largest: appended.
    c->AddNewDataPoint(2, 5.0, 1.0);
    c->AddNewDataPoint(2, 5.0, 2.0);
    EXPECT_EQ(ysOf(*c, 2), (std::vector<double>{2, 1}));
    c->AddNewDataPoint(2, 5.0, 3.0);
    c->AddNewDataPoint(2, 4.0, 0.0);
    c->AddNewDataPoint(2, 4.0, 0.5);
    EXPECT_EQ(ysOf(*c, 2), (std::vector<double>{0, 0.5, 2, 1, 3}));
}

// The insertion rule written out plainly: after every stored point whose x is at or below the
// new one, except that a point not above the only stored point goes in front of it.
static void referenceInsert(std::vector<std::pair<double, double>>& v, double x, double y)
{
    size_t p = 0;
    if (v.size() == 1)
        p = x > v[0].first ? 1 : 0;
    else
        while (p < v.size() && v[p].first <= x)
            ++p;
    v.insert(v.begin() + static_cast<std::ptrdiff_t>(p), {x, y});
}

TEST(PlotData, OutOfOrderInsertionEqualsTheSequentialRule)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pick(0, 9); // many duplicates
    std::bernoulli_distribution readNow(0.2);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::pair<double, double>> reference;
        PointArray arrivalX, arrivalY;
        PlotPoints lazy;
        const int n = 1 + round % 23;
        for (int i = 0; i < n; ++i) {
            const double x = pick(rng) - 4.0;
            referenceInsert(reference, x, i);
            arrivalX.push_back(x);
            arrivalY.push_back(i);
            lazy.insert(x, i);
            if (readNow(rng)) { // reading in between merges what has arrived so far
                ASSERT_EQ(lazy.count(), static_cast<int>(reference.size()));
            }
            if (readNow(rng)) {
                ASSERT_EQ(lazy.x(1), reference.front().first);
            }
        }
        PlotPoints bulk;
        bulk.assignInOrder(arrivalX, arrivalY);
        for (int i = 1; i <= n; ++i) {
            ASSERT_EQ(lazy.x(i), reference[static_cast<size_t>(i - 1)].first) << round;
            ASSERT_EQ(lazy.y(i), reference[static_cast<size_t>(i - 1)].second) << round;
            ASSERT_EQ(bulk.y(i), reference[static_cast<size_t>(i - 1)].second) << round;
        }
    }
}

TEST(PlotData, FindPlotRangeCoversTheVisibleSegments)
{
    PlotPoints p;
    for (int i = 0; i <= 10; ++i)
        p.insert(i, i);
    const auto r = p.findPlotRange(2.5, 6.5);
    ASSERT_TRUE(r);
    EXPECT_LE(r->first, 3); // segment 3 runs from x 2 to x 3
    EXPECT_GE(r->last, 7);  // segment 7 runs from x 6 to x 7
    EXPECT_LE(r->last, 10);
    PlotPoints single;
    single.insert(1, 1);
    EXPECT_FALSE(single.findPlotRange(0, 2));
    const auto all = p.findPlotRange(-5, 50);
    EXPECT_EQ(all->first, 1);
    EXPECT_EQ(all->last, 10);
}

TEST(PlotData, LogAxisRefusesValuesItCannotTake)
{
    auto c = makeChart();
    c->SetGlobalBorders(0.01, 100.0, 0.01, 100.0, qint16(0), qint16(1));
    c->ClearSinglePlotDataArray(1);
    c->AddNewDataPoint(1, 1.0, 10.0);
    for (const Variant& y : {Variant(0.0), Variant(-1.0), Variant(std::nan(""))}) {
        const auto e = errorOf([&] { c->AddNewDataPoint(1, 2.0, y); });
        EXPECT_EQ(e.number, 5);
        EXPECT_EQ(e.source, QStringLiteral("Vexachart.AddNewDataPoint"));
        EXPECT_EQ(e.description, QStringLiteral("Non conform values e.g. negative values in a log-plot."));
    }
    EXPECT_EQ(c->plotData(1).count(), 1);
    // Non-finite values are refused on a linear axis too.
    EXPECT_EQ(errorOf([&] { c->AddNewDataPoint(2, std::numeric_limits<double>::infinity(), 1.0); }).number, 5);
    EXPECT_EQ(errorOf([&] { c->AddNewDataPoint(9, 1.0, 1.0); }).number, 9);
}

TEST(PlotData, InsertSingleDataArrayShapes)
{
    auto c = makeChart();
    c->InsertSingleDataArray(1, Variant::array1({10, 20, 30}));
    EXPECT_EQ(xsOf(*c, 1), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(ysOf(*c, 1), (std::vector<double>{10, 20, 30}));
    c->InsertSingleDataArray(1, Variant::array1({10, 20, 30}), 0.5f);
    EXPECT_EQ(xsOf(*c, 1), (std::vector<double>{0.5, 1, 1.5}));
    c->InsertSingleDataArray(2, Variant::array2(4, 3, {1, 9, 100, 2, 9, 200, 3, 9, 300, 4, 9, 400}));
    EXPECT_EQ(xsOf(*c, 2), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(ysOf(*c, 2), (std::vector<double>{100, 200, 300, 400}));
    c->InsertSingleDataArray(3, Variant::array2(3, 1, {7, 8, 9}, 0, 0), 2.0f, QStringLiteral("Flow"));
    EXPECT_EQ(xsOf(*c, 3), (std::vector<double>{2, 4, 6}));
    EXPECT_EQ(c->plotStyle(3).Label.trimmed(), QStringLiteral("Flow"));
    EXPECT_EQ(c->plotStyle(3).Label.size(), 128);
    // On a log axis a bad element keeps the points before it and raises 5 with the member's text.
    c->SetGlobalBorders(0.01, 100.0, 0.01, 100.0, qint16(0), qint16(1));
    const auto e = errorOf([&] { c->InsertSingleDataArray(4, Variant::array1({1, 2, -3, 4})); });
    EXPECT_EQ(e.number, 5);
    EXPECT_EQ(e.source, QStringLiteral("Vexachart.InserSingleDataArray"));
    EXPECT_EQ(e.description, QStringLiteral("Non conform values e.g. negative values in a log-plot.\r"));
    EXPECT_EQ(c->plotData(4).count(), 2);
}

TEST(PlotData, AddNewDataArrayFillsPlotsOrRefusesTooManyColumns)
{
    auto c = makeChart();
    std::vector<double> v;
    for (int r = 0; r < 10; ++r)
        for (int col = 0; col < 5; ++col)
            v.push_back(r * 10 + col);
    c->AddNewDataArray(Variant::array2(10, 5, v));
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(c->plotData(p).count(), 10);
        EXPECT_EQ(c->plotData(p).y(2), 10 + p);
        EXPECT_EQ(c->plotData(p).x(2), 10);
    }
    c->setMaxCountOfPlots(3);
    c->ClearAllPlotData();
    const auto e = errorOf([&] { c->AddNewDataArray(Variant::array2(10, 5, v)); });
    EXPECT_EQ(e.number, 999);
    EXPECT_EQ(e.source, QStringLiteral("Vexachart.AddNewDataArray"));
    EXPECT_EQ(e.description,
        QStringLiteral("Not enought plots initialized: more columns in array than data-source-arrays intitalized\r"));
    EXPECT_EQ(c->plotData(1).count(), 0);
}

TEST(PlotData, GetDataInUserUnits)
{
    auto c = makeChart();
    c->InsertSingleDataArray(1, Variant::array1({100, 1000}));
    Variant lin = c->GetData(qint16(1));
    EXPECT_EQ(lin.at(2, 2).toDouble(), 1000.0);
    EXPECT_EQ(lin.array().dims[0].upper, 2);
    c->SetGlobalBorders(0.01, 100.0, 0.01, 10000.0, qint16(0), qint16(1));
    EXPECT_EQ(c->GetData(qint16(1)).at(1, 2).toDouble(), 100.0); // rounded to six digits
    c->setYAxisLinLogMode(0);
    c->setXScalingNotation(2);
    c->ClearSinglePlotDataArray(2);
    c->AddNewDataPoint(2, QStringLiteral("2005/03/07/14/05/09"), 5.0);
    EXPECT_EQ(c->GetData(qint16(2)).at(1, 1).toString(), QStringLiteral("2005/03/07/14/05/09"));
    c->ClearSinglePlotDataArray(3);
    const auto e = errorOf([&] { c->GetData(qint16(3)); });
    EXPECT_EQ(e.number, 9);
    EXPECT_EQ(e.source, QStringLiteral("Vexachart.GetData"));
}

TEST(PlotData, CreateTestDataOverTheGlobalBorders)
{
    auto c = makeChart();
    c->CreateTestData();
    for (int p = 1; p <= 4; ++p) {
        ASSERT_EQ(c->plotData(p).count(), 101);
        for (double y : c->plotData(p).ys()) {
            EXPECT_GE(y, 0.01);
            EXPECT_LE(y, 100.0);
        }
    }
    EXPECT_EQ(c->plotData(1).x(1), 0.01);
    EXPECT_EQ(c->plotData(1).x(101), 99.99999999999979);
    EXPECT_DOUBLE_EQ(c->plotData(1).y(1), 50.004999999999995);
}

TEST(PlotData, PlotNewDataPointScrollsToTheNewPoint)
{
    auto c = makeChart();
    c->SetGlobalBorders(0.0, 10.0, 0.0, 10.0);
    c->ClearAllPlotData();
    c->AddNewDataPoint(1, 1.0, 1.0);
    c->AddNewDataPoint(1, 2.0, 1.0);
    c->SetDisplayBorders(0.0, 4.0, 0.0, 10.0);
    c->PlotNewDataPoint(1, 12.0, 3.0); // right of every point and of the display
    EXPECT_EQ(c->displayBorders().X_Left, 8.0);
    EXPECT_EQ(c->displayBorders().X_Right, 12.0);
    EXPECT_EQ(c->globalBorders().X_Right, 12.0);
    c->PlotNewDataPoint(1, 5.0, 3.0); // inside: the global X range
    EXPECT_EQ(c->displayBorders().X_Left, 0.0);
    EXPECT_EQ(c->displayBorders().X_Right, 12.0);
    const auto e = errorOf([&] { c->PlotNewDataPoint(1, std::nan(""), 3.0); });
    EXPECT_EQ(e.number, 5);
    EXPECT_EQ(e.description, QStringLiteral("Non conform values e.g. negative values in a log-plot\ror not a valid date/time value."));
}
