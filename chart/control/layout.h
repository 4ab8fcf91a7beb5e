#pragma once
// Placement of the chart's areas inside the frame, in twips: the full layout (ArrangeChart) and
// the narrow re-layout after a change of the displayed range (ArrangeScales).
#include "chart/control/vexachart_export.h"
#include <functional>
#include <QSizeF>

namespace vexachart {

struct TwipRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;
};

struct ChartLayout {
    TwipRect title, labY, yScale, graph, xScale, scrH, scrV, labX, legend, border;
    bool legendVisible = true;
};

struct LayoutInput {
    double frameWidth = 0.0;
    double frameHeight = 0.0;
    QSizeF titleSize;   // the title label sizes itself to its caption and font
    QSizeF labXSize;    // likewise the X-axis label
    double xScaleHeight = 0.0;
    QSizeF labYSize;    // the turned Y-axis label picture
    double yStripWidth = 0.0; // the measured " widest label    "
    bool showLegend = true;
    bool zoomEnabled = true;
    bool outputInProgress = false;
    bool arrangeEnabled = true;
    // Size of the legend for a plot area of the given top and height (it also sets the legend's top).
    std::function<QSizeF(double graphTop, double graphHeight)> legendSize;
};

inline constexpr double TitleTop = 120.0;

// Full layout; sizes that come out negative keep their previous value.
VEXACHART_EXPORT ChartLayout ArrangeChart(const LayoutInput& in, const ChartLayout& previous);
// Re-divides the width between the Y strip and the plot area; nothing moves vertically.
VEXACHART_EXPORT ChartLayout ArrangeScales(const LayoutInput& in, const ChartLayout& previous);

} // namespace vexachart
