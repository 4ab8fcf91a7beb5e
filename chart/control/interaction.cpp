#include "chart/control/interaction.h"
#include "chart/control/chartmath.h"
#include "chart/control/datetext.h"
#include "common/error.h"
#include "common/format.h"
#include <algorithm>
#include <cmath>

namespace vexachart {

bool ChartInteraction::menuAllowed() const
{
    return m_chart.EnableMenuOptionCursor() || m_chart.EnableMenuOptionLegend() || m_chart.EnableMenuOptionSave()
        || m_chart.EnableMenuOptionZoom();
}

bool ChartInteraction::press(Area area, Button button, double u, double v)
{
    if (area != Area::Plot)
        return button == Button::Right && menuAllowed();
    if (button != Button::Left)
        return menuAllowed();
    m_doubleClicked = false;
    if (m_chart.EnableMenuOptionZoom()) {
        m_dragging = true;
        m_zoomStart = QPointF(u, v);
        m_band = QRectF(u, v, 25.0, 25.0);
    }
    return false;
}

void ChartInteraction::move(double u, double v)
{
    if (m_dragging && m_chart.EnableMenuOptionZoom()) {
        const double x = clampUser(u);
        const double y = clampUser(v);
        if (x > m_zoomStart.x())
            m_band.setLeft(m_zoomStart.x()), m_band.setWidth(x - m_zoomStart.x());
        else
            m_band = QRectF(x, m_band.top(), m_zoomStart.x() - x, m_band.height());
        if (y < m_zoomStart.y())
            m_band = QRectF(m_band.left(), m_zoomStart.y(), m_band.width(), m_zoomStart.y() - y);
        else
            m_band = QRectF(m_band.left(), y, m_band.width(), y - m_zoomStart.y());
        return;
    }
    // Outside a drag: the pointer's position in axis values goes to the container.
    m_cursor = QPointF(m_chart.UserToX(u), m_chart.UserToY(v));
    try {
        auto value = [&](int axis, double stored) -> QVariant {
            const bool log = (axis == 0 ? m_chart.XAxisLinLogMode() : m_chart.YAxisLinLogMode()) != 0;
            const int notation = axis == 0 ? m_chart.XScalingNotation() : m_chart.YScalingNotation();
            if (log)
                return chartPow10(stored);
            if (notation == 2)
                return DateToTimeString(stored);
            return stored;
        };
        const QVariant x = value(0, m_cursor.x());
        const QVariant y = value(1, m_cursor.y());
        emit m_chart.CursorXY(x, y);
    } catch (const common::Error&) {
        // a position that cannot be shown (10^v overflows) raises no event
    }
}

bool ChartInteraction::release()
{
    if (!(m_dragging && m_chart.EnableMenuOptionZoom()))
        return false;
    m_dragging = false;
    m_zoomStart = QPointF(m_band.left(), m_band.top());
    m_zoomEnd = QPointF(m_band.left() + m_band.width(), m_band.top() - m_band.height());
    return true;
}

void ChartInteraction::click()
{
    if (m_chart.EnableMenuOptionCursor() && !m_chart.EnableMenuOptionZoom())
        m_chart.SelectCursor();
}

void ChartInteraction::zoomTick()
{
    if (m_doubleClicked) {
        zoomReset();
        return;
    }
    // A band without extent on an axis is a click with a little jitter, not a zoom.
    if (std::fabs(m_zoomEnd.x() - m_zoomStart.x()) < 1e-9 || std::fabs(m_zoomEnd.y() - m_zoomStart.y()) < 1e-9) {
        if (m_chart.EnableMenuOptionCursor())
            m_chart.SelectCursor();
        return;
    }
    double x1 = m_chart.UserToX(m_zoomStart.x());
    double x2 = m_chart.UserToX(m_zoomEnd.x());
    double y1 = m_chart.UserToY(m_zoomStart.y());
    double y2 = m_chart.UserToY(m_zoomEnd.y());
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    m_chart.DrawChart(Borders{x1, x2, y1, y2}, DrawOrigin::Interactive);
}

void ChartInteraction::zoomIn()
{
    const Borders& d = m_chart.displayBorders();
    const Borders& g = m_chart.globalBorders();
    const double sx = d.xSpan(), sy = d.ySpan();
    m_chart.DrawChart(Borders{std::max(d.X_Left + 0.25 * sx, g.X_Left), std::min(d.X_Right - 0.25 * sx, g.X_Right),
                          std::max(d.Y_Bottom + 0.25 * sy, g.Y_Bottom), std::min(d.Y_Top - 0.25 * sy, g.Y_Top)},
        DrawOrigin::Interactive);
}

void ChartInteraction::zoomOut()
{
    const Borders& d = m_chart.displayBorders();
    const Borders& g = m_chart.globalBorders();
    const double sx = d.xSpan(), sy = d.ySpan();
    m_chart.DrawChart(Borders{std::max(d.X_Left - 0.5 * sx, g.X_Left), std::min(d.X_Right + 0.5 * sx, g.X_Right),
                          std::max(d.Y_Bottom - 0.5 * sy, g.Y_Bottom), std::min(d.Y_Top + 0.5 * sy, g.Y_Top)},
        DrawOrigin::Interactive);
}

void ChartInteraction::zoomReset() { m_chart.DrawChart(m_chart.globalBorders()); }

void ChartInteraction::zoomFitted() { m_chart.DrawPlotsFitted(); }

void ChartInteraction::scrollH(int value)
{
    const ScrollValues s = m_chart.scrollH();
    if (!(s.max > s.min))
        return;
    const Borders& d = m_chart.displayBorders();
    const Borders& g = m_chart.globalBorders();
    const double left = g.X_Left + (g.xSpan() - d.xSpan()) * (value - s.min) / double(s.max - s.min);
    m_chart.DrawChart(Borders{left, left + d.xSpan(), d.Y_Bottom, d.Y_Top});
}

void ChartInteraction::scrollV(int value)
{
    const ScrollValues s = m_chart.scrollV();
    if (!(s.max > s.min))
        return;
    const Borders& d = m_chart.displayBorders();
    const Borders& g = m_chart.globalBorders();
    const double bottom = g.Y_Bottom + (g.ySpan() - d.ySpan()) * (10000 - value) / double(s.max - s.min);
    m_chart.DrawChart(Borders{d.X_Left, d.X_Right, bottom, bottom + d.ySpan()});
}

QString ChartInteraction::valuesCaption(double cx, double cy) const
{
    auto text = [&](int axis, double stored) -> QString {
        const bool log = (axis == 0 ? m_chart.XAxisLinLogMode() : m_chart.YAxisLinLogMode()) != 0;
        const int notation = axis == 0 ? m_chart.XScalingNotation() : m_chart.YScalingNotation();
        const double v = log ? std::pow(10.0, stored) : stored;
        if (!std::isfinite(v))
            return QString();
        if (notation == 0 || notation == 1)
            return (v >= 0.0 ? QStringLiteral(" ") : QString())
                + common::formatValue(v, QStringLiteral("0.0000E+00"), m_chart.locale());
        if (notation == 2)
            return QLatin1Char(' ') + common::formatDate(v, m_chart.TimeFormatCursor(), m_chart.locale());
        return QString();
    };
    return QStringLiteral(" x =") + text(0, cx) + QStringLiteral(" \n  y =") + text(1, cy) + QLatin1Char(' ');
}

QString ChartInteraction::FindNearestPlotName(double x, double y, double* valueAt) const
{
    double best = 1e36;
    int bestPlot = 0;
    double bestValue = 0.0;
    for (int i = 1; i <= m_chart.MaxCountOfPlots(); ++i) {
        const PlotStyle& s = m_chart.plotStyle(i);
        const PlotPoints& p = m_chart.plotData(i);
        const int n = p.count();
        if (!s.Visible || n <= 2)
            continue;
        if (x < p.x(1) || x > p.x(n))
            continue;
        double yAt = 0.0;
        if (x == p.x(n)) {
            yAt = p.y(n);
        } else {
            // X(k) <= x < X(k + 1): the segment that holds x; never past the plot's end.
            const auto it = std::upper_bound(p.xs().begin(), p.xs().end(), x);
            const int k = static_cast<int>(it - p.xs().begin());
            const double x1 = p.x(k), y1 = p.y(k), x2 = p.x(k + 1), y2 = p.y(k + 1);
            const double m = (y2 - y1) / (x2 - x1);
            yAt = (y1 - m * x1) + m * x;
        }
        const double distance = std::fabs(y - yAt);
        if (distance < best) {
            best = distance;
            bestPlot = i;
            bestValue = yAt;
        }
    }
    if (bestPlot > 0 && best < 0.03 * m_chart.displayBorders().ySpan()) {
        if (valueAt)
            *valueAt = bestValue;
        return m_chart.plotStyle(bestPlot).Label.trimmed();
    }
    return QString();
}

CursorOverlay ChartInteraction::cursorTick(const std::function<QSizeF(const QString&)>& labelSize, QSizeF charSize)
{
    CursorOverlay o;
    if (m_chart.cursorMode() == CursorMode::Off || m_chart.flashPending())
        return o;
    const double cx = m_cursor.x();
    const double cy = m_cursor.y();
    o.u = m_chart.XToUser(cx);
    o.w = m_chart.YToUser(cy);
    o.linesVisible = true;
    if (m_chart.CursorOn()) {
        o.caption = valuesCaption(cx, cy);
        o.labelVisible = true;
    } else {
        double yAt = 0.0;
        const QString name = FindNearestPlotName(cx, cy, &yAt);
        o.labelVisible = !name.isEmpty();
        o.caption = QLatin1Char(' ') + name + QLatin1Char(' ');
        if (o.labelVisible)
            o.w = m_chart.YToUser(yAt);
    }
    // The label sits right of and below the crossing, inside the plot area; in the bottom-right
    // corner it flips to the upper left.
    const QSizeF size = labelSize(o.caption);
    const double W = size.width();
    const double H = size.height();
    const double u = m_chart.XToUser(cx);
    const double w = m_chart.YToUser(cy);
    double left = u + 1.5 * charSize.width();
    double top = w - 0.75 * charSize.height();
    if (left + W > 50000.0)
        left = 50000.0 - W;
    if (top - H < 0.0)
        top = H;
    if (left + 1.15 * W > 50000.0 && top - 1.4 * H < 0.0) {
        top = w + 1.4 * H;
        left = u - 1.15 * W;
    }
    o.labelLeft = left;
    o.labelTop = top;
    return o;
}

} // namespace vexachart
