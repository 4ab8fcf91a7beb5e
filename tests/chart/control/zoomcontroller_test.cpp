#include "chart/control/zoomcontroller.h"
#include <gtest/gtest.h>
#include <cmath>
#include <optional>
#include <vector>

using namespace vexachart;

namespace {

// Records what the zoom asks of the chart; the display moves only when a test says so.
struct FakeZoomHost : ZoomHost {
    bool zoom = true;
    bool cursorMenu = true;
    bool valuesCursor = false;
    ZoomBorders display{0, 100, 0, 50};
    ZoomBorders global{0, 100, 0, 50};
    QSizeF pixels{800, 400};

    struct Draw {
        ZoomBorders borders;
        DrawOrigin origin;
    };
    std::vector<Draw> draws;
    bool timerRunning = false;
    int timerRestarts = 0;
    int cursorCycles = 0;
    int readoutHidden = 0;
    bool crosshair = false;

    bool zoomEnabled() const override { return zoom; }
    bool cursorMenuEnabled() const override { return cursorMenu; }
    bool valuesCursorActive() const override { return valuesCursor; }
    ZoomBorders displayBorders() const override { return display; }
    ZoomBorders globalBorders() const override { return global; }
    QSizeF plotAreaPixels() const override { return pixels; }
    void drawChart(const ZoomBorders& b, DrawOrigin o) override { draws.push_back({b, o}); }
    void restartZoomTimer() override
    {
        timerRunning = true;
        ++timerRestarts;
    }
    void stopZoomTimer() override { timerRunning = false; }
    void advanceCursorCycle() override { ++cursorCycles; }
    void hideCursorReadout() override { ++readoutHidden; }
    void setCrosshairPointer(bool on) override { crosshair = on; }
};

void expectBorders(const ZoomBorders& got, const ZoomBorders& want)
{
    EXPECT_NEAR(got.xLeft, want.xLeft, 1e-9);
    EXPECT_NEAR(got.xRight, want.xRight, 1e-9);
    EXPECT_NEAR(got.yBottom, want.yBottom, 1e-9);
    EXPECT_NEAR(got.yTop, want.yTop, 1e-9);
}

} // namespace

TEST(ZoomController, DraggedBandZoomsAfterTheTimerWhenNoDoubleClickFollows)
{
    FakeZoomHost host;
    ZoomController zoom(host);
    zoom.leftPress({10000, 40000});
    EXPECT_TRUE(zoom.dragging());
    EXPECT_TRUE(host.crosshair);
    EXPECT_DOUBLE_EQ(zoom.bandWidth(), 25.0);
    zoom.move({30000, 20000});
    EXPECT_DOUBLE_EQ(zoom.bandLeft(), 10000);
    EXPECT_DOUBLE_EQ(zoom.bandTop(), 40000);
    EXPECT_DOUBLE_EQ(zoom.bandWidth(), 20000);
    EXPECT_DOUBLE_EQ(zoom.bandHeight(), 20000);
    zoom.release();
    EXPECT_EQ(zoom.state(), ZoomController::State::Armed);
    EXPECT_TRUE(host.timerRunning);
    EXPECT_FALSE(host.crosshair);
    EXPECT_TRUE(host.draws.empty()) << "the zoom waits for the timer";

    zoom.zoomTimerTick();
    ASSERT_EQ(host.draws.size(), 1u);
    expectBorders(host.draws[0].borders, {20, 60, 20, 40});
    EXPECT_EQ(host.draws[0].origin, DrawOrigin::InteractiveZoom);
    EXPECT_FALSE(host.timerRunning);
    EXPECT_EQ(zoom.state(), ZoomController::State::Idle);
}

TEST(ZoomController, EveryDragDirectionOfOneRectangleGivesTheSameRange)
{
    const QPointF a{5000, 45000}, b{25000, 30000};
    const std::pair<QPointF, QPointF> drags[] = {
        {a, b}, {b, a}, {QPointF(a.x(), b.y()), QPointF(b.x(), a.y())}, {QPointF(b.x(), a.y()), QPointF(a.x(), b.y())}};
    for (const auto& [from, to] : drags) {
        FakeZoomHost host;
        ZoomController zoom(host);
        zoom.leftPress(from);
        zoom.move(to);
        zoom.release();
        zoom.zoomTimerTick();
        ASSERT_EQ(host.draws.size(), 1u);
        expectBorders(host.draws[0].borders, {10, 50, 30, 45});
    }
}

TEST(ZoomController, DragLeavingThePlotAreaKeepsTheFarCornerOnTheEdge)
{
    FakeZoomHost host;
    ZoomController zoom(host);
    zoom.leftPress({40000, 10000});
    zoom.move({70000, -9000});
    EXPECT_DOUBLE_EQ(zoom.bandLeft() + zoom.bandWidth(), 50000);
    EXPECT_DOUBLE_EQ(zoom.bandTop() - zoom.bandHeight(), 0);
    zoom.release();
    zoom.zoomTimerTick();
    ASSERT_EQ(host.draws.size(), 1u);
    expectBorders(host.draws[0].borders, {80, 100, 0, 10});
}

