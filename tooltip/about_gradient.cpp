#include "tooltip/about_gradient.h"

#include <array>
#include <cmath>

namespace quickinfo {

namespace {

int roundHalfEven(double v)
{
    return static_cast<int>(std::nearbyint(v)); // the default rounding mode is to nearest, ties to even
}

int clampChannel(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

common::ColourValue colourOf(const std::array<double, 3>& hundredths, bool roundDown)
{
    std::array<int, 3> c{};
    for (std::size_t i = 0; i < 3; ++i)
        c[i] = clampChannel(roundDown ? static_cast<int>(std::floor(hundredths[i] / 100)) : roundHalfEven(hundredths[i] / 100));
    return common::rgbColour(c[0], c[1], c[2]);
}

} // namespace

int GetRed(qint32 colour)
{
    return colour & 255;
}

int GetGreen(qint32 colour)
{
    return (colour / 256) & 255;
}

int GetBlue(qint32 colour)
{
    return (colour / 65536) & 255;
}

int GradientBandCount(int depth)
{
    switch (depth) {
    case 15: return 32;
    case 16:
    case 24:
    case 32: return 256;
    default: return 64;
    }
}

std::vector<GradientBand> MakeGradientBands(int width, int height, qint32 fromColor, qint32 toColor, int direction,
                                            int bandCount)
{
    std::vector<GradientBand> bands;
    if (bandCount <= 0 || width <= 0 || height <= 0)
        return bands;
    const int n = bandCount;
    const std::array<int, 3> from = {GetRed(fromColor), GetGreen(fromColor), GetBlue(fromColor)};
    const std::array<int, 3> to = {GetRed(toColor), GetGreen(toColor), GetBlue(toColor)};
    std::array<double, 3> step{};
    std::array<double, 3> value{};
    for (std::size_t i = 0; i < 3; ++i) {
        step[i] = std::floor(static_cast<double>(from[i] - to[i] + 1) / n * 100);
        value[i] = to[i] * 100.0;
    }
    const bool horizontal = direction == 1;
    const double bandSize = std::floor(static_cast<double>(horizontal ? height : width) / n * 100);

    // The current rectangle as left, top, right, bottom (right and bottom exclusive).
    int left = 0, top = 0, right = width, bottom = height;
    auto add = [&](common::ColourValue colour) {
        if (right > left && bottom > top)
            bands.push_back({QRect(left, top, right - left, bottom - top), colour});
    };
    for (int k = 0; k < n; ++k) {
        const common::ColourValue colour = colourOf(value, false);
        if (horizontal) {
            top = roundHalfEven(height - k * bandSize / 100);
            add(colour);
            bottom = top;
        } else {
            left = roundHalfEven(width - k * bandSize / 100);
            add(colour);
            right = left;
        }
        if (k != n - 1) {
            for (std::size_t i = 0; i < 3; ++i)
                value[i] += step[i];
        }
    }
    // The strip left over at the far edge.
    if (horizontal)
        top = 0;
    else
        left = 0;
    add(colourOf(value, true));
    return bands;
}

} // namespace quickinfo
