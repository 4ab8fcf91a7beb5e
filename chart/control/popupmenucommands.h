#pragma once
// Runs a command of the context menu. A failure of a menu command (printing, saving, copying)
// is shown to the user through the chart's services; a Cancel in a dialog has already ended the
// command silently.
#include <functional>

namespace vexachart {

class ChartServices;

// Returns false when the command failed (and the user was told).
bool runMenuCommand(const std::function<void()>& command, ChartServices* services);

} // namespace vexachart
