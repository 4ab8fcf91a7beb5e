#include "platform/widgets/sysfiles_icon.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SysFilesIcon, ExistingPathsHaveAnIconMissingOnesNone)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("projekt.tpj"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(platform::IconHandle(file).isNull());
    EXPECT_FALSE(platform::IconHandle(dir.path()).isNull());
    EXPECT_TRUE(platform::IconHandle(QDir(dir.path()).filePath(QStringLiteral("fehlt.tpj"))).isNull());
}
