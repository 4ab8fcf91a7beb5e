#pragma once
// Plot colours proposed when the plot count changes: n hues around a wheel, with the brightness
// cycling 250, 210, 180 when there are more than ten plots so that neighbours stay apart.
#include "common/colour.h"
#include <vector>

namespace vexachart {

struct PlotRgb {
    int R = 0;
    int G = 0;
    int B = 0;
    bool operator==(const PlotRgb&) const = default;
};

// Colours of plots 1..n (element k - 1 for plot k).
std::vector<PlotRgb> colourWheel(int n);

// The channels of a colour value 0x00BBGGRR.
PlotRgb splitColour(common::ColourValue value);

} // namespace vexachart
