#pragma once
// clsSysDialogs: the folder picker. The dialog itself sits behind FolderDialog, so the class works
// with the Qt dialog (platform/widgets/sysdialogs_qt.h) and with the recording fake below.
#include <QString>
#include <QStringList>
#include <deque>

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

// Answers from a script ("" = cancelled once the script is used up) and records the titles asked.
class RecordingFolderDialog : public FolderDialog {
public:
    std::deque<QString> answers;
    QStringList titles;
    std::deque<long> errors; // raised (as common::Error) before the next answer when not empty

    QString chooseFolder(QWidget* owner, const QString& title) override;
};

} // namespace platform
