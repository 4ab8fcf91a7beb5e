#include "platform/sysdialogs.h"

#include "common/error.h"

namespace platform {

namespace {
// Errors of the folder picker reach the caller shifted by this much, as they always have.
constexpr long GetPathOffset = 2147221504L;
}

clsSysDialogs::clsSysDialogs(FolderDialog& dialog) : m_dialog(dialog) {}

QString clsSysDialogs::GetPath(QWidget* owner)
{
    try {
        return m_dialog.chooseFolder(owner, Title);
    } catch (const common::Error& e) {
        throw common::Error(e.number() - GetPathOffset, QStringLiteral("cSysDialogs:GetPath"), e.description());
    }
}

} // namespace platform
