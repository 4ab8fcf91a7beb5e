#include "chart/control/popupmenucommands.h"
#include "chart/control/chartservices.h"
#include "common/error.h"
#include <exception>

namespace vexachart {

bool runMenuCommand(const std::function<void()>& command, ChartServices* services)
{
    QString failure;
    try {
        command();
        return true;
    } catch (const common::Error& e) {
        if (e.number() == common::errc::DialogCancelled)
            return true;
        failure = e.description();
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    if (services)
        services->showError(failure);
    return false;
}

} // namespace vexachart
