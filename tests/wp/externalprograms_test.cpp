#include "wp/externalprograms.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

void script(const QString& path, const QByteArray& body)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body);
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

} // namespace

TEST(WpDesktop, AFileKindWithoutAProgramIsNotHandedToTheOpener)
{
    // A desktop whose MIME tool knows no program for the kind: the opener (which would start, then
    // fail silently) is never run, and the caller learns that nothing opened.
    QTemporaryDir bin;
    const QString marke = bin.filePath(QStringLiteral("opened"));
    script(bin.filePath(QStringLiteral("xdg-mime")), "exit 0\n");
    script(bin.filePath(QStringLiteral("xdg-open")), "touch '" + marke.toUtf8() + "'\n");
    QFile doc(bin.filePath(QStringLiteral("report.docx")));
    ASSERT_TRUE(doc.open(QIODevice::WriteOnly));
    doc.close();

    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    const bool opened = wp::openWithDesktop(doc.fileName());
    qputenv("PATH", oldPath);
    EXPECT_FALSE(opened);
    EXPECT_FALSE(QFileInfo::exists(marke));
}
