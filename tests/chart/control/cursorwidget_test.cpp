// The read-out label on the widget: placed with the size of the name it shows, and hidden while
// the pointer moves over it.
#include "chart/control/widget.h"
#include "testsupport.h"
#include <QApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
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
