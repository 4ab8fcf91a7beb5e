#pragma once
// The scroll bars' numbers: where the thumb stands for a display range inside the global range,
// and which display range a bar position asks for. The bars run from Min to 10000; the thumb range
// covers the part of the global range outside the display, a page step moves by one display span.
#include "chart/control/zoomborders.h"
#include <optional>

namespace vexachart {

struct ScrollBarSettings {
    int min = 10000;
    int max = 10000;
    int largeChange = 10000;
    int smallChange = 1000;
    int value = 10000;
    bool operator==(const ScrollBarSettings&) const = default;
};

inline constexpr int ScrollBarMax = 10000;

// The horizontal bar for the display x range inside the global x range.
ScrollBarSettings horizontalScrollBar(const ZoomBorders& display, const ZoomBorders& global);
// The vertical bar (its top end shows the highest values). When the computed value falls below
// Min the bar keeps `currentValue`.
ScrollBarSettings verticalScrollBar(const ZoomBorders& display, const ZoomBorders& global, int currentValue);

// The display after the horizontal bar moved to `value`; nothing when the bar has no range.
std::optional<ZoomBorders> scrolledHorizontally(const ScrollBarSettings& bar, int value, const ZoomBorders& display,
                                                const ZoomBorders& global);
// The display after the vertical bar moved to `value`; nothing when the bar has no range.
std::optional<ZoomBorders> scrolledVertically(const ScrollBarSettings& bar, int value, const ZoomBorders& display,
                                              const ZoomBorders& global);

} // namespace vexachart
