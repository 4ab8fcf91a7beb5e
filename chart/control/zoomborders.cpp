#include "chart/control/zoomborders.h"
#include <algorithm>

namespace vexachart {
namespace {

// Only the side that passes its global border is clamped; the other side is not moved to compensate.
ZoomBorders clampedToGlobal(ZoomBorders b, const ZoomBorders& global)
{
    b.xLeft = std::max(b.xLeft, global.xLeft);
    b.xRight = std::min(b.xRight, global.xRight);
    b.yBottom = std::max(b.yBottom, global.yBottom);
    b.yTop = std::min(b.yTop, global.yTop);
    return b;
}

ZoomBorders grown(const ZoomBorders& d, double factor)
{
    const double dx = factor * d.xSpan();
    const double dy = factor * d.ySpan();
    return {d.xLeft - dx, d.xRight + dx, d.yBottom - dy, d.yTop + dy};
}

} // namespace

ZoomBorders zoomedIn(const ZoomBorders& display, const ZoomBorders& global)
{
    return clampedToGlobal(grown(display, -0.25), global);
}

ZoomBorders zoomedOut(const ZoomBorders& display, const ZoomBorders& global)
{
    return clampedToGlobal(grown(display, 0.5), global);
}

} // namespace vexachart
