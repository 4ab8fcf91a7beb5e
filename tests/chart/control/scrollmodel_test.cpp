#include "chart/control/scrollmodel.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace vexachart;

TEST(ScrollModel, BarsForADisplayInsideTheGlobalRange)
{
    struct Case {
        const char* what;
        ZoomBorders display;
        ScrollBarSettings h;
        ScrollBarSettings v;
    };
    const ZoomBorders global{0, 100, 0, 100};
    const Case cases[] = {
        {"x and y 25..50", {25, 50, 25, 50}, {2500, 10000, 2500, 250, 5000}, {2500, 10000, 2500, 250, 7500}},
        {"left and bottom end", {0, 25, 0, 25}, {2500, 10000, 2500, 250, 2500}, {2500, 10000, 2500, 250, 10000}},
        {"right and top end", {75, 100, 75, 100}, {2500, 10000, 2500, 250, 10000}, {2500, 10000, 2500, 250, 2500}},
        {"display equals global", global, {10000, 10000, 10000, 1000, 10000}, {10000, 10000, 10000, 1000, 10000}},
        {"display wider than global", {-50, 150, -50, 150}, {10000, 10000, 10000, 2000, 10000},
         {10000, 10000, 10000, 2000, 10000}},
        {"tiny display: steps at least 1", {10, 10.001, 10, 10.001}, {0, 10000, 1, 1, 1000}, {0, 10000, 1, 1, 9000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(horizontalScrollBar(c.display, global), c.h);
        EXPECT_EQ(verticalScrollBar(c.display, global, 4321), c.v);
    }
}

TEST(ScrollModel, BarsStandStillWithoutAUsableGlobalRange)
{
    const ScrollBarSettings still{10000, 10000, 10000, 1000, 10000};
    EXPECT_EQ(horizontalScrollBar({0, 1, 0, 1}, {5, 5, 5, 5}).value, 10000);
    EXPECT_EQ(horizontalScrollBar({0, 1, 0, 1}, {5, 5, 5, 5}).min, 10000);
    EXPECT_EQ(horizontalScrollBar({0, 1, 0, 1}, {0, std::nan(""), 0, 1}).min, 10000);
    EXPECT_EQ(verticalScrollBar({0, 1, 0, 1}, {0, 1, 0, 1}, 17), still);
}

TEST(ScrollModel, VerticalBarKeepsItsValueWhenTheDisplayLiesAboveTheGlobalRange)
{
    // v = 10000 - 7500 * (200 - 0) / 75 is far below Min: the bar stays where it was.
    EXPECT_EQ(verticalScrollBar({200, 225, 200, 225}, {0, 100, 0, 100}, 6000).value, 6000);
}

TEST(ScrollModel, ScrollingMovesTheDisplayAndKeepsItsSpan)
{
    const ZoomBorders global{0, 100, 0, 100};
    const ZoomBorders display{25, 50, 25, 50};
    const ScrollBarSettings h = horizontalScrollBar(display, global);
    const auto pageRight = scrolledHorizontally(h, h.value + h.largeChange, display, global);
    ASSERT_TRUE(pageRight);
    EXPECT_DOUBLE_EQ(pageRight->xLeft, 50);
    EXPECT_DOUBLE_EQ(pageRight->xRight, 75);
    EXPECT_DOUBLE_EQ(pageRight->yBottom, 25);

    const ScrollBarSettings v = verticalScrollBar(display, global, 0);
    const auto up = scrolledVertically(v, 5000, display, global);
    ASSERT_TRUE(up);
    EXPECT_DOUBLE_EQ(up->yBottom, 50);
    EXPECT_DOUBLE_EQ(up->yTop, 75);
    const auto top = scrolledVertically(v, v.min, display, global);
    ASSERT_TRUE(top);
    EXPECT_DOUBLE_EQ(top->yTop, 100);
    EXPECT_DOUBLE_EQ(top->xLeft, 25);
}

TEST(ScrollModel, ABarWithoutRangeDoesNotScroll)
{
    const ZoomBorders global{0, 100, 0, 100};
    const ScrollBarSettings still = horizontalScrollBar(global, global);
    EXPECT_FALSE(scrolledHorizontally(still, 5000, global, global));
    EXPECT_FALSE(scrolledVertically(still, 5000, global, global));
}
