#pragma once
// A small string table written to a temporary folder, for tests of the table reader and of
// everything that loads from it.
#include "program/texts/stringtable.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <initializer_list>
#include <map>

namespace texts::testing {

// The entry that the generated tables hold for an id: "id" followed by the id, so a test can
// see which id ended up in which slot.
inline QString idText(int id) { return QStringLiteral("id%1").arg(id); }

class StringTableFixture {
public:
    // Writes one language file with the given raw content.
    void writeRaw(int sprache, const QByteArray& content)
    {
        QFile file(m_dir.filePath(languageCode(sprache) + QStringLiteral(".json")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write string table fixture");
        file.write(content);
    }

    void write(int sprache, const std::map<int, QString>& entries)
    {
        QJsonObject object;
        for (const auto& [textNr, text] : entries)
            object.insert(QString::number(textNr), text);
        writeRaw(sprache, QJsonDocument(object).toJson());
    }

    // Every table language holds the given text numbers, each entry being idText of its id.
    template <class Numbers>
    void writeAll(const Numbers& textNumbers)
    {
        for (int sprache = FirstTableLanguage; sprache <= LastTableLanguage; ++sprache) {
            std::map<int, QString> entries;
            for (int textNr : textNumbers)
                entries[textNr] = idText((sprache - FirstTableLanguage) * IdsPerLanguageBlock + textNr);
            write(sprache, entries);
        }
    }
    void writeAll(std::initializer_list<int> textNumbers) { writeAll<std::initializer_list<int>>(textNumbers); }

    void remove(int sprache) { QFile::remove(m_dir.filePath(languageCode(sprache) + QStringLiteral(".json"))); }

    // Rewrites one language without one of its text numbers.
    template <class Numbers>
    void writeAllExcept(const Numbers& textNumbers, int sprache, int missingTextNr)
    {
        std::map<int, QString> entries;
        for (int textNr : textNumbers)
            if (textNr != missingTextNr)
                entries[textNr] = idText((sprache - FirstTableLanguage) * IdsPerLanguageBlock + textNr);
        write(sprache, entries);
    }

    StringTable load() const { return StringTable::load(m_dir.path()); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace texts::testing
