#pragma once
// Display and global borders as the interaction code sees them, the plot area's 0..50000 user
// scale, and the menu zooms. All values are in stored units: log10 on a logarithmic axis,
// day serials on a date-time axis, the value itself otherwise.
namespace vexachart {

inline constexpr double PlotUserScale = 50000.0;

struct ZoomBorders {
    double xLeft = 0.0;
    double xRight = 0.0;
    double yBottom = 0.0;
    double yTop = 0.0;

    double xSpan() const { return xRight - xLeft; }
    double ySpan() const { return yTop - yBottom; }
    bool operator==(const ZoomBorders&) const = default;
};

// The four transforms between axis values and the plot area's user scale (x to the right, y upwards).
struct ZoomTransform {
    ZoomBorders display;

    double userToX(double u) const { return display.xLeft + display.xSpan() * (u / PlotUserScale); }
    double userToY(double v) const { return display.yBottom + display.ySpan() * (v / PlotUserScale); }
    double xToUser(double x) const { return (x - display.xLeft) * (PlotUserScale / display.xSpan()); }
    double yToUser(double y) const { return (y - display.yBottom) * (PlotUserScale / display.ySpan()); }
};

// The display halved around its centre, each border then clamped against its own global border.
ZoomBorders zoomedIn(const ZoomBorders& display, const ZoomBorders& global);
// The display doubled around its centre, each border then clamped against its own global border.
ZoomBorders zoomedOut(const ZoomBorders& display, const ZoomBorders& global);

} // namespace vexachart
