#include "platform/widgets/sysdialogs_qt.h"
#include "testsupport.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Answers the folder dialog as soon as it is open: chooses folder, or cancels when it is empty.
void answerDialog(const QString& folder, QString& titleSeen, bool& foldersOnly)
{
    QTimer::singleShot(0, [=, &titleSeen, &foldersOnly] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no folder dialog open";
            return;
        }
        titleSeen = dialog->windowTitle();
        foldersOnly = dialog->fileMode() == QFileDialog::Directory && dialog->testOption(QFileDialog::ShowDirsOnly);
        if (folder.isEmpty()) {
            dialog->reject();
        } else {
            dialog->setDirectory(folder);
            dialog->selectFile(folder);
            static_cast<QDialog*>(dialog)->accept(); // public in the base class
        }
    });
}

} // namespace

TEST(QtFolderDialog, ChoosesAFolderOrCancels)
{
    QTemporaryDir dir;
    QtFolderDialog picker;
    clsSysDialogs dialogs(picker);
    QString title;
    bool foldersOnly = false;

    answerDialog(dir.path(), title, foldersOnly);
    EXPECT_EQ(dialogs.GetPath(), dir.path());
    EXPECT_EQ(title, clsSysDialogs::Title);
    EXPECT_TRUE(foldersOnly);

    answerDialog(QString(), title, foldersOnly);
    EXPECT_EQ(dialogs.GetPath(), QString());
}
