#include "chart/control/zoomcontroller.h"
#include <algorithm>
#include <cmath>
#include <utility>

namespace vexachart {

void ZoomController::leftPress(QPointF user)
{
    m_doubleClicked = false;
    if (!m_host.zoomEnabled())
        return;
    m_state = State::Dragging;
    m_host.setCrosshairPointer(true);
    m_zoomStart = user;
    m_bandLeft = user.x();
    m_bandTop = user.y();
    m_bandWidth = InitialBand;
    m_bandHeight = InitialBand;
    if (m_host.valuesCursorActive())
        m_host.hideCursorReadout();
}

void ZoomController::move(QPointF user)
{
    if (m_state != State::Dragging || !m_host.zoomEnabled())
        return;
    const double x = std::clamp(user.x(), 0.0, PlotUserScale);
    const double y = std::clamp(user.y(), 0.0, PlotUserScale);
    if (x > m_zoomStart.x()) {
        m_bandLeft = m_zoomStart.x();
        m_bandWidth = x - m_zoomStart.x();
    } else {
        m_bandLeft = x;
        m_bandWidth = m_zoomStart.x() - x;
    }
    if (y < m_zoomStart.y()) {
        m_bandTop = m_zoomStart.y();
        m_bandHeight = m_zoomStart.y() - y;
    } else {
        m_bandTop = y;
        m_bandHeight = y - m_zoomStart.y();
    }
}

void ZoomController::release()
{
    if (m_state != State::Dragging || !m_host.zoomEnabled())
        return;
    m_state = State::Armed;
    m_zoomStart = QPointF(m_bandLeft, m_bandTop);
    m_zoomEnd = QPointF(m_bandLeft + m_bandWidth, m_bandTop - m_bandHeight);
    m_host.stopZoomTimer();
    m_host.restartZoomTimer();
    m_host.setCrosshairPointer(false);
}

// A band under one device pixel on either axis comes from a click (or a click with jitter),
// never from a deliberate drag; zooming to it could only fail.
bool ZoomController::bandIsClick() const
{
    const QSizeF px = m_host.plotAreaPixels();
    const double minWidth = px.width() > 0 ? PlotUserScale / px.width() : PlotUserScale;
    const double minHeight = px.height() > 0 ? PlotUserScale / px.height() : PlotUserScale;
    const double width = std::abs(m_zoomEnd.x() - m_zoomStart.x());
    const double height = std::abs(m_zoomStart.y() - m_zoomEnd.y());
    return width < minWidth || height < minHeight;
}

void ZoomController::zoomTimerTick()
{
    m_host.stopZoomTimer();
    const bool armed = m_state == State::Armed;
    if (m_state != State::Dragging)
        m_state = State::Idle;
    if (m_doubleClicked) {
        m_host.drawChart(m_host.globalBorders(), DrawOrigin::Reset);
        return;
    }
    if (!armed)
        return;
    if (bandIsClick()) {
        if (m_host.cursorMenuEnabled())
            m_host.advanceCursorCycle();
        return;
    }
    const ZoomTransform t{m_host.displayBorders()};
    double x1 = t.userToX(m_zoomStart.x());
    double x2 = t.userToX(m_zoomEnd.x());
    double y1 = t.userToY(m_zoomStart.y());
    double y2 = t.userToY(m_zoomEnd.y());
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    m_host.drawChart({x1, x2, y1, y2}, DrawOrigin::InteractiveZoom);
}

void ZoomController::zoomIn()
{
    m_host.drawChart(zoomedIn(m_host.displayBorders(), m_host.globalBorders()), DrawOrigin::InteractiveZoom);
}

void ZoomController::zoomOut()
{
    m_host.drawChart(zoomedOut(m_host.displayBorders(), m_host.globalBorders()), DrawOrigin::InteractiveZoom);
}

void ZoomController::zoomReset()
{
    m_host.drawChart(m_host.globalBorders(), DrawOrigin::Reset);
}

} // namespace vexachart
