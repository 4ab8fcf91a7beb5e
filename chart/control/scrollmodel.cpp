#include "chart/control/scrollmodel.h"

namespace vexachart {

std::optional<Borders> scrolledHorizontally(const ScrollValues& bar, int value, const Borders& display,
                                            const Borders& global)
{
    if (bar.max <= bar.min)
        return std::nullopt;
    const double span = display.xSpan();
    const double ratio = double(value - bar.min) / double(bar.max - bar.min);
    Borders moved = display;
    moved.X_Left = global.X_Left + (global.xSpan() - span) * ratio;
    moved.X_Right = moved.X_Left + span;
    return moved;
}

std::optional<Borders> scrolledVertically(const ScrollValues& bar, int value, const Borders& display,
                                          const Borders& global)
{
    if (bar.max <= bar.min)
        return std::nullopt;
    const double span = display.ySpan();
    const double ratio = double(ScrollBarMax - value) / double(bar.max - bar.min);
    Borders moved = display;
    moved.Y_Bottom = global.Y_Bottom + (global.ySpan() - span) * ratio;
    moved.Y_Top = moved.Y_Bottom + span;
    return moved;
}

void scrollChartHorizontally(Vexachart& chart, int value)
{
    if (const auto moved = scrolledHorizontally(chart.scrollH(), value, chart.displayBorders(), chart.globalBorders()))
        chart.DrawChart(*moved, DrawOrigin::Program);
}

void scrollChartVertically(Vexachart& chart, int value)
{
    if (const auto moved = scrolledVertically(chart.scrollV(), value, chart.displayBorders(), chart.globalBorders()))
        chart.DrawChart(*moved, DrawOrigin::Program);
}

} // namespace vexachart
