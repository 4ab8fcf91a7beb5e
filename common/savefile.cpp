#include "common/savefile.h"
#include "common/saveleftovers.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

QByteArray pathBytes(const QString& path)
{
    return QFile::encodeName(path);
}

// The file a path names, found the way the kernel finds it when it opens the path for writing:
// every symbolic link on the way is followed, a relative one from the real folder it lies in, so
// the links themselves stay links. A link to a file that does not exist yet names the file it would
// create. Empty, with errno set, when the path names no file that could be written (a missing
// folder, a loop of links, a name such as "..").
QByteArray resolvedTarget(const QString& target)
{
    QByteArray path = pathBytes(target);
    if (!path.startsWith('/')) {
        char* cwd = ::getcwd(nullptr, 0);
        if (cwd == nullptr)
            return {};
        path = QByteArray(cwd) + '/' + path;
        std::free(cwd);
    }
    for (int links = 0; links <= 40; ++links) { // the kernel's own limit of links in one lookup
        if (char* real = ::realpath(path.constData(), nullptr)) {
            const QByteArray found(real);
            std::free(real);
            return found;
        }
        if (errno != ENOENT)
            return {};
        // The path ends in a name that does not exist, or in a link to a missing file.
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray name = path.mid(slash + 1);
        if (name.isEmpty() || name == "." || name == "..") {
            errno = EISDIR;
            return {};
        }
        char* realFolder = ::realpath(slash > 0 ? path.left(slash).constData() : "/", nullptr);
        if (realFolder == nullptr)
            return {};
        QByteArray folder(realFolder);
        std::free(realFolder);
        if (!folder.endsWith('/'))
            folder += '/';
        const QByteArray named = folder + name;
        struct stat st {};
        if (::lstat(named.constData(), &st) != 0)
            return errno == ENOENT ? named : QByteArray();
        if (!S_ISLNK(st.st_mode))
            return named; // it appeared meanwhile
        QByteArray text(qsizetype(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        const ssize_t length = ::readlink(named.constData(), text.data(), size_t(text.size()));
        if (length < 0)
            return {};
        text.truncate(length);
        path = text.startsWith('/') ? text : folder + text;
    }
    errno = ELOOP;
    return {};
}

// Locks the new temporary file at path (open for writing as fd) through a second, read-only
// descriptor that lives as long as the file, so that the leftover cleanup of another save of the
// same file (another program, another instance) leaves it alone. The writing descriptor can then
// be closed, and its errors seen, before the rename, and a watcher of the folder sees the file
// written once, under its temporary name. Returns the locking descriptor, or -1 where there is
// none (a file system without locks, a umask that leaves the owner no right to read: the cleanup
// cannot lock the file then either, so it leaves it). Sets lost when a cleanup removed the file
// in the moment before it was locked: another name must be taken.
int holdAsOwn(int fd, const QByteArray& path, bool& lost)
{
    lost = false;
    const int lock = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (lock < 0) {
        lost = errno == ENOENT;
        return -1;
    }
    while (::flock(lock, LOCK_EX) != 0) {
        if (errno == EINTR)
            continue;
        ::close(lock);
        return -1;
    }
    struct stat written {};
    struct stat held {};
    struct stat named {};
    lost = ::fstat(fd, &written) != 0 || ::fstat(lock, &held) != 0 || ::lstat(path.constData(), &named) != 0
        || written.st_dev != held.st_dev || written.st_ino != held.st_ino || held.st_dev != named.st_dev
        || held.st_ino != named.st_ino;
    if (lost) {
        ::close(lock);
        return -1;
    }
    return lock;
}

int openNewTemporary(const QString& folder, const QString& prefix, QString& path, int& lock)
{
    static constexpr char Alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = prefix;
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(Alphabet[QRandomGenerator::global()->bounded(int(sizeof Alphabet) - 1)]);
        path = QDir(folder).filePath(name);
        const QByteArray bytes = pathBytes(path);
        const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return -1;
        if (fd < 0)
            continue;
        bool lost = false;
        lock = holdAsOwn(fd, bytes, lost);
        if (!lost)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// The new file takes the mode of the file it replaces (or is a copy of), and that file's group
// where the user may give it that group (root, or the owner being a member of it); elsewhere it
// keeps the user's own group. Its owner is the user who saves. A file that did not exist gets what
// the user's umask gives any new file. False, with errno, when the mode cannot be set.
bool takeAttributes(int fd, const QByteArray& from)
{
    struct stat old {};
    if (::stat(from.constData(), &old) != 0)
        return true;
    struct stat now {};
    if (::fstat(fd, &now) == 0 && now.st_gid != old.st_gid) {
        // Refused with EPERM where the user is not a member of that group: the file then stays in
        // the user's group, which is what a new file gets.
        [[maybe_unused]] const int kept = ::fchown(fd, uid_t(-1), old.st_gid);
    }
    // After the group: a change of group may clear the set-group-ID bit.
    return ::fchmod(fd, old.st_mode & 07777) == 0;
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
    release();
}

void StagedFile::release()
{
    if (m_lock >= 0)
        ::close(m_lock);
    m_lock = -1;
}

bool StagedFile::stage(const QString& target, const QByteArray& bytes, const QString& like)
{
    discard();
    m_error = {};
    const QByteArray resolved = resolvedTarget(target);
    if (resolved.isEmpty()) {
        m_error = systemFailure(errno);
        return false;
    }
    m_target = QFile::decodeName(resolved);
    const QFileInfo info(m_target);
    const QString folder = info.absolutePath();
    if (info.exists() && !info.isFile()) {
        m_error = {FileFailure::Kind::NotAFile, {}, {}};
        return false;
    }
    // A file the user may not write is not replaced, although the folder would let a rename do
    // it. The effective ids decide, as they do for an open().
    if (info.exists() && ::faccessat(AT_FDCWD, resolved.constData(), W_OK, AT_EACCESS) != 0) {
        m_error = systemFailure(errno);
        return false;
    }
    removeSaveLeftovers(m_target);

    QString temporary;
    const int fd = openNewTemporary(folder, saveTemporaryPrefix(info.fileName()), temporary, m_lock);
    if (fd < 0) {
        m_error = systemFailure(errno);
        return false;
    }
    m_temporary = temporary;
    bool ok = takeAttributes(fd, like.isEmpty() ? resolved : pathBytes(like));
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
    release();
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
