#include "platform/profilefile.h"
#include "common/savefile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>
#include <vector>

namespace platform {
namespace {

// One line of the file: its bytes as found (line ending included) and its decoded text.
struct Line {
    QByteArray raw;
    QString text;
    bool latin1 = false; // the bytes are no UTF-8 and were read as Latin-1
};

QByteArray lineEnding(const QByteArray& raw)
{
    if (raw.endsWith("\r\n"))
        return QByteArrayLiteral("\r\n");
    if (raw.endsWith('\n'))
        return QByteArrayLiteral("\n");
    if (raw.endsWith('\r'))
        return QByteArrayLiteral("\r");
    return {};
}

QString decodeLine(const QByteArray& bytes, bool* latin1 = nullptr)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (latin1)
        *latin1 = utf8.hasError();
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

// Where the line starting at start ends, its line ending included: CR LF, a lone CR and a lone LF
// each end a line.
qsizetype lineEnd(const QByteArray& content, qsizetype start)
{
    for (qsizetype i = start; i < content.size(); ++i) {
        if (content[i] == '\n')
            return i + 1;
        if (content[i] == '\r')
            return i + 1 < content.size() && content[i + 1] == '\n' ? i + 2 : i + 1;
    }
    return content.size();
}

std::vector<Line> splitLines(const QByteArray& content)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype end = lineEnd(content, start);
        Line line;
        line.raw = content.mid(start, end - start);
        QByteArray body = line.raw;
        body.chop(lineEnding(line.raw).size());
        line.text = decodeLine(body, &line.latin1);
        lines.push_back(std::move(line));
        start = end;
    }
    return lines;
}

bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x = static_cast<char16_t>(x + 32);
        if (y >= u'A' && y <= u'Z')
            y = static_cast<char16_t>(y + 32);
        if (x != y)
            return false;
    }
    return true;
}

// The name of a section line "[Name]", or nothing for any other line.
std::optional<QString> sectionOf(const QString& text)
{
    const QString t = text.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        close = t.size();
    return t.mid(1, close - 1).trimmed();
}

struct KeyValue {
    QString key;
    QString value;
};

// A "Key=Value" line; comments (";") and lines without "=" give nothing.
std::optional<KeyValue> keyValueOf(const QString& text)
{
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1Char(';')))
        return std::nullopt;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return KeyValue{t.left(eq).trimmed(), t.mid(eq + 1).trimmed()};
}

bool isBlank(const Line& line)
{
    return line.text.trimmed().isEmpty();
}

