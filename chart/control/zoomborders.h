#pragma once
// The plot area's 0..50000 user scale seen from given borders, and the menu zooms. All values are
// in stored units: log10 on a logarithmic axis, day serials on a date-time axis.
#include "chart/control/geometry.h"

namespace vexachart {

inline constexpr double PlotUserScale = 50000.0;

// The four transforms between axis values and the plot area's user scale (x to the right, y
// upwards) for the given display borders; the same arithmetic as the chart's own, usable on
// borders that are not (yet) the chart's.
struct ZoomTransform {
    Borders display;

    double userToX(double u) const { return display.X_Left + display.xSpan() * (u / PlotUserScale); }
    double userToY(double v) const { return display.Y_Bottom + display.ySpan() * (v / PlotUserScale); }
    double xToUser(double x) const { return (x - display.X_Left) * (PlotUserScale / display.xSpan()); }
    double yToUser(double y) const { return (y - display.Y_Bottom) * (PlotUserScale / display.ySpan()); }
};

// The display halved around its centre, each border then clamped against its own global border.
Borders zoomedIn(const Borders& display, const Borders& global);
// The display doubled around its centre, each border then clamped against its own global border.
Borders zoomedOut(const Borders& display, const Borders& global);

} // namespace vexachart
