#pragma once
// clsSysDialogs: the folder picker. The dialog itself sits behind FolderDialog, so the class works
// with the Qt dialog (platform/widgets/sysdialogs_qt.h) and with the recording fake of the tests (tests/platform/recordingfolderdialog.h).
#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

class FolderDialog {
public:
    virtual ~FolderDialog() = default;
    // Lets the user choose a file-system folder; "" when cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& title) = 0;
};

class clsSysDialogs {
public:
    explicit clsSysDialogs(FolderDialog& dialog);

    // The title of the picker, the same in every language.
    static inline const QString Title = QStringLiteral("Bitte wählen Sie ein Verzeichnis aus");

    // The chosen folder's path, or "" when the user cancels. An error of the dialog is raised
    // again with 2147221504 subtracted from its number, source "cSysDialogs:GetPath".
    QString GetPath(QWidget* owner = nullptr);

private:
    FolderDialog& m_dialog;
};

} // namespace platform