// The file's bytes (none when it does not exist); nothing when it exists but cannot be read.
// Why nothing can be stored under the key in the section, or nothing when it can.
std::optional<ProfileWrite> refusedName(const QString& section, const QString& key)
{
    if (key.isEmpty())
        return ProfileWrite::IgnoredEmptyKey;
    const auto holdsAny = [](const QString& s, QStringView chars) {
        for (QChar c : chars)
            if (s.contains(c))
                return true;
        return false;
    };
    if (holdsAny(key, u"=[\r\n") || section.trimmed().isEmpty() || holdsAny(section, u"]\r\n"))
        return ProfileWrite::Refused;
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> readProfileFile(const QString& filePath)
{
    QFile file(filePath);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Only the whole file may be edited and written back: a read error (EIO on a failing disk or
    // a network home) or a read that ends before the size the file had when it was opened would
    // turn what was read into the new file, and every setting after it would be lost.
    const qint64 size = file.size();
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError || content.size() < size)
        return std::nullopt;
    return content;
}

QString profileValueOnOneLine(const QString& value)
{
    QString v = value;
    v.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

QString profileValue(const QByteArray& content, const QString& section, const QString& key)
{
    if (key.isEmpty())
        return {};
    bool inSection = false;
    for (const Line& line : splitLines(content)) {
        if (const auto name = sectionOf(line.text)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto kv = keyValueOf(line.text); kv && sameName(kv->key, key))
            return kv->value;
    }
    return {};
}

QString readProfileString(const QString& filePath, const QString& section, const QString& key)
{
    if (key.isEmpty())
        return {};
    const std::optional<QByteArray> content = readProfileFile(filePath);
    if (!content)
        return {};
    return profileValue(*content, section, key);
}

ProfileEdit profileWithValue(const QByteArray& content, const QString& section, const QString& key,
                             const QString& value)
{
    if (const auto refused = refusedName(section, key))
        return {*refused, {}};

    std::vector<Line> lines = splitLines(content);
    // Added lines end the way the file's first line does (LF for a new file).
    QByteArray eol = lines.empty() ? QByteArray() : lineEnding(lines.front().raw);
    if (eol.isEmpty())
        eol = QByteArrayLiteral("\n");
    const QByteArray storedValue = profileValueOnOneLine(value).toUtf8();

    // Find the first matching key inside a matching section, and where that section ends.
    std::optional<std::size_t> keyLine;
    std::optional<std::size_t> lastLineOfSection; // last non-blank line of the first matching section
    bool inSection = false;
    bool sectionSeen = false;
    for (std::size_t i = 0; i < lines.size() && !keyLine; ++i) {
        if (const auto name = sectionOf(lines[i].text)) {
            const bool matches = sameName(*name, section);
            inSection = matches && !sectionSeen;
            if (inSection) {
                sectionSeen = true;
                lastLineOfSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!isBlank(lines[i]))
            lastLineOfSection = i;
        if (const auto kv = keyValueOf(lines[i].text); kv && sameName(kv->key, key))
            keyLine = i;
    }

    if (keyLine) {
        // Keep the key as spelled in the file and everything before "=". The value is written in
        // UTF-8: a line read as Latin-1 gets its first part in UTF-8 too (the same characters), or
        // the line would be no UTF-8 and its value would read back as Latin-1.
        Line& line = lines[*keyLine];
        const QByteArray ending = lineEnding(line.raw);
        const QByteArray head = line.latin1 ? line.text.left(line.text.indexOf(QLatin1Char('=')) + 1).toUtf8()
                                            : line.raw.left(line.raw.indexOf('=') + 1);
        line.raw = head + storedValue + ending;
    } else {
        const QByteArray newKey = key.toUtf8() + '=' + storedValue + eol;
        if (lastLineOfSection) {
            Line& before = lines[*lastLineOfSection];
            if (lineEnding(before.raw).isEmpty())
                before.raw += eol;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastLineOfSection + 1), Line{newKey, {}});
        } else {
            if (!lines.empty() && lineEnding(lines.back().raw).isEmpty())
                lines.back().raw += eol;
            lines.push_back(Line{'[' + section.toUtf8() + ']' + eol, {}});
            lines.push_back(Line{newKey, {}});
        }
    }

    QByteArray out;
    for (const Line& line : lines)
        out += line.raw;
    return {ProfileWrite::Written, out};
}

common::FileFailure storeProfileFile(const QString& filePath, const QByteArray& content)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return {common::FileFailure::Kind::FolderNotCreated, {}, folder};
    return common::replaceFile(filePath, content);
}

ProfileWrite writeProfileString(const QString& filePath, const QString& section, const QString& key,
                                const QString& value, common::FileFailure* why)
{
    if (const auto refused = refusedName(section, key))
        return *refused;
    const std::optional<QByteArray> content = readProfileFile(filePath);
    if (!content) {
        if (why)
            *why = {common::FileFailure::Kind::CannotRead, {}, {}};
        return ProfileWrite::Failed;
    }
    const ProfileEdit edit = profileWithValue(*content, section, key, value);
    if (edit.result != ProfileWrite::Written || edit.content == *content)
        return edit.result;
    if (const common::FileFailure failure = storeProfileFile(filePath, edit.content); failure.failed()) {
        if (why)
            *why = failure;
        return ProfileWrite::Failed;
    }
    return ProfileWrite::Written;
}

} // namespace platform
