#pragma once
// The chart's mouse and menu behaviour as plain state machines over the plot area's user scale
// (0..50000, y upwards): the zoom rectangle, the double-click reset, the menu zooms, scrolling and
// the cursor read-out. The widget feeds it events and timer ticks; tests drive it directly.
#include "chart/control/vexachart_export.h"
#include "chart/control/chart.h"
#include <QRectF>
#include <QString>
#include <functional>

namespace vexachart {

// What the cursor timer shows: the cross-hair and the read-out label, in user units.
struct CursorOverlay {
    bool linesVisible = false;
    double u = 0.0;           // vertical line
    double w = 0.0;           // horizontal line
    bool labelVisible = false;
    QString caption;          // lines separated by "\n"
    double labelLeft = 0.0;   // user units; labelTop is the label's upper edge
    double labelTop = 0.0;
};

class VEXACHART_EXPORT ChartInteraction {
public:
    explicit ChartInteraction(Vexachart& chart) : m_chart(chart) {}

    enum class Button { Left, Right, Middle };
    // Where a press landed: the frame and the legend open the menu on the right button only.
    enum class Area { Frame, Legend, Plot };

    // True when the press opens the popup menu.
    bool press(Area area, Button button, double u, double v);
    void move(double u, double v);
    // True when the zoom timer must be (re)started.
    bool release();
    void doubleClick() { m_doubleClicked = true; }
    void click(); // a left click on the plot area (press and release without a drag)
    // The zoom timer's tick: the rectangle zoom, or the reset after a double click.
    void zoomTick();

    void zoomIn();
    void zoomOut();
    void zoomReset();
    void zoomFitted();
    void scrollH(int value);
    void scrollV(int value);

    // The cursor timer's tick. `labelSize` gives the read-out label's size in user units for a
    // caption (the caption is made first, so the label is placed with its own size); `charSize`
    // is the size of "X" in the plot area's font, in user units.
    CursorOverlay cursorTick(const std::function<QSizeF(const QString&)>& labelSize, QSizeF charSize);
    // The same with a label of a known size.
    CursorOverlay cursorTick(QSizeF labelSize, QSizeF charSize)
    {
        return cursorTick([labelSize](const QString&) { return labelSize; }, charSize);
    }
    QString FindNearestPlotName(double x, double y, double* valueAt = nullptr) const;
    // The x/y read-out's caption for a position in stored units.
    QString valuesCaption(double x, double y) const;

    bool dragging() const { return m_dragging; }
    QRectF band() const { return m_band; } // left, top (upper edge), width, height in user units
    bool doubleClicked() const { return m_doubleClicked; }
    QPointF cursorPosition() const { return m_cursor; }
    bool menuAllowed() const;

private:
    double clampUser(double x) const { return std::clamp(x, 0.0, 50000.0); }
    Vexachart& m_chart;
    bool m_dragging = false;
    bool m_doubleClicked = false;
    QPointF m_zoomStart;
    QPointF m_zoomEnd;
    QRectF m_band;
    QPointF m_cursor;
};

} // namespace vexachart
