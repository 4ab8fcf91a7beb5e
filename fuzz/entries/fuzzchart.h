#pragma once
// A chart as a container creates it for the chart targets: no window, the real text metrics and
// painting into its picture at a small size, so that every redraw also runs the drawing code.
#include "chart/control/chart.h"
#include <memory>

namespace fuzzing {

std::unique_ptr<vexachart::Vexachart> newChart();

} // namespace fuzzing
