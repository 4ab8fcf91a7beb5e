#include "program/texts/stringtable.h"

#include "common/error.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace texts {

namespace {

constexpr std::array<const char*, TableLanguageCount> LanguageCodes = {
    "zh", "ru", "pl", "fi", "es", "it", "pt", "cs", "tr", "ko", "nl", "bg", "ja", "sv"};

bool isTableLanguage(int sprache)
{
    return sprache >= FirstTableLanguage && sprache <= LastTableLanguage;
}

} // namespace

QString languageCode(int sprache)
{
    if (!isTableLanguage(sprache))
        return {};
    return QString::fromLatin1(LanguageCodes[static_cast<std::size_t>(sprache - FirstTableLanguage)]);
}

StringTable StringTable::load(const QString& location)
{
    StringTable table;
    for (int sprache = FirstTableLanguage; sprache <= LastTableLanguage; ++sprache) {
        Block& block = table.m_blocks[static_cast<std::size_t>(sprache - FirstTableLanguage)];
        QFile file(location + QLatin1Char('/') + languageCode(sprache) + QStringLiteral(".json"));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
        if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
            block.state = FileState::Invalid;
            continue;
        }
        block.state = FileState::Loaded;
        const QJsonObject object = document.object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool isNumber = false;
            const int textNr = it.key().toInt(&isNumber);
            // Only plain text numbers of this block and string values count; anything else in the
            // file would otherwise shadow an entry of another block.
            if (!isNumber || textNr < 0 || textNr >= IdsPerLanguageBlock || !it.value().isString())
                continue;
            block.texts.insert(textNr, it.value().toString());
        }
    }
    return table;
}

std::optional<QString> StringTable::entry(int sprache, int textNr) const
{
    if (!isTableLanguage(sprache))
        return std::nullopt;
    const Block& block = m_blocks[static_cast<std::size_t>(sprache - FirstTableLanguage)];
    const auto found = block.texts.constFind(textNr);
    if (found == block.texts.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<QString> StringTable::entry(int id) const
{
    if (id < 0)
        return std::nullopt;
    return entry(FirstTableLanguage + id / IdsPerLanguageBlock, id % IdsPerLanguageBlock);
}

StringTable::FileState StringTable::fileState(int sprache) const
{
    if (!isTableLanguage(sprache))
        return FileState::Missing;
    return m_blocks[static_cast<std::size_t>(sprache - FirstTableLanguage)].state;
}

QList<int> StringTable::textNumbers(int sprache) const
{
    if (!isTableLanguage(sprache))
        return {};
    QList<int> numbers = m_blocks[static_cast<std::size_t>(sprache - FirstTableLanguage)].texts.keys();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

const StringTable& compiledStringTable()
{
    static const StringTable table = StringTable::load(CompiledStringsLocation);
    return table;
}

QString resString(int id, const StringTable& table)
{
    if (auto text = table.entry(id))
        return *text;
    common::raise(ResourceNotFound, QStringLiteral("resString"),
                  QStringLiteral("Resource with identifier '%1' not found").arg(id));
}

} // namespace texts
