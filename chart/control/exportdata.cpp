#include "chart/control/exportdata.h"
#include "common/error.h"
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

namespace vexachart {
namespace {

const QString SaveDataSource = QStringLiteral("Vexachart.SaveData");

} // namespace

void requireNewFile(const QString& path, const QString& source)
{
    if (QFileInfo::exists(path))
        common::raise(common::errc::ObjectDefined, source, QStringLiteral("File already exists"));
}

void writeWholeFile(const QString& path, const QByteArray& bytes, const QString& source)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        common::raise(outputerr::PathFileAccess, source,
                      QStringLiteral("Path/File access error: %1").arg(file.errorString()));
}

void saveData(QString& xFileName, const ExportTable& table, ChartDialogs& dialogs)
{
    try {
        const QString given = xFileName;
        if (given == ClipboardTarget) {
            QGuiApplication::clipboard()->setText(exportText(table, ExportLineEnds::Clipboard));
            return;
        }
        QString path = given;
        if (given.isEmpty()) {
            const auto chosen = dialogs.saveFileName({QStringLiteral("Save numeric Data to File"),
                                                      QStringLiteral("Text (*.txt)"), QStringLiteral("txt")});
            if (!chosen)
                return;
            path = *chosen;
            xFileName = path;
        } else {
            requireNewFile(path, SaveDataSource);
        }
        writeWholeFile(path, exportText(table, ExportLineEnds::File).toUtf8(), SaveDataSource);
    } catch (const common::Error& e) {
        throw e.withSource(SaveDataSource);
    }
}

void copyDataToClipboard(const ExportTable& table, ChartDialogs& dialogs)
{
    try {
        QString target = ClipboardTarget;
        saveData(target, table, dialogs);
    } catch (const common::Error& e) {
        throw e.withSource(QStringLiteral("Vexachart.CopyDataToClipboard"));
    }
}

} // namespace vexachart
