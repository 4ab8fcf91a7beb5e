#include "platform/apppaths.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

AppPaths AppPaths::forRunningProgram()
{
    QString folder;
    if (QCoreApplication::instance() != nullptr)
        folder = QCoreApplication::applicationDirPath();
    else
        folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
    return AppPaths(folder);
}

AppPaths::AppPaths(QString programFolder) : m_programFolder(QDir::cleanPath(std::move(programFolder))) {}

QString AppPaths::systemFolder() const
{
    const QDir program(m_programFolder);
    const QString beside = program.filePath(QStringLiteral("system"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(program.filePath(QStringLiteral("../share/kelto-line/system")));
}

QString AppPaths::systemFile(const QString& name) const
{
    if (name.isEmpty())
        return {};
    const QDir folder(systemFolder());
    const QString exact = folder.filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    return {};
}

QString AppPaths::configFolder()
{
    // The generic location plus our own folder name, so the answer does not depend on the
    // application name that the running executable (program or test runner) happens to carry.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
        + ApplicationFolder;
}

QString AppPaths::settingsFile()
{
    return configFolder() + QLatin1Char('/') + SettingsFileName;
}

QString AppPaths::runtimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString AppPaths::defaultDataFolder()
{
    return QDir::homePath() + QStringLiteral("/Kelto-Line/Data/");
}

} // namespace platform
