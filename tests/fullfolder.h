#pragma once
// A folder in which writing fails the way it fails on a full disk. Where this process may mount
// (as root), it is a small tmpfs of its own that fill() fills to the last byte, so write() fails
// with ENOSPC. Elsewhere fill() sets a file-size limit of 0 bytes for this process (RLIMIT_FSIZE,
// with SIGXFSZ ignored), so write() fails with EFBIG. Either way it is the kernel that refuses the
// bytes, not a stand-in. Files put into the folder before fill() stay readable and unchanged.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

class FullFolder {
public:
    FullFolder()
    {
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            "size=256k,mode=0755") == 0;
    }
    ~FullFolder()
    {
        release();
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    FullFolder(const FullFolder&) = delete;
    FullFolder& operator=(const FullFolder&) = delete;

    bool isSmallFileSystem() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Puts a file with exactly these bytes into the folder (before fill()).
    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile f(filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    QByteArray bytesOf(const QString& name) const
    {
        QFile f(filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList entries() const
    {
        QStringList names =
            QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        names.removeAll(QStringLiteral(".filler"));
        return names;
    }

    // From now on no byte more can be written in the folder. Returns the errno a write now gets.
    int fill()
    {
        if (m_mounted) {
            const int fd = ::open(QFile::encodeName(filePath(QStringLiteral(".filler"))).constData(),
                                  O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
            const QByteArray block(4096, 'f');
            int error = 0;
            while (fd >= 0 && error == 0) {
                if (::write(fd, block.constData(), size_t(block.size())) < 0)
                    error = errno;
            }
            // The last partial block: byte by byte until the file system takes none.
            while (fd >= 0 && ::write(fd, "f", 1) == 1) {}
            if (fd >= 0)
                ::close(fd);
            return error;
        }
        ::getrlimit(RLIMIT_FSIZE, &m_oldLimit);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = m_oldLimit;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
        m_limited = true;
        return EFBIG;
    }

    // Writing works again (the filler removed, the limit lifted).
    void release()
    {
        if (m_mounted)
            QFile::remove(filePath(QStringLiteral(".filler")));
        if (m_limited) {
            ::setrlimit(RLIMIT_FSIZE, &m_oldLimit);
            std::signal(SIGXFSZ, m_oldHandler);
            m_limited = false;
        }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_limited = false;
    rlimit m_oldLimit{};
    void (*m_oldHandler)(int) = SIG_DFL;
};
