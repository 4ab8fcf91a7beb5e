#include "common/saveleftovers.h"
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace common {

namespace {

constexpr qsizetype NameMax = 255; // bytes in one name on the file systems Linux uses
constexpr qsizetype Placeholder = 6;
const QString Marker = QStringLiteral("kelto-save-");

bool isLetterOrDigit(QChar ch)
{
    const char16_t c = ch.unicode();
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

} // namespace

QString saveTemporaryPrefix(const QString& targetName)
{
    const QString plain = QLatin1Char('.') + targetName + QLatin1Char('.') + Marker;
    if (QFile::encodeName(plain).size() + Placeholder <= NameMax)
        return plain;
    // The hash is of the name's bytes, so it is the same in every run and on every machine.
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(targetName), QCryptographicHash::Sha256);
    return QLatin1Char('.') + Marker + QString::fromLatin1(hash.left(8).toHex()) + QLatin1Char('-');
}

bool isSaveLeftoverOf(const QString& fileName, const QString& targetName)
{
    if (targetName.isEmpty())
        return false;
    const QString prefix = saveTemporaryPrefix(targetName);
    if (fileName.size() != prefix.size() + Placeholder || !fileName.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < fileName.size(); ++i)
        if (!isLetterOrDigit(fileName[i]))
            return false;
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

} // namespace common
