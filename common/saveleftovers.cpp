#include "common/saveleftovers.h"
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Removes the temporary file at path unless a live save holds it: every save keeps its temporary
// file locked until it is renamed or removed, so one that can be locked here was left behind. A
// file that cannot be opened or locked (another user's, a file system without locks) stays.
bool removeUnheld(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    const int fd = ::open(bytes.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat held {};
    struct stat named {};
    const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode)
        && ::lstat(bytes.constData(), &named) == 0 && held.st_dev == named.st_dev && held.st_ino == named.st_ino
        && ::unlink(bytes.constData()) == 0;
    ::close(fd);
    return removed;
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
        if (isSaveLeftoverOf(entry.fileName(), name) && removeUnheld(entry.absoluteFilePath()))
            ++removed;
    return removed;
}

} // namespace common
