#pragma once
// What the redraw draws of one plot: its visible stretch, thinned to points at least two pixels
// apart, clipped to the display borders, with a marker at every drawn point strictly inside.
#include "chart/control/vexachart_export.h"
#include "chart/control/plotdata.h"
#include <QLineF>
#include <QPointF>
#include <QRect>
#include <vector>

namespace vexachart {

struct Borders {
    double X_Left = 0.01;
    double X_Right = 100.0;
    double Y_Bottom = 0.01;
    double Y_Top = 100.0;
    double xSpan() const { return X_Right - X_Left; }
    double ySpan() const { return Y_Top - Y_Bottom; }
    bool operator==(const Borders&) const = default;
};

// Maps a stored value to an output coordinate: origin + (v - lo) * scale.
struct AxisMap {
    double lo = 0.0;
    double origin = 0.0;
    double scale = 1.0;
    double map(double v) const { return origin + (v - lo) * scale; }
};

struct PlotGeometry {
    std::vector<QLineF> lines;
    std::vector<QPointF> markers;
    void clear()
    {
        lines.clear();
        markers.clear();
    }
};

struct GeometryOptions {
    double dx2 = 0.0; // two pixels in axis units
    double dy2 = 0.0;
    bool lines = true;
    bool markers = false;
    // Output in device pixels with a one-pixel pen: runs of segments that stay in one pixel column
    // become one vertical span (the same pixels, far fewer lines), and markers sit on pixel centres
    // so that a marker repeated on the same pixel is drawn once.
    bool pixelOutput = false;
    bool collapseColumns = false;
    // Pixel output of single-colour markers: a marker on a pixel that already has one is the same
    // pixels again and is left out. The rectangle is the plot area in pixels.
    bool dedupeMarkers = false;
    int areaLeft = 0, areaTop = 0, areaWidth = 0, areaHeight = 0;
};

// Clips a segment of any length, up to ends at the largest doubles, to the display rectangle;
// false when nothing of it is left. Call it with depth 0 and steps 0: steps counts the moves of
// far ends towards the display; there are never more than MaxLongClipSteps of them.
constexpr int MaxLongClipSteps = 16384;
VEXACHART_EXPORT bool clipLongSegment(double& x1, double& y1, double& x2, double& y2, const Borders& b, int depth, int& steps);

VEXACHART_EXPORT void plotGeometry(const PlotPoints& points, const Borders& b, const AxisMap& mx, const AxisMap& my,
    const GeometryOptions& opt, PlotGeometry& out);

} // namespace vexachart
