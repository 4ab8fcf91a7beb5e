#include "chart/control/zoomborders.h"
#include <algorithm>

namespace vexachart {
namespace {

// Only the side that passes its global border is clamped; the other side is not moved to compensate.
Borders clampedToGlobal(Borders b, const Borders& global)
{
    b.X_Left = std::max(b.X_Left, global.X_Left);
    b.X_Right = std::min(b.X_Right, global.X_Right);
    b.Y_Bottom = std::max(b.Y_Bottom, global.Y_Bottom);
    b.Y_Top = std::min(b.Y_Top, global.Y_Top);
    return b;
}

Borders grown(const Borders& d, double factor)
{
    const double dx = factor * d.xSpan();
    const double dy = factor * d.ySpan();
    return {d.X_Left - dx, d.X_Right + dx, d.Y_Bottom - dy, d.Y_Top + dy};
}

} // namespace

Borders zoomedIn(const Borders& display, const Borders& global)
{
    return clampedToGlobal(grown(display, -0.25), global);
}

Borders zoomedOut(const Borders& display, const Borders& global)
{
    return clampedToGlobal(grown(display, 0.5), global);
}

} // namespace vexachart
