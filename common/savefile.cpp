#include "common/savefile.h"
#include "common/saveleftovers.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

QByteArray pathBytes(const QString& path)
{
    return QFile::encodeName(path);
}

// The file a path names: a symbolic link is replaced by writing to what it points to, so the link
// stays a link.
QString resolvedTarget(const QString& target)
{
    const QFileInfo info(target);
    if (info.isSymLink())
        return info.symLinkTarget();
    return info.absoluteFilePath();
}

int openNewTemporary(const QString& folder, const QString& prefix, QString& path)
{
    static constexpr char Alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = prefix;
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(Alphabet[QRandomGenerator::global()->bounded(int(sizeof Alphabet) - 1)]);
        path = QDir(folder).filePath(name);
        const int fd = ::open(pathBytes(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) { // the file system took nothing and named no reason
            errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

// Makes what the folder lists (the new name) durable. Some file systems cannot sync a folder; the
// file itself is in place by then, so this is the one step whose failure is not reported.
void syncFolder(const QString& folder)
{
    const int fd = ::open(pathBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

StagedFile::~StagedFile()
{
    discard();
}

void StagedFile::discard()
{
    if (!m_temporary.isEmpty())
        ::unlink(pathBytes(m_temporary).constData());
    m_temporary.clear();
}

bool StagedFile::stage(const QString& target, const QByteArray& bytes)
{
    discard();
    m_error = {};
    m_target = resolvedTarget(target);
    const QFileInfo info(m_target);
    const QString folder = info.absolutePath();
    if (info.exists() && !info.isFile()) {
        m_error = {FileFailure::Kind::NotAFile, {}, {}};
        return false;
    }
    removeSaveLeftovers(m_target);

    QString temporary;
    const int fd = openNewTemporary(folder, saveTemporaryPrefix(info.fileName()), temporary);
    if (fd < 0) {
        m_error = systemFailure(errno);
        return false;
    }
    m_temporary = temporary;
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    bool ok = ::stat(pathBytes(m_target).constData(), &old) != 0 || ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && writeAll(fd, bytes);
    // A file system that cannot sync says EINVAL; what was written has then reached it all the same.
    ok = ok && (::fdatasync(fd) == 0 || errno == EINVAL);
    const int failure = ok ? 0 : errno;
    const bool closed = ::close(fd) == 0;
    if (!ok || !closed) {
        m_error = systemFailure(ok ? errno : failure);
        discard();
        return false;
    }
    return true;
}

bool StagedFile::commit()
{
    if (m_temporary.isEmpty()) {
        if (!m_error.failed())
            m_error = {FileFailure::Kind::NothingStaged, {}, {}};
        return false;
    }
    if (::rename(pathBytes(m_temporary).constData(), pathBytes(m_target).constData()) != 0) {
        m_error = systemFailure(errno);
        discard();
        return false;
    }
    m_temporary.clear();
    syncFolder(QFileInfo(m_target).absolutePath());
    return true;
}

FileFailure replaceFile(const QString& target, const QByteArray& bytes)
{
    StagedFile file;
    if (!file.stage(target, bytes) || !file.commit())
        return file.failure();
    return {};
}

} // namespace common
