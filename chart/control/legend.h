#pragma once
// Geometry of the legend: one entry per visible plot, filled column by column, in twips
// relative to the legend's own top-left corner.
#include "chart/control/vexachart_export.h"
#include "chart/control/plotstyle.h"
#include "chart/control/textmetrics.h"
#include <QFont>
#include <vector>

namespace vexachart {

struct LegendEntry {
    int plot = 0;     // 1-based plot number
    double x = 0.0;   // top-left of the sample box
    double y = 0.0;
};

struct LegendLayout {
    double width = 1.0;
    double height = 1.0;
    double entryHeight = 0.0; // h, the height of "I"
    double columnWidth = 0.0;
    int rows = 0;
    int columns = 0;
    bool keepTop = true; // no visible plot: the legend keeps its previous top
    std::vector<LegendEntry> entries;
};

inline constexpr double LegendSampleWidth = 280.0;
inline constexpr double LegendGap = 60.0;
inline constexpr double LegendMargin = 120.0;

VEXACHART_EXPORT LegendLayout layoutLegend(const std::vector<PlotStyle>& styles, double graphHeight,
    const TextMetrics& metrics, const QFont& font);

} // namespace vexachart
