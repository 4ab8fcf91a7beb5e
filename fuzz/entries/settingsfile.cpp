// The settings file's reader and writer on a file's bytes: a stored value reads back as stored,
// storing it again changes nothing, and every other key keeps its value.
#include "fuzz/entries/fuzzentries.h"
#include "fuzz/entries/fuzzinput.h"
#include "platform/profilefile.h"
#include <array>

namespace fuzzing {

namespace {

const std::array<const char*, 8> Names{"SysDaten", "UserInfo", "Projekte", "Sprache", "UserPfad", "Projekt1", "Name", "Firma"};

// One of the program's section and key names, or an ASCII name made of the input (the program's
// own names are constants of that kind).
QString name(Input& in)
{
    const std::uint8_t pick = in.u8();
    if (pick < 0xF0)
        return QString::fromLatin1(Names[pick % Names.size()]);
    QString n;
    for (char c : in.bytes(16))
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.')
            n += QLatin1Char(c);
    return n;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Lines of a file, the last one counted also without its line end.
qsizetype lineCount(const QByteArray& content)
{
    return content.count('\n') + (content.isEmpty() || content.endsWith('\n') ? 0 : 1);
}

} // namespace

void settingsFile(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const QString section = name(in);
    const QString key = name(in);
    const QString otherSection = name(in);
    const QString otherKey = name(in);
    const QString value = in.text(200);
    const QByteArray content = in.rest();

    const platform::ProfileEdit edit = platform::profileWithValue(content, section, key, value);
    if (edit.result != platform::ProfileWrite::Written) {
        require(edit.content.isEmpty(), "a refused write gives bytes");
        return;
    }
    require(platform::profileValue(edit.content, section, key) == platform::profileValueOnOneLine(value).trimmed(),
        "a stored value reads back changed");
    require(platform::profileWithValue(edit.content, section, key, value).content == edit.content,
        "storing the same value again changes the file");
    require(lineCount(edit.content) <= lineCount(content) + 2, "storing one value adds more than a section and a key");
    if (!(sameName(section, otherSection) && sameName(key, otherKey)))
        require(platform::profileValue(edit.content, otherSection, otherKey)
                    == platform::profileValue(content, otherSection, otherKey),
            "storing one value changes another key");
}

std::vector<QByteArray> settingsFileSeeds()
{
    // Files the writer builds itself, key by key, with both kinds of line ends.
    struct Entry {
        int section, key;
        const char* value;
    };
    const Entry entries[] = {{0, 3, "1"}, {0, 4, "/home/anna/Kelto-Line/Data/"}, {1, 6, "Anna Müller"},
        {1, 7, "Kühltechnik GmbH; \"Nord\""}, {2, 5, "/home/anna/Projekte/Presse 3.tpj"}, {0, 3, "2"}};
    std::vector<QByteArray> seeds;
    for (const QByteArray& start : {QByteArray(), QByteArray("; Kelto-Line\r\n[SysDaten]\r\n\r\n")}) {
        QByteArray file = start;
        for (const Entry& e : entries)
            file = platform::profileWithValue(file, QString::fromLatin1(Names[static_cast<std::size_t>(e.section)]),
                QString::fromLatin1(Names[static_cast<std::size_t>(e.key)]), QString::fromUtf8(e.value))
                       .content;
        QByteArray seed;
        for (int pick : {0, 4, 1, 6}) // SysDaten/UserPfad written, UserInfo/Name checked
            seed.append(static_cast<char>(pick));
        const QByteArray value("/tmp/Kelto Daten/");
        seed.append(static_cast<char>(value.size()));
        seed.append(value);
        seed.append(file);
        seeds.push_back(seed);
    }
    return seeds;
}

} // namespace fuzzing
