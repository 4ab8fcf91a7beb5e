// Zoom cases beyond the main paths: the band's far corner at the plot area's edge, jitter on
// either axis, a double click after the zoom timer, the zoom switched off, a bar without range.
#include "chart/control/interaction.h"
#include "chartfixture.h"
#include <gtest/gtest.h>

using namespace vexachart;
using vexachart::testing::makeChart;

namespace {

using Area = ChartInteraction::Area;
using Button = ChartInteraction::Button;

std::unique_ptr<Vexachart> chart0to100()
{
    auto c = makeChart();
    c->SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    return c;
}

void drag(ChartInteraction& z, QPointF from, QPointF to)
{
    z.press(Area::Plot, Button::Left, from.x(), from.y());
    z.move(to.x(), to.y());
    z.release();
}

} // namespace

TEST(ZoomInteraction, DragLeavingThePlotAreaKeepsTheFarCornerOnTheEdge)
{
    auto c = chart0to100();
    ChartInteraction z(*c);
    drag(z, {40000, 10000}, {70000, -9000});
    z.zoomTick();
    EXPECT_EQ(c->displayBorders(), (Borders{80, 100, 0, 20}));
}

TEST(ZoomInteraction, JitterOnEitherAxisIsAClick)
{
    const std::pair<QPointF, QPointF> jitters[] = {
        {{1000, 1000}, {30000, 1000}}, // no height
        {{1000, 1000}, {1000, 30000}}, // no width
    };
    for (const auto& [from, to] : jitters) {
        auto c = chart0to100();
        c->SetDisplayBorders(20.0, 40.0, 20.0, 40.0);
        const int redraws = c->redrawCount();
        ChartInteraction z(*c);
        drag(z, from, to);
        z.zoomTick();
        EXPECT_EQ(c->displayBorders(), (Borders{20, 40, 20, 40}));
        EXPECT_EQ(c->redrawCount(), redraws);
        EXPECT_FALSE(c->flashPending());
        EXPECT_EQ(c->cursorMode(), CursorMode::PlotName);
    }
}

TEST(ZoomInteraction, DoubleClickAfterTheTimerDoesNotResetAndZoomOffIgnoresPresses)
{
    auto c = chart0to100();
    c->SetDisplayBorders(20.0, 40.0, 20.0, 40.0);
    c->setEnableMenuOptionCursor(false);
    ChartInteraction z(*c);
    drag(z, {1000, 1000}, {1000, 1000});
    z.zoomTick(); // a plain click, refused as a zoom
    z.doubleClick(); // too late: the timer has run
    EXPECT_EQ(c->displayBorders(), (Borders{20, 40, 20, 40}));
    z.press(Area::Plot, Button::Left, 2000, 2000);
    EXPECT_FALSE(z.doubleClicked()) << "every press clears the double click";
    z.release();

    c->setEnableMenuOptionZoom(false);
    EXPECT_FALSE(z.press(Area::Plot, Button::Left, 1000, 1000));
    EXPECT_FALSE(z.dragging());
    EXPECT_FALSE(z.release());
}

TEST(ZoomInteraction, ScrollBarsWithoutRangeDoNotRedraw)
{
    auto c = chart0to100();
    c->SetDisplayBorders(0.0, 100.0, 0.0, 100.0);
    ASSERT_EQ(c->scrollH().min, c->scrollH().max);
    const int redraws = c->redrawCount();
    ChartInteraction z(*c);
    z.scrollH(5000);
    z.scrollV(5000);
    EXPECT_EQ(c->redrawCount(), redraws);
}
