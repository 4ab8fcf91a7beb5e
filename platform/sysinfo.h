#pragma once
// clsSysInfo: questions about the machine and the user (platform, computer and host name, login
// name, IPv4 address, host lookup) and new GUIDs. Errors are raised as common::Error, never shown.
// Members initialise the instance on first use; nothing runs when it is created.
#include <QString>
#include <memory>
#include <optional>

namespace platform {

// What the class asks the operating system; replaced in tests.
class SysInfoBackend {
public:
    virtual ~SysInfoBackend() = default;
    // The host name, or the error code of the failed call.
    virtual std::optional<QString> hostName(int& errorCode) = 0;
    // The first IPv4 address of a name in dotted form; empty when the name has none.
    virtual QString firstIPv4(const QString& name) = 0;
    // The login name of the effective user; empty when the system knows none.
    virtual QString loginName() = 0;
};

// The running system: gethostname, getaddrinfo (IPv4 only), getpwuid_r of the effective user.
std::unique_ptr<SysInfoBackend> posixSysInfoBackend();

class clsSysInfo {
public:
    clsSysInfo();
    explicit clsSysInfo(std::unique_ptr<SysInfoBackend> backend);

    // Marks the instance as initialised. There is no version record to load and no socket
    // library to start on this platform, so it cannot fail.
    void Initialize();

    // The classic platform families do not exist here: false, false, false and 0.
    bool Win95();
    bool Win98();
    bool WinNT();
    qint32 NTVersion();
    // No service pack: 128 NUL characters, the length of the record's field.
    QString ServicePack();

    // The host name up to its first "." (source "clsSysInfo:NetBIOSName" on failure).
    QString NetBIOSName();
    // The full host name; a failed call raises 9999 "Windows Sockets Error: <code>".
    QString DNSName();
    QString LoginName();
    // HostByName(DNSName), errors with the source "clsSysInfo:strIPAddress".
    QString IPAddress();
    // The first IPv4 address of a name; none raises 9999 "<name> konnte keine IP-Adresse
    // zugeordnet werden." with the source "clsSysInfo:HostByName".
    QString HostByName(const QString& name);
    // A new GUID, 36 upper-case characters without braces.
    QString GetNewGUID();

private:
    void ensureInitialized();
    QString hostNameOrRaise();

    std::unique_ptr<SysInfoBackend> m_backend;
    bool m_initialized = false;
};

} // namespace platform
