#pragma once
// The background of the about box: a colour gradient painted as bands, computed as plain values
// (rectangles and colours) so that the band rule is tested without painting.
#include "common/colour.h"
#include <QRect>
#include <vector>

namespace quickinfo {

// Channels of a colour value (low byte red); integer division rounds toward zero.
int GetRed(qint32 colour);
int GetGreen(qint32 colour);
int GetBlue(qint32 colour);

// Number of bands for a colour depth in bits per pixel: 32 for 15; 256 for 16, 24 and 32;
// 64 for 4, 8 and any other depth.
int GradientBandCount(int depth);

struct GradientBand {
    QRect rect;
    common::ColourValue colour;
};

// The bands in painting order over a W x H area. Direction 1 stacks horizontal bands from the
// bottom edge upwards, any other value vertical bands from the right edge leftwards; the band at
// that edge has toColor, the last strip at the opposite edge is close to fromColor. Channel values
// are kept in hundredths: each band's colour is rounded half to even, the final strip rounded down.
// Bands of no area are left out.
std::vector<GradientBand> MakeGradientBands(int width, int height, qint32 fromColor, qint32 toColor, int direction,
                                            int bandCount);

} // namespace quickinfo