TEST(ZoomController, DoubleClickWithinTheIntervalResetsToTheGlobalRange)
{
    FakeZoomHost host;
    host.display = {20, 40, 10, 20};
    ZoomController zoom(host);
    zoom.leftPress({1000, 1000});
    zoom.release();
    zoom.doubleClick();
    zoom.release(); // the second release of a double click ends no drag
    zoom.zoomTimerTick();
    ASSERT_EQ(host.draws.size(), 1u);
    EXPECT_EQ(host.draws[0].borders, host.global);
    EXPECT_EQ(host.draws[0].origin, DrawOrigin::Reset);
    EXPECT_EQ(host.cursorCycles, 0);
}

TEST(ZoomController, DoubleClickAfterTheTickDoesNotReset)
{
    FakeZoomHost host;
    ZoomController zoom(host);
    zoom.leftPress({1000, 1000});
    zoom.release();
    zoom.zoomTimerTick(); // a plain click: no redraw
    zoom.doubleClick();
    zoom.release();
    EXPECT_FALSE(host.timerRunning);
    EXPECT_TRUE(host.draws.empty());
    zoom.leftPress({2000, 2000});
    EXPECT_FALSE(zoom.doubleClicked()) << "every press clears the double click";
}

// A click, also one with a pixel of jitter, must neither zoom nor reset the view; with the
// cursor menu on it advances the cursor cycle.
TEST(ZoomController, ClicksAndJitterNeverZoom)
{
    struct Case {
        const char* what;
        QPointF press;
        std::optional<QPointF> moveTo;
        bool cursorMenu;
        int cycles;
    };
    const Case cases[] = {
        {"click without movement", {1000, 1000}, std::nullopt, true, 1},
        {"click without movement, cursor menu off", {1000, 1000}, std::nullopt, false, 0},
        {"horizontal jitter: height 0", {1000, 1000}, QPointF(1062.5, 1000), true, 1},
        {"vertical jitter: width 0", {1000, 1000}, QPointF(1000, 1125), true, 1},
        {"purely horizontal drag", {1000, 1000}, QPointF(30000, 1000), true, 1},
        {"sub-pixel in both", {1000, 1000}, QPointF(1060, 1100), false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeZoomHost host;
        host.cursorMenu = c.cursorMenu;
        ZoomController zoom(host);
        zoom.leftPress(c.press);
        if (c.moveTo)
            zoom.move(*c.moveTo);
        zoom.release();
        zoom.zoomTimerTick();
        EXPECT_TRUE(host.draws.empty());
        EXPECT_EQ(host.cursorCycles, c.cycles);
    }
}

TEST(ZoomController, DragOfOnePixelEachWayIsAZoom)
{
    FakeZoomHost host; // 800 x 400 px: one pixel is 62.5 x 125 units
    ZoomController zoom(host);
    zoom.leftPress({1000, 1000});
    zoom.move({1062.5, 1125});
    zoom.release();
    zoom.zoomTimerTick();
    EXPECT_EQ(host.draws.size(), 1u);
}

TEST(ZoomController, PressHidesTheReadoutOnlyInValuesModeAndNothingHappensWithZoomOff)
{
    FakeZoomHost host;
    ZoomController zoom(host);
    zoom.leftPress({100, 100});
    EXPECT_EQ(host.readoutHidden, 0);
    zoom.release();
    host.valuesCursor = true;
    zoom.leftPress({100, 100});
    EXPECT_EQ(host.readoutHidden, 1);
    zoom.release();

    FakeZoomHost off;
    off.zoom = false;
    ZoomController idle(off);
    idle.leftPress({100, 100});
    idle.move({30000, 30000});
    idle.release();
    EXPECT_EQ(idle.state(), ZoomController::State::Idle);
    EXPECT_FALSE(off.timerRunning);
}

TEST(ZoomController, MenuZooms)
{
    FakeZoomHost host;
    host.global = {0, 100, -1000, 1000};
    host.display = {0, 100, 0, 10};
    ZoomController zoom(host);
    zoom.zoomIn();
    expectBorders(host.draws.back().borders, {25, 75, 2.5, 7.5});
    host.display = host.draws.back().borders;
    zoom.zoomIn();
    expectBorders(host.draws.back().borders, {37.5, 62.5, 3.75, 6.25});

    host.display = {20, 40, 0, 10};
    zoom.zoomOut();
    expectBorders(host.draws.back().borders, {10, 50, -5, 15});
    host.display = {5, 45, 0, 10};
    zoom.zoomOut();
    expectBorders(host.draws.back().borders, {0, 65, -5, 15}) ;
    EXPECT_EQ(host.draws.back().origin, DrawOrigin::InteractiveZoom);

    zoom.zoomReset();
    EXPECT_EQ(host.draws.back().borders, host.global);
    EXPECT_EQ(host.draws.back().origin, DrawOrigin::Reset);
}

TEST(ZoomBorders, ZoomInOnALogarithmicAxisWorksOnTheDecades)
{
    const ZoomBorders in = zoomedIn({0, 3, 0, 3}, {0, 3, 0, 3});
    EXPECT_DOUBLE_EQ(in.xLeft, 0.75);
    EXPECT_DOUBLE_EQ(in.xRight, 2.25);
    EXPECT_NEAR(std::pow(10.0, in.xLeft), 5.623, 1e-3);
    EXPECT_NEAR(std::pow(10.0, in.xRight), 177.8, 0.1);
}
