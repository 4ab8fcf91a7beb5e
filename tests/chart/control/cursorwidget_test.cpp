// The read-out label on the widget: placed with the size of the name it shows, and hidden while
// the pointer moves over it.
#include "chart/control/widget.h"
#include "testsupport.h"
#include <QApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <cmath>
#include <gtest/gtest.h>

using namespace vexachart;

namespace {

struct CursorWidgetFixture {
    VexachartWidget w;

    CursorWidgetFixture()
    {
        w.resize(600, 400);
        w.chart().initNew();
        w.chart().resizeTo(w.size());
        w.chart().SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
        w.chart().ClearAllPlotData();
        for (double x : {0.0, 50.0, 100.0})
            w.chart().AddNewDataPoint(1, x, 50.0);
        w.chart().SetPlotLegendText(1, "Oil cooler size 4 at 40 l/min, full heat load");
    }

    void moveTo(QPointF pos)
    {
        QMouseEvent move(QEvent::MouseMove, pos, w.mapToGlobal(pos), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(&w, &move);
    }

    // The label's right and bottom edges in widget pixels, from what the overlay shows.
    QRectF labelRect() const
    {
        const CursorOverlay& o = w.cursorOverlay();
        const QRectF text = QFontMetricsF(w.chart().FontLegend(), &w)
                                .boundingRect(QRectF(0, 0, 2000, 2000), Qt::AlignLeft, o.caption);
        return QRectF(w.fromUser(QPointF(o.labelLeft, o.labelTop)), text.size() + QSizeF(4, 4));
    }
};

} // namespace

TEST(CursorWidget, PlotNameLabelNearTheRightEdgeStaysInsideThePlotArea)
{
    CursorWidgetFixture f;
    f.w.chart().SetCursor(2);
    f.moveTo(f.w.fromUser(QPointF(48000, 25000)));
    f.w.TimerCursor_Timer();
    ASSERT_TRUE(f.w.cursorOverlay().labelVisible);
    EXPECT_EQ(f.w.cursorOverlay().caption, QString(" Oil cooler size 4 at 40 l/min, full heat load "));
    const double rightEdge = f.w.fromUser(QPointF(50000, 0)).x();
    EXPECT_LE(f.labelRect().right(), rightEdge + 1.5); // the exclusive edge, within rounding
    EXPECT_GE(f.labelRect().right(), rightEdge - 2.0) << "pinned to the right edge";
}

TEST(CursorWidget, PointerOverTheLabelHidesItUntilTheNextTick)
{
    CursorWidgetFixture f;
    f.w.chart().SetCursor(1);
    f.moveTo(f.w.fromUser(QPointF(10000, 40000)));
    f.w.TimerCursor_Timer();
    ASSERT_TRUE(f.w.cursorOverlay().labelVisible);
    const QRectF label = f.labelRect();

    f.moveTo(label.center());
    EXPECT_FALSE(f.w.cursorOverlay().labelVisible);
    EXPECT_TRUE(f.w.cursorOverlay().linesVisible);

    f.moveTo(f.w.fromUser(QPointF(10000, 40000)));
    f.w.TimerCursor_Timer();
    f.w.TimerCursor_Timer();
    EXPECT_TRUE(f.w.cursorOverlay().labelVisible);
}

TEST(CursorWidget, CrossHairInvertsWhatLiesBelowIt)
{
    CursorWidgetFixture f;
    f.w.chart().SetCursor(1);
    // On a grid line and across the plot: the cross-hair must differ from both.
    f.moveTo(f.w.fromUser(QPointF(20000, 25000)));
    f.w.TimerCursor_Timer();
    ASSERT_TRUE(f.w.cursorOverlay().linesVisible);
    const QImage shown = f.w.grab().toImage();
    const QImage& picture = f.w.chart().picture();
    ASSERT_EQ(shown.size(), picture.size());
    const QPointF c = f.w.fromUser(QPointF(f.w.cursorOverlay().u, f.w.cursorOverlay().w));
    const int cx = static_cast<int>(std::floor(c.x()));
    const int cy = static_cast<int>(std::floor(c.y() + 0.5));
    const QRect client = f.w.chart().plotClientPixels();
    auto inverted = [&](int x, int y) { return (shown.pixel(x, y) & 0xFFFFFFu) == (~picture.pixel(x, y) & 0xFFFFFFu); };
    // Left of the crossing and above it (the read-out label sits right of and below it).
    int wrong = 0;
    for (int x = client.left(); x < cx; ++x)
        wrong += inverted(x, cy) ? 0 : 1;
    for (int y = client.top(); y < cy; ++y)
        wrong += inverted(cx, y) ? 0 : 1;
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(inverted(cx, cy)) << "the crossing is inverted once";
    // Outside the plot area nothing changes.
    EXPECT_EQ(shown.pixel(client.left() - 3, cy), picture.pixel(client.left() - 3, cy));
}
