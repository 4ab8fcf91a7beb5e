#include "platform/profilefile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::ProfileWrite;
using platform::readProfileString;
using platform::writeProfileString;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/sub/Kelto_VX.ini");

    void put(const QByteArray& bytes)
    {
        QDir().mkpath(dir.path() + QStringLiteral("/sub"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
    }
};

const QByteArray kMixed = "; written by hand\r\n"
                          "[SysDaten]\r\n"
                          "Sprache=2\r\n"
                          "  Unknown = keep me  \r\n"
                          "\r\n"
                          "[Other]\r\n"
                          "Sprache=99\r\n"
                          "UserPath=/other\r\n";

} // namespace

TEST_F(ProfileFileTest, MissingFileReadsEmptyAndFirstWriteCreatesFolderAndFile)
{
    EXPECT_EQ(readProfileString(path, "SysDaten", "Sprache"), QString());
    EXPECT_EQ(writeProfileString(path, "SysDaten", "Sprache", "4"), ProfileWrite::Written);
    EXPECT_EQ(bytes(), QByteArray("[SysDaten]\nSprache=4\n"));
    EXPECT_EQ(readProfileString(path, "SysDaten", "Sprache"), QStringLiteral("4"));
}

TEST_F(ProfileFileTest, LookupIgnoresCaseAndBlanksAndStaysInItsSection)
{
    put(kMixed);
    EXPECT_EQ(readProfileString(path, "sysdaten", "SPRACHE"), QStringLiteral("2"));
    EXPECT_EQ(readProfileString(path, "SysDaten", "unknown"), QStringLiteral("keep me"));
    EXPECT_EQ(readProfileString(path, "Other", "Sprache"), QStringLiteral("99"));
    EXPECT_EQ(readProfileString(path, "SysDaten", "UserPath"), QString());
    EXPECT_EQ(readProfileString(path, "Missing", "Sprache"), QString());
    EXPECT_EQ(readProfileString(path, "SysDaten", "; written by hand"), QString());
}

TEST_F(ProfileFileTest, WriteChangesOneLineAndKeepsEveryOtherByte)
{
    put(kMixed);
    EXPECT_EQ(writeProfileString(path, "SYSDATEN", "sprache", "11"), ProfileWrite::Written);
    QByteArray expected = kMixed;
    expected.replace("Sprache=2\r\n", "Sprache=11\r\n");
    EXPECT_EQ(bytes(), expected);

    // A new key goes to the end of its section (before the blank separator), CR LF kept.
    EXPECT_EQ(writeProfileString(path, "SysDaten", "Region", "US"), ProfileWrite::Written);
    expected.replace("  Unknown = keep me  \r\n", "  Unknown = keep me  \r\nRegion=US\r\n");
    EXPECT_EQ(bytes(), expected);

    // A new section goes to the end of the file.
    EXPECT_EQ(writeProfileString(path, "Projekte", "Name1", "/p/a.tpj"), ProfileWrite::Written);
    expected += "[Projekte]\r\nName1=/p/a.tpj\r\n";
    EXPECT_EQ(bytes(), expected);
}

TEST_F(ProfileFileTest, AppendsAfterALastLineWithoutLineEnding)
{
    put("[A]\nx=1");
    writeProfileString(path, "A", "y", "2");
    writeProfileString(path, "B", "z", "3");
    EXPECT_EQ(bytes(), QByteArray("[A]\nx=1\ny=2\n[B]\nz=3\n"));
}

TEST_F(ProfileFileTest, EmptyKeyReadsNothingAndWritesNothing)
{
    put(kMixed);
    EXPECT_EQ(readProfileString(path, "SysDaten", ""), QString());
    EXPECT_EQ(writeProfileString(path, "SysDaten", "", "x"), ProfileWrite::IgnoredEmptyKey);
    EXPECT_EQ(bytes(), kMixed);
}

