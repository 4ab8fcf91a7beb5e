#pragma once
// Acting as a user who is not root, in this process, for as long as an OtherUser lives: the
// effective user and group become nobody's (65534) and the supplementary groups those given, so
// the kernel checks every file access as it does for such a user (root may write any file, so a
// read-only file can only be shown to stay as it was by someone else). Root comes back at the end.
// Where the tests do not run as root they already run as a user who is not root: then nothing
// changes, and the tests that need two different users skip (canSwitch()).
#include <QFile>
#include <QString>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

class OtherUser {
public:
    static constexpr uid_t Uid = 65534;
    static constexpr gid_t Gid = 65534;

    // Whether this process can act as another user (it runs as root).
    static bool canSwitch() { return ::geteuid() == 0; }

    // Gives path to the user acting (and its folder mode, so that the user may work in a folder).
    static bool own(const QString& path, mode_t mode)
    {
        const QByteArray p = QFile::encodeName(path);
        return (!canSwitch() || ::chown(p.constData(), Uid, Gid) == 0) && ::chmod(p.constData(), mode) == 0;
    }

    explicit OtherUser(const std::vector<gid_t>& groups = {})
    {
        if (!canSwitch())
            return;
        m_entered = true;
        m_saved.resize(size_t(::getgroups(0, nullptr)));
        m_saved.resize(size_t(::getgroups(int(m_saved.size()), m_saved.data())));
        m_active = ::setgroups(groups.size(), groups.data()) == 0 && ::setegid(Gid) == 0 && ::seteuid(Uid) == 0;
    }
    ~OtherUser()
    {
        if (m_entered && ::seteuid(0) == 0) {
            ::setegid(0);
            ::setgroups(m_saved.size(), m_saved.data());
        }
    }
    OtherUser(const OtherUser&) = delete;
    OtherUser& operator=(const OtherUser&) = delete;

    // False when switching was possible but failed (the test cannot show what it means to).
    bool ok() const { return m_active || !m_entered; }

private:
    bool m_entered = false;
    bool m_active = false;
    std::vector<gid_t> m_saved;
};
