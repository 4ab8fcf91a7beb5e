#include "platform/widgets/sysfiles_icon.h"

#include <QFileIconProvider>
#include <QFileInfo>

namespace platform {

QIcon IconHandle(const QString& sFile)
{
    const QFileInfo info(sFile);
    if (!info.exists())
        return {};
    return QFileIconProvider().icon(info);
}

} // namespace platform