TEST_F(ProfileFileTest, ValuesRoundTripWholeInUtf8)
{
    struct Case {
        QString written;
        QString readBack;
    };
    const QString longPath = QStringLiteral("/home/user/") + QString(300, QLatin1Char('p')) + QStringLiteral(".tpj");
    const Case cases[] = {
        {QStringLiteral("Müller & Söhne"), QStringLiteral("Müller & Söhne")},
        {longPath, longPath},
        {QString(), QString()},
        {QStringLiteral("\"quoted\""), QStringLiteral("\"quoted\"")},
        {QStringLiteral("a=b"), QStringLiteral("a=b")},
        {QStringLiteral("a\r\nb"), QStringLiteral("a b")},
        {QStringLiteral("a\nb\rc"), QStringLiteral("a b c")},
        {QStringLiteral("x\r\n[Evil]\r\nSprache=3"), QStringLiteral("x [Evil] Sprache=3")},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(writeProfileString(path, "UserInfo", "Firma", c.written), ProfileWrite::Written);
        EXPECT_EQ(readProfileString(path, "UserInfo", "Firma"), c.readBack) << c.written.toStdString();
        EXPECT_EQ(readProfileString(path, "Evil", "Sprache"), QString());
    }
    EXPECT_EQ(bytes(), QByteArray("[UserInfo]\nFirma=x [Evil] Sprache=3\n"));
    writeProfileString(path, "UserInfo", "Firma", "");
    EXPECT_EQ(bytes(), QByteArray("[UserInfo]\nFirma=\n"));
}

TEST_F(ProfileFileTest, KeysAndSectionsThatCouldInjectLinesAreRefused)
{
    put(kMixed);
    const QString keys[] = {"a=b", "[x", "a\rb", "a\nb", "Sprache\r\n[Evil]"};
    for (const QString& key : keys)
        EXPECT_EQ(writeProfileString(path, "SysDaten", key, "1"), ProfileWrite::Refused) << key.toStdString();
    const QString sections[] = {"", "  ", "a]b", "a\nb"};
    for (const QString& section : sections)
        EXPECT_EQ(writeProfileString(path, section, "Key", "1"), ProfileWrite::Refused) << section.toStdString();
    EXPECT_EQ(bytes(), kMixed);
}

TEST_F(ProfileFileTest, LatinOneLineIsReadAsLatinOneAndKeptOnWrite)
{
    put("[UserInfo]\nOrt=K\xf6ln\n");
    EXPECT_EQ(readProfileString(path, "UserInfo", "Ort"), QStringLiteral("Köln"));
    writeProfileString(path, "UserInfo", "Tel", "123");
    EXPECT_EQ(bytes(), QByteArray("[UserInfo]\nOrt=K\xf6ln\nTel=123\n"));
}

TEST_F(ProfileFileTest, ValueWrittenIntoALatinOneLineReadsBackAsWritten)
{
    // The key's line is no UTF-8 (a Latin-1 byte, here also a blank around the key): the new value
    // in UTF-8 must not turn it into a line of mixed encodings.
    put("[SysDaten]\nUserPfad\x85\x85=o\n[UserInfo]\nOrt=K\xf6ln\n");
    const QString value = QStringLiteral("C:\\Zürich\u00A0\uFFFD/");
    ASSERT_EQ(writeProfileString(path, "SysDaten", "UserPfad", value), platform::ProfileWrite::Written);
    EXPECT_EQ(readProfileString(path, "SysDaten", "UserPfad"), value);
    EXPECT_EQ(readProfileString(path, "UserInfo", "Ort"), QStringLiteral("Köln"));
    const QByteArray once = bytes();
    EXPECT_TRUE(once.endsWith("\n[UserInfo]\nOrt=K\xf6ln\n")); // other lines keep their bytes
    writeProfileString(path, "SysDaten", "UserPfad", value);
    EXPECT_EQ(bytes(), once);
}

