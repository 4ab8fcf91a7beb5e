#pragma once
// Runs a command of the context menu. A failure of a menu command (printing, saving, copying)
// is shown to the user as a message; a Cancel in a dialog has already ended the command silently.
#include <functional>

namespace common {
class MessageBoxes;
}

namespace vexachart {

// Returns false when the command failed (and the user was told).
bool runMenuCommand(const std::function<void()>& command, common::MessageBoxes& messages);

} // namespace vexachart
