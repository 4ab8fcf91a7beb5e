#include "platform/sysfiles.h"

#include "common/error.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr long ApiErrorBase = 10000;

// Closes a descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void raiseApiError(int code)
{
    common::raise(ApiErrorBase + code, {}, clsSysFiles::GetApiErrorText(code));
}

// The lock file an office suite keeps beside a document it has open.
bool officeLockFileExists(const QFileInfo& file)
{
    return QFileInfo::exists(file.dir().filePath(QStringLiteral(".~lock.") + file.fileName() + QLatin1Char('#')));
}

// Whether any lock conflicts with a write lock over the whole file. Open-file-description
// queries also see the locks of this process taken through other descriptors.
bool lockedByAnyone(int fd)
{
    struct flock query {};
    query.l_type = F_WRLCK;
    query.l_whence = SEEK_SET;
    query.l_start = 0;
    query.l_len = 0;
    if (::fcntl(fd, F_OFD_GETLK, &query) != 0)
        return false;
    return query.l_type != F_UNLCK;
}

} // namespace

QString clsSysFiles::GetApiErrorText(int code)
{
    try {
        char buffer[256] = {};
        // The GNU form returns the text, which may or may not be the buffer.
        const char* text = ::strerror_r(code, buffer, sizeof buffer);
        if (!text || !*text)
            common::raise(common::errc::ObjectDefined);
        return QString::fromLocal8Bit(text);
    } catch (const common::Error&) {
        throw common::Error(common::errc::ObjectDefined, QStringLiteral("clsFiles:GetApiErrorText"),
                            QStringLiteral("Der Fehlertext zu ReturnCode ") + QString::number(code)
                                + QStringLiteral(" konnte nicht ermittelt werden."));
    }
}

bool clsSysFiles::FileInUse(const QString& sFile) const
{
    try {
        const QByteArray path = QFile::encodeName(sFile);
        const Descriptor fd(path.isEmpty() ? -1 : ::open(path.constData(), O_RDONLY | O_CLOEXEC));
        if (fd.get() < 0)
            raiseApiError(path.isEmpty() ? ENOENT : errno);
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0)
            raiseApiError(errno);
        if (S_ISDIR(st.st_mode))
            raiseApiError(EISDIR);
        return officeLockFileExists(QFileInfo(sFile)) || lockedByAnyone(fd.get());
    } catch (const common::Error& e) {
        throw e.withSource(QStringLiteral("clsFiles:FileInUse"));
    }
}

QString clsSysFiles::DisplayName(const QString& sFile) const
{
    const QFileInfo info(sFile);
    return info.exists() ? info.fileName() : QString();
}

QString clsSysFiles::TypeName(const QString& sFile) const
{
    const QFileInfo info(sFile);
    if (!info.exists())
        return {};
    return QMimeDatabase().mimeTypeForFile(info).comment();
}

} // namespace platform
