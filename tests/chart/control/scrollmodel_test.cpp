#include "chart/control/scrollmodel.h"
#include "chartfixture.h"
#include <gtest/gtest.h>

using namespace vexachart;

namespace {

std::unique_ptr<Vexachart> chartWithGlobal(const Borders& global)
{
    auto chart = vexachart::testing::makeChart();
    chart->pInit = false;
    chart->SetGlobalBorders(global.X_Left, global.X_Right, global.Y_Bottom, global.Y_Top);
    return chart;
}

} // namespace

TEST(Scrolling, BarsForADisplayInsideTheGlobalRange)
{
    struct Case {
        const char* what;
        Borders display;
        ScrollValues h;
        ScrollValues v;
    };
    const Borders global{0, 100, 0, 100};
    const Case cases[] = {
        {"x and y 25..50", {25, 50, 25, 50}, {2500, 10000, 2500, 250, 5000}, {2500, 10000, 2500, 250, 7500}},
        {"left and bottom end", {0, 25, 0, 25}, {2500, 10000, 2500, 250, 2500}, {2500, 10000, 2500, 250, 10000}},
        {"right and top end", {75, 100, 75, 100}, {2500, 10000, 2500, 250, 10000}, {2500, 10000, 2500, 250, 2500}},
        {"display equals global", global, {10000, 10000, 10000, 1000, 10000}, {10000, 10000, 10000, 1000, 10000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto chart = chartWithGlobal(global);
        chart->DrawChart(c.display, DrawOrigin::Program);
        EXPECT_EQ(chart->scrollH(), c.h);
        EXPECT_EQ(chart->scrollV(), c.v);
    }
}

TEST(Scrolling, ScrollBarsMoveTheDisplayAndKeepItsSpan)
{
    auto chart = chartWithGlobal({0, 100, 0, 100});
    chart->DrawChart(Borders{25, 50, 25, 50}, DrawOrigin::Program);

    // One page step to the right: 50..75.
    scrollChartHorizontally(*chart, chart->scrollH().value + chart->scrollH().largeChange);
    EXPECT_DOUBLE_EQ(chart->displayBorders().X_Left, 50);
    EXPECT_DOUBLE_EQ(chart->displayBorders().X_Right, 75);
    EXPECT_EQ(chart->scrollH().value, 7500);
    EXPECT_DOUBLE_EQ(chart->displayBorders().Y_Bottom, 25);

    // The vertical bar runs upwards: 5000 shows 50..75, its top end the top of the global range.
    scrollChartVertically(*chart, 5000);
    EXPECT_DOUBLE_EQ(chart->displayBorders().Y_Bottom, 50);
    EXPECT_DOUBLE_EQ(chart->displayBorders().Y_Top, 75);
    scrollChartVertically(*chart, chart->scrollV().min);
    EXPECT_DOUBLE_EQ(chart->displayBorders().Y_Top, 100);
    EXPECT_DOUBLE_EQ(chart->displayBorders().X_Left, 50);
}

TEST(Scrolling, ABarWithoutRangeDoesNotScroll)
{
    auto chart = chartWithGlobal({0, 100, 0, 100});
    chart->DrawChart(Borders{0, 100, 0, 100}, DrawOrigin::Program);
    const int redraws = chart->redrawCount();
    scrollChartHorizontally(*chart, 5000);
    scrollChartVertically(*chart, 5000);
    EXPECT_EQ(chart->redrawCount(), redraws);
    EXPECT_FALSE(scrolledHorizontally({2500, 2500, 1, 1, 2500}, 5000, {0, 1, 0, 1}, {0, 2, 0, 2}));
}
