#include "chart/control/cursorcontroller.h"
#include <cmath>

namespace vexachart {

std::optional<CursorController::EventValues> CursorController::mouseMove(QPointF user, const ZoomBorders& display,
                                                                         const CursorAxis& xAxis,
                                                                         const CursorAxis& yAxis)
{
    const ZoomTransform t{display};
    m_position = QPointF(t.userToX(user.x()), t.userToY(user.y()));
    auto x = cursorEventValue(m_position.x(), xAxis);
    auto y = cursorEventValue(m_position.y(), yAxis);
    if (!x || !y)
        return std::nullopt;
    return EventValues{*x, *y};
}

void CursorController::tick(const CursorTickInput& in)
{
    if (in.mode == CursorMode::Off) {
        hideAll();
        return;
    }
    const ZoomTransform t{in.display};
    const double u = t.xToUser(m_position.x());
    const double w = t.yToUser(m_position.y());
    if (!std::isfinite(u) || !std::isfinite(w))
        return;
    m_overlay.linesVisible = true;
    m_overlay.verticalLineU = u;
    m_overlay.horizontalLineW = w;

    // The caption comes first, so that the label is placed with the size of what it shows now.
    if (in.mode == CursorMode::Values) {
        m_overlay.caption = cursorValuesCaption(m_position, in.xAxis, in.yAxis, in.timeFormatCursor, in.locale);
        m_overlay.labelVisible = true;
    } else {
        const auto nearest = findNearestPlot(in.plots, m_position.x(), m_position.y(), in.display.ySpan());
        m_overlay.caption = QLatin1Char(' ') + (nearest ? nearest->name : QString()) + QLatin1Char(' ');
        m_overlay.labelVisible = nearest.has_value();
        if (nearest)
            m_overlay.horizontalLineW = t.yToUser(nearest->yAt);
    }
    m_overlay.labelSize = in.measure ? in.measure(m_overlay.caption) : QSizeF();
    m_overlay.labelTopLeft = placeCursorLabel({u, w}, m_overlay.labelSize, in.charX);
}

} // namespace vexachart
