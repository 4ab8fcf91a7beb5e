#include "chart/control/legend.h"
#include <algorithm>
#include <cmath>

namespace vexachart {

LegendLayout layoutLegend(const std::vector<PlotStyle>& styles, double graphHeight, const TextMetrics& metrics,
    const QFont& font)
{
    LegendLayout l;
    int n = 0;
    for (const PlotStyle& s : styles)
        n += s.Visible ? 1 : 0;
    if (n == 0)
        return l;
    l.keepTop = false;
    const double h = metrics.height(font, QStringLiteral("I"));
    l.entryHeight = h;
    if (n * (h + LegendGap) + LegendGap > graphHeight) {
        // At least one row, so that a very low plot area never divides by zero.
        l.rows = std::max(1, static_cast<int>(std::floor((graphHeight - LegendGap) / (h + LegendGap))));
        l.columns = static_cast<int>(static_cast<double>(n) / l.rows + 0.9999);
    } else {
        l.rows = n;
        l.columns = 1;
    }
    l.height = (h + LegendGap) * l.rows + LegendGap;
    double widest = 0.0;
    for (const PlotStyle& s : styles)
        if (s.Visible)
            widest = std::max(widest, metrics.width(font, QLatin1Char(' ') + s.Label.trimmed() + QLatin1Char(' ')));
    l.columnWidth = LegendMargin + LegendSampleWidth + LegendGap + widest;
    l.width = l.columns * l.columnWidth + LegendMargin;
    double x = LegendMargin;
    double y = LegendGap;
    int row = 1;
    for (size_t i = 0; i < styles.size(); ++i) {
        if (!styles[i].Visible)
            continue;
        l.entries.push_back(LegendEntry{static_cast<int>(i) + 1, x, y});
        if (row == l.rows) {
            row = 1;
            y = LegendGap;
            x += l.columnWidth;
        } else {
            ++row;
            y += h + LegendGap;
        }
    }
    return l;
}

} // namespace vexachart