TEST_F(ProfileFileTest, WriteWhereNoFolderCanBeMadeFails)
{
    // The config folder's place is taken by a plain file: nothing can be stored.
    QFile blocker(dir.path() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString blocked = dir.path() + QStringLiteral("/blocker/Kelto_VX.ini");
    EXPECT_EQ(writeProfileString(blocked, "A", "x", "2"), ProfileWrite::Failed);
    EXPECT_EQ(readProfileString(blocked, "A", "x"), QString());
}

TEST_F(ProfileFileTest, CrLfAndLoneCrOrLfAllEndALineInReadingAndWriting)
{
    struct Case {
        const char* name;
        QByteArray eol;
    };
    const Case cases[] = {{"CR", "\r"}, {"LF", "\n"}, {"CR LF", "\r\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray& e = c.eol;
        const QByteArray original = "[SysDaten]" + e + "Sprache=2" + e + "UserPath=/data/" + e + e + "[UserInfo]" + e
            + "Ort=Ulm" + e;
        put(original);
        EXPECT_EQ(readProfileString(path, "SysDaten", "Sprache"), QStringLiteral("2"));
        EXPECT_EQ(readProfileString(path, "SysDaten", "UserPath"), QStringLiteral("/data/"));
        EXPECT_EQ(readProfileString(path, "UserInfo", "Ort"), QStringLiteral("Ulm"));

        // A changed value, a new key and a new section: each read back, the file's own line
        // ending kept on every line.
        ASSERT_EQ(writeProfileString(path, "SysDaten", "Sprache", "7"), ProfileWrite::Written);
        ASSERT_EQ(writeProfileString(path, "SysDaten", "Region", "US"), ProfileWrite::Written);
        ASSERT_EQ(writeProfileString(path, "Projekte", "Name1", "/p/a.tpj"), ProfileWrite::Written);
        EXPECT_EQ(readProfileString(path, "SysDaten", "Sprache"), QStringLiteral("7"));
        EXPECT_EQ(readProfileString(path, "SysDaten", "Region"), QStringLiteral("US"));
        EXPECT_EQ(readProfileString(path, "Projekte", "Name1"), QStringLiteral("/p/a.tpj"));
        EXPECT_EQ(readProfileString(path, "UserInfo", "Ort"), QStringLiteral("Ulm"));
        EXPECT_EQ(bytes(), "[SysDaten]" + e + "Sprache=7" + e + "UserPath=/data/" + e + "Region=US" + e + e
                      + "[UserInfo]" + e + "Ort=Ulm" + e + "[Projekte]" + e + "Name1=/p/a.tpj" + e);
    }
}

TEST_F(ProfileFileTest, MixedLineEndsAreEachKept)
{
    // A file edited with different tools: every line keeps its own ending.
    put("[SysDaten]\rSprache=2\r\nRegion=EU\nUserPath=/x/\r");
    EXPECT_EQ(readProfileString(path, "SysDaten", "Sprache"), QStringLiteral("2"));
    EXPECT_EQ(readProfileString(path, "SysDaten", "Region"), QStringLiteral("EU"));
    EXPECT_EQ(readProfileString(path, "SysDaten", "UserPath"), QStringLiteral("/x/"));
    ASSERT_EQ(writeProfileString(path, "SysDaten", "Region", "US"), ProfileWrite::Written);
    ASSERT_EQ(writeProfileString(path, "SysDaten", "DealerFlag", "1"), ProfileWrite::Written);
    EXPECT_EQ(bytes(), QByteArray("[SysDaten]\rSprache=2\r\nRegion=US\nUserPath=/x/\rDealerFlag=1\r"));
}

// A file that fails while it is read is not taken for an empty one, which a write would then turn
// into the new file without any other setting. /proc/self/mem fails with the kernel's EIO, as a
// failing disk or a lost network home does: its first page is never mapped.
TEST_F(ProfileFileTest, AReadErrorIsNoEmptyFileAndNoWriteGoesThrough)
{
    const QString failing = QStringLiteral("/proc/self/mem");
    {
        QFile f(failing);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        f.readAll();
        ASSERT_EQ(f.error(), QFileDevice::ReadError) << "no read error to show here";
    }
    EXPECT_FALSE(platform::readProfileFile(failing).has_value());
    EXPECT_EQ(readProfileString(failing, "SysDaten", "Sprache"), QString());

    // The settings file is a link to it: the write fails and the link stays.
    ASSERT_TRUE(QDir().mkpath(dir.path() + QStringLiteral("/sub")));
    ASSERT_TRUE(QFile::link(failing, path));
    common::FileFailure why;
    EXPECT_EQ(writeProfileString(path, "SysDaten", "Sprache", "4", &why), ProfileWrite::Failed);
    EXPECT_EQ(why.kind, common::FileFailure::Kind::CannotRead);
    EXPECT_TRUE(QFileInfo(path).isSymLink());
}
