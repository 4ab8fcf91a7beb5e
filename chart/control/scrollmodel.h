#pragma once
// Scrolling: the display range that a scroll-bar position asks for. The bars themselves are set
// by the redraw (Vexachart::scrollH/scrollV): Min..10000, the thumb range covering the part of the
// global range outside the display, a page step of one display span.
#include "chart/control/chart.h"
#include <optional>

namespace vexachart {

inline constexpr int ScrollBarMax = 10000;

// The display after the horizontal bar moved to `value`, keeping the span; nothing when the bar
// has no range.
std::optional<Borders> scrolledHorizontally(const ScrollValues& bar, int value, const Borders& display,
                                            const Borders& global);
// The display after the vertical bar (top end = highest values) moved to `value`.
std::optional<Borders> scrolledVertically(const ScrollValues& bar, int value, const Borders& display,
                                          const Borders& global);

// Moves the chart's display to the bar position (the bars' change handlers); nothing happens when
// the bar has no range.
void scrollChartHorizontally(Vexachart& chart, int value);
void scrollChartVertically(Vexachart& chart, int value);

} // namespace vexachart
