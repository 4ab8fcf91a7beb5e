#pragma once
// The cursor read-out's state: the last pointer position (written by mouse moves, which stay cheap)
// and the cross-hair and label that the 50 ms tick works out from it. The widget paints the overlay.
#include "chart/control/cursormode.h"
#include "chart/control/cursorreadout.h"
#include "chart/control/zoomborders.h"
#include <functional>
#include <utility>

namespace vexachart {

// What the cross-hair and the read-out label show; positions in the plot area's user scale.
struct CursorOverlay {
    bool linesVisible = false;
    double verticalLineU = 0.0;   // x of the vertical line
    double horizontalLineW = 0.0; // y of the horizontal line
    bool labelVisible = false;
    QString caption;
    QPointF labelTopLeft; // x of the left edge, y of the upper edge (y upwards)
    QSizeF labelSize;
    bool operator==(const CursorOverlay&) const = default;
};

// Everything one tick reads of the chart.
struct CursorTickInput {
    CursorMode mode = CursorMode::Off;
    ZoomBorders display;
    CursorAxis xAxis;
    CursorAxis yAxis;
    QString timeFormatCursor;
    QLocale locale;
    std::span<const CursorPlotView> plots;
    // Size of a caption in plot-area units, and the size of "X" in the plot area's font.
    std::function<QSizeF(const QString&)> measure;
    QSizeF charX;
};

class CursorController {
public:
    using EventValues = std::pair<QVariant, QVariant>;

    // A move over the plot area outside a zoom drag: keeps the position and gives the values for
    // the CursorXY event, or nothing when they cannot be formed (the event is then dropped).
    std::optional<EventValues> mouseMove(QPointF user, const ZoomBorders& display, const CursorAxis& xAxis,
                                         const CursorAxis& yAxis);

    // The cursor timer's tick while a mode is active.
    void tick(const CursorTickInput& in);

    // The pointer over the label hides it until a tick has something to show again.
    void hideLabel() { m_overlay.labelVisible = false; }
    // A zoom drag starting or the cursor switched off.
    void hideAll() { m_overlay = CursorOverlay{}; }

    QPointF cursorPosition() const { return m_position; }
    const CursorOverlay& overlay() const { return m_overlay; }

private:
    QPointF m_position; // stored units
    CursorOverlay m_overlay;
};

} // namespace vexachart
