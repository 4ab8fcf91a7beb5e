#pragma once
// The folder picker of clsSysDialogs on the desktop: Qt's directory dialog, folders only.
#include "platform/sysdialogs.h"

namespace platform {

class QtFolderDialog : public FolderDialog {
public:
    // Starts in the user's home folder.
    QString chooseFolder(QWidget* owner, const QString& title) override;
};

} // namespace platform
