#include "wp/externalprograms.h"
#include "common/error.h"
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace wp {

bool officeLockFilePresent(const QString& path)
{
    const QFileInfo info(path);
    const QDir dir = info.absoluteDir();
    const QString name = info.fileName();
    if (QFileInfo::exists(dir.filePath(QStringLiteral(".~lock.%1#").arg(name))))
        return true;
    // Other office programs replace the first two characters of longer names.
    const QString shortName = name.size() > 7 ? name.mid(2) : name;
    return QFileInfo::exists(dir.filePath(QStringLiteral("~$") + name))
           || QFileInfo::exists(dir.filePath(QStringLiteral("~$") + shortName));
}

bool openWithDesktop(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString mimeTool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!mimeTool.isEmpty()) {
        const QString type = QMimeDatabase().mimeTypeForFile(absolute).name();
        QProcess query;
        query.start(mimeTool, {QStringLiteral("query"), QStringLiteral("default"), type});
        if (query.waitForFinished(10000) && query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0
            && query.readAllStandardOutput().trimmed().isEmpty())
            return false; // the tool answered: nothing is set to open this kind of file
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

bool DesktopPrograms::openInViewer(const QString& path)
{
    return openWithDesktop(path);
}

void DesktopPrograms::print(const QString& path)
{
    QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (office.isEmpty())
        common::raise(NoPrintingProgram, QStringLiteral("wp.Application.PrintOut"),
                      QStringLiteral("No printing program was found: LibreOffice is not installed."));
    // A private profile keeps the job apart from a LibreOffice the user has open; the absolute
    // path keeps a name that starts with "-" from being read as an option.
    QTemporaryDir profile;
    QProcess process;
    process.start(office, {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                           QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                           QStringLiteral("-p"), QFileInfo(path).absoluteFilePath()});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        common::raise(PrintingFailed, QStringLiteral("wp.Application.PrintOut"),
                      QStringLiteral("Printing %1 failed.").arg(path));
    }
}

bool DesktopPrograms::isOpenElsewhere(const QString& path)
{
    return officeLockFilePresent(path);
}

} // namespace wp
