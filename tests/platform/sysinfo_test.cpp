#include "common/error.h"
#include "platform/sysinfo.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <functional>

using platform::clsSysInfo;

namespace {

// A system whose host name, lookup and user are given by the test.
class FakeBackend : public platform::SysInfoBackend {
public:
    std::optional<QString> host = QStringLiteral("werk3.example.net");
    int hostError = 0;
    QString address;
    QStringList asked;
    QString user = QStringLiteral("planer");

    std::optional<QString> hostName(int& errorCode) override
    {
        errorCode = hostError;
        return host;
    }
    QString firstIPv4(const QString& name) override
    {
        asked.append(name);
        return address;
    }
    QString loginName() override { return user; }
};

struct Fake {
    FakeBackend* backend = new FakeBackend;
    clsSysInfo info{std::unique_ptr<platform::SysInfoBackend>(backend)};
};

void expectError(const std::function<void()>& call, long number, const QString& source, const QString& description)
{
    try {
        call();
        ADD_FAILURE() << "no error raised";
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), number);
        EXPECT_EQ(e.source(), source);
        EXPECT_EQ(e.description(), description);
    }
}

} // namespace

TEST(clsSysInfo, NamesComeFromTheHostAndTheUser)
{
    Fake f;
    EXPECT_EQ(f.info.DNSName(), QStringLiteral("werk3.example.net"));
    EXPECT_EQ(f.info.NetBIOSName(), QStringLiteral("werk3"));
    EXPECT_EQ(f.info.LoginName(), QStringLiteral("planer"));
    f.backend->host = QStringLiteral("einzeln");
    EXPECT_EQ(f.info.NetBIOSName(), QStringLiteral("einzeln"));

    f.backend->address = QStringLiteral("192.0.2.17");
    EXPECT_EQ(f.info.IPAddress(), QStringLiteral("192.0.2.17"));
    EXPECT_EQ(f.backend->asked.last(), QStringLiteral("einzeln"));
}

TEST(clsSysInfo, FailuresCarryTheSourceOfTheMemberAsked)
{
    Fake f;
    const QString keine = QStringLiteral("gibtsnicht.invalid konnte keine IP-Adresse zugeordnet werden.");
    expectError([&] { f.info.HostByName(QStringLiteral("gibtsnicht.invalid")); }, 9999,
                QStringLiteral("clsSysInfo:HostByName"), keine);
    f.backend->host = QStringLiteral("gibtsnicht.invalid");
    expectError([&] { f.info.IPAddress(); }, 9999, QStringLiteral("clsSysInfo:strIPAddress"), keine);

    f.backend->host.reset();
    f.backend->hostError = 36;
    const QString socket = QStringLiteral("Windows Sockets Error: 36");
    expectError([&] { f.info.DNSName(); }, 9999, QStringLiteral("clsSysInfo:DNSName"), socket);
    expectError([&] { f.info.NetBIOSName(); }, 9999, QStringLiteral("clsSysInfo:NetBIOSName"), socket);
    expectError([&] { f.info.IPAddress(); }, 9999, QStringLiteral("clsSysInfo:strIPAddress"), socket);

    f.backend->user.clear();
    EXPECT_THROW(f.info.LoginName(), common::Error);
}

TEST(clsSysInfo, PlatformQuestionsAndGuids)
{
    clsSysInfo info;
    EXPECT_FALSE(info.Win95());
    EXPECT_FALSE(info.Win98());
    EXPECT_FALSE(info.WinNT());
    EXPECT_EQ(info.NTVersion(), 0);
    EXPECT_EQ(info.ServicePack(), QString(128, QChar(0)));

    const QRegularExpression form(QStringLiteral("^[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}$"));
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        const QString guid = info.GetNewGUID();
        EXPECT_TRUE(form.match(guid).hasMatch()) << guid.toStdString();
        seen.insert(guid);
    }
    EXPECT_EQ(seen.size(), 100);
}

// Only the loopback name and this host: no test depends on the network or the user database.
TEST(clsSysInfo, TheRunningSystemAnswers)
{
    clsSysInfo info;
    EXPECT_EQ(info.HostByName(QStringLiteral("localhost")).section(QLatin1Char('.'), 0, 0), QStringLiteral("127"));
    EXPECT_FALSE(info.DNSName().isEmpty());
    // An empty name is never looked up.
    expectError([&] { info.HostByName(QString()); }, 9999, QStringLiteral("clsSysInfo:HostByName"),
                QStringLiteral(" konnte keine IP-Adresse zugeordnet werden."));
}
