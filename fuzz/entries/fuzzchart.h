#pragma once
// A chart as a container creates it for the chart targets: no window, the real text metrics, a
// small frame. With painting every redraw also draws the picture; without, only the model runs
// (many times faster: the targets paint once, at the end of an input).
#include "chart/control/chart.h"
#include <memory>

namespace fuzzing {

std::unique_ptr<vexachart::Vexachart> newChart(bool painting);

} // namespace fuzzing
