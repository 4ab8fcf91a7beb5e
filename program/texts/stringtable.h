#pragma once
// The string table: the texts of languages 3 to 16 (the literal languages 0 to 2 live in code).
// One UTF-8 JSON object per language maps the decimal text number to its text. A text is
// addressed by its id (language - 3) x 1000 + text number, so one text has the same offset in
// every language block. A missing or unreadable file, or a missing key, is not a load failure:
// the entry is simply absent and the caller decides what that means.
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace texts {

inline constexpr int FirstTableLanguage = 3;
inline constexpr int LastTableLanguage = 16;
inline constexpr int TableLanguageCount = LastTableLanguage - FirstTableLanguage + 1;
inline constexpr int IdsPerLanguageBlock = 1000;

// Error number raised when a requested id has no entry.
inline constexpr long ResourceNotFound = 326;

// ISO 639-1 code of a table language (3 Chinese ... 16 Swedish); the file is "<code>.json".
QString languageCode(int sprache);

// Where the compiled-in table lives.
inline const QString CompiledStringsLocation = QStringLiteral(":/strings");

class StringTable {
public:
    enum class FileState { Missing, Invalid, Loaded };

    // Reads "<location>/<code>.json" for every table language; location is a folder or a
    // resource prefix such as ":/strings".
    static StringTable load(const QString& location);

    // The entry of a string-table id, or nothing when that id has none.
    std::optional<QString> entry(int id) const;
    // The entry of one text number in one table language.
    std::optional<QString> entry(int sprache, int textNr) const;

    FileState fileState(int sprache) const;
    // Every text number present in the file of a table language.
    QList<int> textNumbers(int sprache) const;

private:
    struct Block {
        FileState state = FileState::Missing;
        QHash<int, QString> texts;
    };
    std::array<Block, TableLanguageCount> m_blocks;
};

// The table compiled into the program, read once on first use.
const StringTable& compiledStringTable();

// The entry of an id; raises ResourceNotFound when the table holds none.
QString resString(int id, const StringTable& table = compiledStringTable());

} // namespace texts
