#include "platform/saveleftovers.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

using platform::isSaveLeftoverOf;

TEST(SaveLeftovers, NamesQtGivesTemporaryFilesOfATargetAreRecognised)
{
    // QSaveFile and QTemporaryFile share the name generator: a template without "XXXXXX" gets
    // "." and six generated characters appended. Many names cover the generator's characters.
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Pumpe 3.tpj"));
    for (int i = 0; i < 50; ++i) {
        QTemporaryFile temp(target);
        ASSERT_TRUE(temp.open());
        const QString name = QFileInfo(temp.fileName()).fileName();
        EXPECT_TRUE(isSaveLeftoverOf(name, QStringLiteral("Pumpe 3.tpj"))) << name.toStdString();
        EXPECT_FALSE(isSaveLeftoverOf(name, QStringLiteral("Pumpe 3.tp"))) << name.toStdString();
    }
}

TEST(SaveLeftovers, OnlyTheExactPatternOfTheTargetsOwnNameMatches)
{
    const QString target = QStringLiteral("p.tpj");
    const std::pair<const char*, bool> cases[] = {
        {"p.tpj.aB3xY9", true},  {"p.tpj.ZZZZZZ", true}, {"p.tpj.000000", true},
        {"p.tpj.aB3xY", false},  // five characters
        {"p.tpj.aB3xY9z", false}, // seven
        {"p.tpj.aB-xY9", false},  {"p.tpj.aB xY9", false}, {"p.tpj.aBäxY9", false},
        {"p.tpj_aB3xY9", false},  {"p.tpjxaB3xY9", false}, {"p.tpj", false},
        {"q.tpj.aB3xY9", false},  {"pp.tpj.aB3xY9", false}, {"P.TPJ.aB3xY9", false},
        {"p.tpj.bak", false},     {"p.tpj.aB3xY9.tpj", false},
    };
    for (const auto& [name, leftover] : cases)
        EXPECT_EQ(isSaveLeftoverOf(QString::fromUtf8(name), target), leftover) << name;
    EXPECT_FALSE(isSaveLeftoverOf(QStringLiteral(".aB3xY9"), QString()));
}

TEST(SaveLeftovers, RemovesOnlyRegularFilesOfTheTargetsName)
{
    QTemporaryDir dir;
    const auto put = [&](const QString& name) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    };
    for (const char* name : {"p.tpj", "p.tpj.aB3xY9", "p.tpj.Qq0000", "p.tpj.aB3xY", "q.tpj.aB3xY9", "p.bak.aB3xY9",
                             "elsewhere.txt"})
        put(QString::fromUtf8(name));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("p.tpj.folder")));
    // A link under a matching name is not ours to remove, and neither is what it points to.
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("elsewhere.txt")), dir.filePath(QStringLiteral("p.tpj.LINK00"))));

    EXPECT_EQ(platform::removeSaveLeftovers(dir.filePath(QStringLiteral("p.tpj"))), 2);

    const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    EXPECT_EQ(left, QStringList({"elsewhere.txt", "p.bak.aB3xY9", "p.tpj", "p.tpj.LINK00", "p.tpj.aB3xY", "p.tpj.folder",
                                 "q.tpj.aB3xY9"}));
}
