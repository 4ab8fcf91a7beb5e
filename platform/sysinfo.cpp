#include "platform/sysinfo.h"

#include "common/error.h"

#include <QUuid>

#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

constexpr long SysInfoError = common::errc::ObjectDefined; // 9999
constexpr int ServicePackLength = 128;

class PosixBackend : public SysInfoBackend {
public:
    std::optional<QString> hostName(int& errorCode) override
    {
        char buffer[256] = {};
        if (::gethostname(buffer, sizeof buffer - 1) != 0) {
            errorCode = errno;
            return std::nullopt;
        }
        return QString::fromLocal8Bit(buffer);
    }

    QString firstIPv4(const QString& name) override
    {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        if (name.isEmpty() || ::getaddrinfo(name.toLocal8Bit().constData(), nullptr, &hints, &found) != 0)
            return {};
        QString address;
        for (const addrinfo* a = found; a && address.isEmpty(); a = a->ai_next) {
            if (a->ai_family != AF_INET)
                continue;
            char text[INET_ADDRSTRLEN] = {};
            const auto* in = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
            if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text))
                address = QString::fromLatin1(text);
        }
        ::freeaddrinfo(found);
        return address;
    }

    QString loginName() override
    {
        long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
        std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
        passwd entry{};
        passwd* result = nullptr;
        if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &result) != 0 || !result)
            return {};
        return QString::fromLocal8Bit(result->pw_name);
    }
};

} // namespace

std::unique_ptr<SysInfoBackend> posixSysInfoBackend()
{
    return std::make_unique<PosixBackend>();
}

clsSysInfo::clsSysInfo() : clsSysInfo(posixSysInfoBackend()) {}

clsSysInfo::clsSysInfo(std::unique_ptr<SysInfoBackend> backend) : m_backend(std::move(backend)) {}

void clsSysInfo::Initialize()
{
    m_initialized = true;
}

void clsSysInfo::ensureInitialized()
{
    if (!m_initialized)
        Initialize();
}

bool clsSysInfo::Win95()
{
    ensureInitialized();
    return false;
}

bool clsSysInfo::Win98()
{
    ensureInitialized();
    return false;
}

bool clsSysInfo::WinNT()
{
    ensureInitialized();
    return false;
}

qint32 clsSysInfo::NTVersion()
{
    ensureInitialized();
    return 0;
}

QString clsSysInfo::ServicePack()
{
    ensureInitialized();
    return QString(ServicePackLength, QChar(0));
}

QString clsSysInfo::hostNameOrRaise()
{
    int code = 0;
    const std::optional<QString> name = m_backend->hostName(code);
    if (!name)
        common::raise(SysInfoError, {}, QStringLiteral("Windows Sockets Error: ") + QString::number(code));
    return *name;
}

QString clsSysInfo::NetBIOSName()
{
    try {
        const QString host = hostNameOrRaise();
        return host.left(host.indexOf(QLatin1Char('.')));
    } catch (const common::Error& e) {
        throw e.withSource(QStringLiteral("clsSysInfo:NetBIOSName"));
    }
}

QString clsSysInfo::DNSName()
{
    try {
        ensureInitialized();
        return hostNameOrRaise();
    } catch (const common::Error& e) {
        throw e.withSource(QStringLiteral("clsSysInfo:DNSName"));
    }
}

QString clsSysInfo::LoginName()
{
    try {
        const QString name = m_backend->loginName();
        if (name.isEmpty())
            common::raise(SysInfoError, {}, QStringLiteral("No user name is known for the current user."));
        return name;
    } catch (const common::Error& e) {
        throw e.withSource(QStringLiteral("clsSysInfo:LoginName"));
    }
}

QString clsSysInfo::IPAddress()
{
    try {
        ensureInitialized();
        return HostByName(DNSName());
    } catch (const common::Error& e) {
        throw e.withSource(QStringLiteral("clsSysInfo:strIPAddress"));
    }
}

QString clsSysInfo::HostByName(const QString& name)
{
    try {
        ensureInitialized();
        const QString address = m_backend->firstIPv4(name);
        if (address.isEmpty())
            common::raise(SysInfoError, {}, name + QStringLiteral(" konnte keine IP-Adresse zugeordnet werden."));
        return address;
    } catch (const common::Error& e) {
        throw e.withSource(QStringLiteral("clsSysInfo:HostByName"));
    }
}

QString clsSysInfo::GetNewGUID()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

} // namespace platform
