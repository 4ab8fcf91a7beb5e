#include "platform/widgets/sysdialogs_qt.h"

#include <QDir>
#include <QFileDialog>

namespace platform {

QString QtFolderDialog::chooseFolder(QWidget* owner, const QString& title)
{
    return QFileDialog::getExistingDirectory(owner, title, QDir::homePath(), QFileDialog::ShowDirsOnly);
}

} // namespace platform
