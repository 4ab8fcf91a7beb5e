#include "platform/saveleftovers.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

bool isSaveLeftoverOf(const QString& fileName, const QString& targetName)
{
    constexpr qsizetype placeholder = 6;
    if (targetName.isEmpty() || fileName.size() != targetName.size() + 1 + placeholder
        || !fileName.startsWith(targetName) || fileName[targetName.size()] != QLatin1Char('.'))
        return false;
    for (qsizetype i = fileName.size() - placeholder; i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        const bool letterOrDigit = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (!letterOrDigit)
            return false;
    }
    return true;
}

int removeSaveLeftovers(const QString& target)
{
    const QFileInfo info(target);
    const QString name = info.fileName();
    if (name.isEmpty())
        return 0;
    int removed = 0;
    const QFileInfoList entries =
        info.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries)
        if (isSaveLeftoverOf(entry.fileName(), name) && QFile::remove(entry.absoluteFilePath()))
            ++removed;
    return removed;
}

} // namespace platform
