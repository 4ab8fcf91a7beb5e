#pragma once
// Connects the zoom to a chart: borders, menu switches, the cursor mode and the redraws come from
// the chart; the zoom timer, the mouse pointer and the read-out belong to the widget and reach it
// through callbacks (unset callbacks do nothing).
#include "chart/control/zoomcontroller.h"
#include <functional>

namespace vexachart {

class ChartZoomHost : public ZoomHost {
public:
    explicit ChartZoomHost(Vexachart& chart) : m_chart(chart) {}

    std::function<void()> onRestartTimer;
    std::function<void()> onStopTimer;
    std::function<void()> onHideReadout;
    std::function<void(bool)> onCrosshair;

    bool zoomEnabled() const override { return m_chart.EnableMenuOptionZoom(); }
    bool cursorMenuEnabled() const override { return m_chart.EnableMenuOptionCursor(); }
    bool valuesCursorActive() const override { return m_chart.cursorMode() == CursorMode::Values; }
    Borders displayBorders() const override { return m_chart.displayBorders(); }
    Borders globalBorders() const override { return m_chart.globalBorders(); }
    QSizeF plotAreaPixels() const override;
    void drawChart(const Borders& borders, DrawOrigin origin) override { m_chart.DrawChart(borders, origin); }
    void restartZoomTimer() override { call(onRestartTimer); }
    void stopZoomTimer() override { call(onStopTimer); }
    void advanceCursorCycle() override { m_chart.SelectCursor(); }
    void hideCursorReadout() override { call(onHideReadout); }
    void setCrosshairPointer(bool crosshair) override
    {
        if (onCrosshair)
            onCrosshair(crosshair);
    }

private:
    static void call(const std::function<void()>& f)
    {
        if (f)
            f();
    }
    Vexachart& m_chart;
};

} // namespace vexachart
