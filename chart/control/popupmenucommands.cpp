#include "chart/control/popupmenucommands.h"
#include "common/error.h"
#include "common/messages.h"
#include <exception>

namespace vexachart {

bool runMenuCommand(const std::function<void()>& command, common::MessageBoxes& messages)
{
    try {
        command();
        return true;
    } catch (const common::Error& e) {
        if (e.number() == common::errc::DialogCancelled)
            return true;
        messages.show(e.description(), common::mb::Critical, QStringLiteral("Vexachart"));
    } catch (const std::exception& e) {
        messages.show(QString::fromLocal8Bit(e.what()), common::mb::Critical, QStringLiteral("Vexachart"));
    }
    return false;
}

} // namespace vexachart
