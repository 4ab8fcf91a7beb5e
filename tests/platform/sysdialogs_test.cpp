#include "common/error.h"
#include "platform/recordingfolderdialog.h"
#include "platform/sysdialogs.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(clsSysDialogs, GetPathAsksWithTheFixedTitleAndReturnsTheChoice)
{
    RecordingFolderDialog dialog;
    dialog.answers = {QStringLiteral("/home/planer/Projekte")};
    clsSysDialogs dialogs(dialog);

    EXPECT_EQ(dialogs.GetPath(), QStringLiteral("/home/planer/Projekte"));
    EXPECT_EQ(dialogs.GetPath(), QString()); // cancelled
    EXPECT_EQ(dialog.titles, QStringList(2, QStringLiteral("Bitte wählen Sie ein Verzeichnis aus")));
}

TEST(clsSysDialogs, ErrorsOfTheDialogAreShifted)
{
    RecordingFolderDialog dialog;
    dialog.errors = {5};
    clsSysDialogs dialogs(dialog);
    try {
        dialogs.GetPath();
        FAIL() << "no error";
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), -2147221499L);
        EXPECT_EQ(e.source(), QStringLiteral("cSysDialogs:GetPath"));
        EXPECT_EQ(e.description(), common::standardDescription(5));
    }
}
