#include "chart/control/propertybag.h"
#include "common/error.h"
#include <QFont>
#include <QLocale>
#include <QStringList>
#include <utility>

namespace vexachart {

namespace {
bool isNumber(const Variant& v)
{
    switch (v.type()) {
    case Variant::Type::Integer:
    case Variant::Type::Long:
    case Variant::Type::Single:
    case Variant::Type::Double:
        return true;
    default:
        return false;
    }
}

// The first line of the text form written since backslashes are escaped. Text without it was
// written before: there only "\n" and "\r" stand for line breaks and every other backslash is
// itself, so such text is read back exactly as it always was.
const QLatin1String FormatLine("PropertyBagFormat = 2");

QString quoted(const QString& s)
{
    QString r;
    r.reserve(s.size() + 2);
    r += QLatin1Char('"');
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"': r += QStringLiteral("\"\""); break;
        case '\\': r += QStringLiteral("\\\\"); break;
        case '\n': r += QStringLiteral("\\n"); break;
        case '\r': r += QStringLiteral("\\r"); break;
        case '\t': r += QStringLiteral("\\t"); break;
        default: r += c;
        }
    }
    r += QLatin1Char('"');
    return r;
}

std::optional<QString> unquoted(const QString& s, bool escapedBackslashes)
{
    if (s.size() < 2 || !s.startsWith(QLatin1Char('"')) || !s.endsWith(QLatin1Char('"')))
        return std::nullopt;
    const QString body = s.mid(1, s.size() - 2);
    QString r;
    if (!escapedBackslashes) {
        r = body;
        r.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        r.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        r.replace(QStringLiteral("\\r"), QStringLiteral("\r"));
        return r;
    }
    r.reserve(body.size());
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        const QChar next = i + 1 < body.size() ? body[i + 1] : QChar();
        if (c == QLatin1Char('"') && next == QLatin1Char('"')) {
            r += c;
            ++i;
        } else if (c == QLatin1Char('\\') && (next == QLatin1Char('\\') || next == QLatin1Char('n')
                       || next == QLatin1Char('r') || next == QLatin1Char('t'))) {
            r += next == QLatin1Char('n') ? QChar(u'\n')
                : next == QLatin1Char('r') ? QChar(u'\r')
                : next == QLatin1Char('t') ? QChar(u'\t')
                                           : next;
            ++i;
        } else {
            r += c; // a lone quote or backslash the writer never makes: taken as it stands
        }
    }
    return r;
}

// QFont's own description with its three real numbers (point size, letter and word spacing)
// written in the fewest digits that read back exactly: QFont writes six digits, which a size of
// 8000001.5 points or a spacing in 64ths of a pixel does not survive. The fields and their order
// are QFont's, so that QFont::fromString reads the text.
QString fontText(const QFont& f)
{
    const auto real = [](double v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); };
    const auto whole = [](int v) { return QString::number(v); };
    QStringList fields{f.family(), real(f.pointSizeF()), whole(f.pixelSize()), whole(f.styleHint()), whole(f.weight()),
        whole(f.style()), whole(f.underline()), whole(f.strikeOut()), whole(f.fixedPitch()), whole(0),
        whole(f.capitalization()), whole(f.letterSpacingType()), real(f.letterSpacing()), real(f.wordSpacing()),
        whole(f.stretch()), whole(f.styleStrategy())};
    if (!f.styleName().isEmpty())
        fields << f.styleName();
    return fields.join(QLatin1Char(','));
}

// A key must survive the text form: not blank, no line break, no blanks around it and no " = ",
// also not with the separator written after it (a key ending in " =" would be cut there).
bool usableKey(const QString& key)
{
    return !key.trimmed().isEmpty() && key == key.trimmed() && !key.contains(QLatin1Char('\n'))
        && !key.contains(QLatin1Char('\r')) && !key.contains(QLatin1String(" = "))
        && !key.endsWith(QLatin1String(" ="));
}
}

bool sameValue(const Variant& a, const Variant& b)
{
    if (isNumber(a) && isNumber(b))
        return a.toDouble() == b.toDouble();
    return a == b;
}

void PropertyBag::write(const QString& key, const Variant& value, const std::optional<Variant>& writerDefault)
{
    if (writerDefault && sameValue(value, *writerDefault))
        return;
    set(key, value);
}

void PropertyBag::set(const QString& key, const Variant& value)
{
    if (!usableKey(key))
        common::raise(common::errc::InvalidArgument, QStringLiteral("PropertyBag"),
            QStringLiteral("Invalid property key"));
    QString folded = key.toCaseFolded();
    const auto it = m_index.constFind(folded);
    if (it != m_index.constEnd()) {
        m_items[*it].second = value;
        return;
    }
    m_index.insert(std::move(folded), m_items.size());
    m_items.emplace_back(key, value);
}

const std::pair<QString, Variant>* PropertyBag::find(const QString& key) const
{
    const auto it = m_index.constFind(key.toCaseFolded());
    return it == m_index.constEnd() ? nullptr : &m_items[*it];
}

Variant PropertyBag::read(const QString& key, const Variant& readerDefault) const
{
    const auto* item = find(key);
    return item ? item->second : readerDefault;
}

bool PropertyBag::contains(const QString& key) const { return find(key) != nullptr; }

QStringList PropertyBag::keys() const
{
    QStringList r;
    for (const auto& item : m_items)
        r << item.first;
    return r;
}

QString PropertyBag::toText() const
{
    QString out = FormatLine + QLatin1Char('\n');
    for (const auto& [key, v] : m_items) {
        QString text;
        switch (v.type()) {
        case Variant::Type::Boolean: text = v.toBool() ? QStringLiteral("True") : QStringLiteral("False"); break;
        case Variant::Type::String: text = quoted(v.toString()); break;
        case Variant::Type::Font: text = QStringLiteral("Font(") + quoted(fontText(v.toFont())) + QLatin1Char(')'); break;
        case Variant::Type::Empty: text = QStringLiteral("Empty"); break;
        default:
            if (isNumber(v))
                text = QString::number(v.toDouble(), 'g', 17);
            else
                continue;
        }
        out += key + QStringLiteral(" = ") + text + QLatin1Char('\n');
    }
    return out;
}

PropertyBag PropertyBag::fromText(const QString& text, QStringList* bad)
{
    PropertyBag bag;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool escaped = false;
    bool first = true;
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        if (std::exchange(first, false) && line == FormatLine) {
            escaped = true;
            continue;
        }
        const int eq = line.indexOf(QStringLiteral(" = "));
        const QString key = eq < 0 ? QString() : line.left(eq).trimmed();
        if (!usableKey(key)) {
            if (bad)
                bad->append(line);
            continue;
        }
        const QString value = line.mid(eq + 3);
        if (value == QLatin1String("True") || value == QLatin1String("False")) {
            bag.set(key, Variant(value == QLatin1String("True")));
        } else if (value == QLatin1String("Empty")) {
            bag.set(key, Variant());
        } else if (value.startsWith(QLatin1String("Font(")) && value.endsWith(QLatin1Char(')'))) {
            QFont f;
            const auto s = unquoted(value.mid(5, value.size() - 6), escaped);
            if (s && f.fromString(*s))
                bag.set(key, Variant(f));
            else if (bad)
                bad->append(key);
        } else if (const auto s = unquoted(value, escaped)) {
            bag.set(key, Variant(*s));
        } else {
            bool ok = false;
            const double d = value.toDouble(&ok);
            if (ok)
                bag.set(key, Variant(d));
            else
                bag.set(key, Variant(value)); // kept as text: the reader decides what it means
        }
    }
    return bag;
}

} // namespace vexachart
