// Zooming through the widget's mouse events: a double click goes back to the global range without
// starting a drag of its own, and a click without movement never zooms.
#include "zoomwidgetfixture.h"
#include <QTimer>
#include <gtest/gtest.h>

using namespace vexachart;

TEST(ZoomWidget, DoubleClickResetsWithoutADragOfItsOwn)
{
    ChartWidgetFixture f;
    f.w.chart().SetDisplayBorders(20.0, 40.0, 20.0, 40.0);
    const QPoint p = f.at(25000, 25000);
    f.send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    f.send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(f.w.timerZoom()->isActive());
    f.send(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(f.w.interaction().dragging()) << "the double click starts no rectangle";
    f.send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    f.w.TimerZoom_Timer();
    EXPECT_EQ(f.w.chart().displayBorders(), (Borders{0, 100, 0, 100}));
    EXPECT_EQ(f.w.chart().cursorMode(), CursorMode::Off);
}

TEST(ZoomWidget, ClickWithoutMovementAdvancesTheCursorInsteadOfZooming)
{
    ChartWidgetFixture f;
    f.w.chart().SetDisplayBorders(20.0, 40.0, 20.0, 40.0);
    const QPoint p = f.at(25000, 25000);
    f.send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    f.send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    f.w.TimerZoom_Timer();
    EXPECT_EQ(f.w.chart().displayBorders(), (Borders{20, 40, 20, 40}));
    EXPECT_EQ(f.w.chart().cursorMode(), CursorMode::PlotName);
    EXPECT_TRUE(f.w.timerCursor()->isActive());

    // With zooming off the click reaches the cursor cycle directly, without the timer.
    f.w.chart().setEnableMenuOptionZoom(false);
    f.send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    f.send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(f.w.timerZoom()->isActive());
    EXPECT_EQ(f.w.chart().cursorMode(), CursorMode::Values);
}
