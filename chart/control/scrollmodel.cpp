#include "chart/control/scrollmodel.h"
#include "common/checked.h"
#include <algorithm>
#include <cmath>

namespace vexachart {
namespace {

int barNumber(double v, double lo, double hi)
{
    return common::toInt16(std::clamp(v, lo, hi));
}

// Min, Max and the two steps; the value is left to the caller. Without a usable range
// (global span not positive, display as wide as the global range or wider) the bar stands still.
std::optional<ScrollBarSettings> barRange(double globalSpan, double span)
{
    if (!(std::isfinite(globalSpan) && globalSpan > 0.0 && std::isfinite(span) && span < globalSpan))
        return std::nullopt;
    const double max = ScrollBarMax;
    ScrollBarSettings bar;
    bar.max = ScrollBarMax;
    bar.min = barNumber(max - max * (globalSpan - span) / globalSpan, 0.0, max);
    bar.largeChange = std::max(1, barNumber(max * span / globalSpan, 0.0, max));
    bar.smallChange = std::max(1, barNumber(max * 0.1 * span / globalSpan, 0.0, max));
    return bar;
}

ScrollBarSettings stillBar(double globalSpan, double span)
{
    ScrollBarSettings bar;
    if (std::isfinite(globalSpan) && globalSpan > 0.0 && std::isfinite(span) && span > 0.0) {
        bar.largeChange = std::max(1, barNumber(ScrollBarMax * span / globalSpan, 0.0, ScrollBarMax));
        bar.smallChange = std::max(1, barNumber(ScrollBarMax * 0.1 * span / globalSpan, 0.0, ScrollBarMax));
    }
    return bar;
}

} // namespace

ScrollBarSettings horizontalScrollBar(const ZoomBorders& display, const ZoomBorders& global)
{
    const double g = global.xSpan();
    const double s = display.xSpan();
    auto bar = barRange(g, s);
    if (!bar)
        return stillBar(g, s);
    const double v = bar->min + (bar->max - bar->min) * (display.xLeft - global.xLeft) / (g - s);
    bar->value = barNumber(v, bar->min, bar->max);
    return *bar;
}

ScrollBarSettings verticalScrollBar(const ZoomBorders& display, const ZoomBorders& global, int currentValue)
{
    const double g = global.ySpan();
    const double s = display.ySpan();
    auto bar = barRange(g, s);
    if (!bar)
        return stillBar(g, s);
    const double v = bar->max - (bar->max - bar->min) * (display.yBottom - global.yBottom) / (g - s);
    bar->value = v < bar->min ? std::clamp(currentValue, bar->min, bar->max) : barNumber(v, bar->min, bar->max);
    return *bar;
}

std::optional<ZoomBorders> scrolledHorizontally(const ScrollBarSettings& bar, int value, const ZoomBorders& display,
                                                const ZoomBorders& global)
{
    if (bar.max <= bar.min)
        return std::nullopt;
    const double span = display.xSpan();
    const double ratio = double(value - bar.min) / double(bar.max - bar.min);
    ZoomBorders moved = display;
    moved.xLeft = global.xLeft + (global.xSpan() - span) * ratio;
    moved.xRight = moved.xLeft + span;
    return moved;
}

std::optional<ZoomBorders> scrolledVertically(const ScrollBarSettings& bar, int value, const ZoomBorders& display,
                                              const ZoomBorders& global)
{
    if (bar.max <= bar.min)
        return std::nullopt;
    const double span = display.ySpan();
    const double ratio = double(ScrollBarMax - value) / double(bar.max - bar.min);
    ZoomBorders moved = display;
    moved.yBottom = global.yBottom + (global.ySpan() - span) * ratio;
    moved.yTop = moved.yBottom + span;
    return moved;
}

} // namespace vexachart
