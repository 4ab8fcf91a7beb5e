#pragma once
// Late-bound access to the chart by dispatch identifier, as a generic container or the property
// pages use it. By-reference outputs are written back into `args`.
#include "chart/control/vexachart_export.h"
#include "chart/control/membertable.h"
#include "chart/control/variant.h"
#include <functional>
#include <vector>

namespace vexachart {

class Vexachart;

// Runs the member; unknown identifiers and accessors a member lacks raise error 438.
VEXACHART_EXPORT Variant invoke(Vexachart& chart, qint32 dispid, InvokeKind kind, std::vector<Variant>& args);

// Connects a handler to an event by its identifier (1 DisplayRangeChanged, 2 CursorXY). The
// handler gets copies of the arguments; what it changes has no effect on the chart.
VEXACHART_EXPORT void connectEvent(Vexachart& chart, qint32 dispid, std::function<void(std::vector<Variant>&)> handler);

} // namespace vexachart
