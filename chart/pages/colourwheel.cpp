#include "chart/pages/colourwheel.h"
#include <cmath>

namespace vexachart {

std::vector<PlotRgb> colourWheel(int n)
{
    std::vector<PlotRgb> out;
    if (n < 1)
        return out;
    out.reserve(static_cast<size_t>(n));
    double d = 180.0;
    for (int k = 1; k <= n; ++k) {
        if (n <= 10)
            d = 250.0;
        else
            d = d == 180.0 ? 250.0 : d == 250.0 ? 210.0 : 180.0;
        const double h = (k - 1) * 5.5 / n;
        double r = 0, g = 0, b = 0;
        // A hue on a sector border belongs to the lower sector.
        if (h <= 1) {
            r = d; g = h * d; b = 0;
        } else if (h <= 2) {
            r = d - (h - 1) * d; g = d; b = 0;
        } else if (h <= 3) {
            r = 0; g = d; b = (h - 2) * d;
        } else if (h <= 4) {
            r = 0; g = d - (h - 3) * d; b = d;
        } else if (h <= 5) {
            r = (h - 4) * d; g = 0; b = d;
        } else {
            r = d; g = 0; b = d - (h - 5) * d;
        }
        out.push_back({static_cast<int>(std::floor(r)), static_cast<int>(std::floor(g)), static_cast<int>(std::floor(b))});
    }
    return out;
}

PlotRgb splitColour(common::ColourValue value)
{
    return {common::redOf(value), common::greenOf(value), common::blueOf(value)};
}

} // namespace vexachart
