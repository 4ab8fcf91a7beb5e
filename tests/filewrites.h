#pragma once
// Counts how often a file is written, as the kernel reports it: every rename onto the file's name
// and every close of the file after writing, in its folder, from the moment of construction.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

class FileWrites {
public:
    FileWrites(const QString& folder, const QString& name) : m_name(QFile::encodeName(name))
    {
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0)
            ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~FileWrites()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileWrites(const FileWrites&) = delete;
    FileWrites& operator=(const FileWrites&) = delete;

    bool watching() const { return m_fd >= 0; }

    // Writes of the file since construction (or since the last call).
    int count()
    {
        alignas(inotify_event) char buffer[16384];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && m_name == event->name)
                    ++m_count;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        const int seen = m_count;
        m_count = 0;
        return seen;
    }

private:
    int m_fd = -1;
    QByteArray m_name;
    int m_count = 0;
};
