#pragma once
// A chart as a container creates it for the chart targets: no window, the real text metrics, a
// small frame. With painting every redraw also draws the picture; without, only the model runs
// (many times faster: the targets paint once, at the end of an input).
#include "chart/control/chart.h"
#include <QFont>
#include <memory>

namespace fuzzing {

enum class ChartStart {
    Empty,  // no plots, as before a container loads stored properties
    Placed, // the design defaults and test plots of a newly placed control
};

std::unique_ptr<vexachart::Vexachart> newChart(ChartStart start, bool painting);

// One of a few fonts, picked by `pick`: odd and extreme sizes and a family no system has among
// them. Every new family or size costs the font database milliseconds, which would outweigh
// everything else a chart target does; what the chart does with a font is the same for all.
QFont fuzzFont(std::uint32_t pick);

// Plot counts above this are lowered to it. Storing, loading and drawing a chart take time in
// proportion to its plots (a hundred test points each); past a few dozen plots an input finds
// nothing new but takes a thousand times as long. Counts the chart refuses stay as they are.
inline constexpr int MostFuzzPlots = 32;
// The value itself, or MostFuzzPlots for a number that would set more plots than that.
vexachart::Variant boundedPlotCount(const vexachart::Variant& value);

} // namespace fuzzing
