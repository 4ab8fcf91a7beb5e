// Integrity of the string table compiled into the program: every text number the program
// loads exists, with a real text, in each of the fourteen table languages, and nothing else is
// stored. The language files are built into the program: a missing one is a failure.
#include "program/texts/stringtable.h"
#include "program/texts/textnumbers.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <set>

namespace texts {
namespace {

QString resourcePath(int sprache)
{
    return CompiledStringsLocation + QLatin1Char('/') + languageCode(sprache) + QStringLiteral(".json");
}

// The language files that are not compiled in, as one line; empty when all are.
std::string absentFiles()
{
    QStringList absent;
    for (int sprache = FirstTableLanguage; sprache <= LastTableLanguage; ++sprache)
        if (!QFile::exists(resourcePath(sprache)))
            absent << resourcePath(sprache);
    return absent.join(u' ').toStdString();
}

TEST(CompiledStringTable, HoldsEveryRequiredTextInEveryLanguage)
{
    ASSERT_EQ(absentFiles(), "") << "language files not compiled in";
    const StringTable& table = compiledStringTable();
    for (int sprache = FirstTableLanguage; sprache <= LastTableLanguage; ++sprache) {
        ASSERT_EQ(table.fileState(sprache), StringTable::FileState::Loaded) << resourcePath(sprache).toStdString();
        for (qint16 textNr : requiredTextNumbers()) {
            const std::optional<QString> text = table.entry(sprache, textNr);
            EXPECT_TRUE(text.has_value()) << languageCode(sprache).toStdString() << " lacks text " << textNr;
            if (text) {
                EXPECT_FALSE(text->trimmed().isEmpty())
                    << languageCode(sprache).toStdString() << " text " << textNr << " is empty";
            }
        }
    }
}

TEST(CompiledStringTable, StoresOnlyRequiredNumbersAsTexts)
{
    ASSERT_EQ(absentFiles(), "") << "language files not compiled in";
    const std::set<int> required(requiredTextNumbers().begin(), requiredTextNumbers().end());
    for (int sprache = FirstTableLanguage; sprache <= LastTableLanguage; ++sprache) {
        const std::string code = languageCode(sprache).toStdString();
        QFile file(resourcePath(sprache));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << code;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << code << ": " << error.errorString().toStdString();
        ASSERT_TRUE(document.isObject()) << code;
        const QJsonObject object = document.object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool isNumber = false;
            const int textNr = it.key().toInt(&isNumber);
            EXPECT_TRUE(isNumber && required.count(textNr) == 1)
                << code << " holds key \"" << it.key().toStdString() << "\" that the program never loads";
            EXPECT_TRUE(it.value().isString()) << code << " key " << it.key().toStdString() << " is no text";
        }
    }
}

} // namespace
} // namespace texts
