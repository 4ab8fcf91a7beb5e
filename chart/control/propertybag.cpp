#include "chart/control/propertybag.h"
#include "common/error.h"
#include <QStringList>

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

QString quoted(const QString& s)
{
    QString r = s;
    r.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    r.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    r.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return QLatin1Char('"') + r + QLatin1Char('"');
}

std::optional<QString> unquoted(const QString& s)
{
    if (s.size() < 2 || !s.startsWith(QLatin1Char('"')) || !s.endsWith(QLatin1Char('"')))
        return std::nullopt;
    QString r = s.mid(1, s.size() - 2);
    r.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    r.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    r.replace(QStringLiteral("\\r"), QStringLiteral("\r"));
    return r;
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
    for (auto& item : m_items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0) {
            item.second = value;
            return;
        }
    m_items.emplace_back(key, value);
}

Variant PropertyBag::read(const QString& key, const Variant& readerDefault) const
{
    for (const auto& item : m_items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0)
            return item.second;
    return readerDefault;
}

bool PropertyBag::contains(const QString& key) const
{
    for (const auto& item : m_items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList PropertyBag::keys() const
{
    QStringList r;
    for (const auto& item : m_items)
        r << item.first;
    return r;
}

QString PropertyBag::toText() const
{
    QString out;
    for (const auto& [key, v] : m_items) {
        QString text;
        switch (v.type()) {
        case Variant::Type::Boolean: text = v.toBool() ? QStringLiteral("True") : QStringLiteral("False"); break;
        case Variant::Type::String: text = quoted(v.toString()); break;
        case Variant::Type::Font: text = QStringLiteral("Font(") + quoted(v.toFont().toString()) + QLatin1Char(')'); break;
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
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        const int eq = line.indexOf(QStringLiteral(" = "));
        if (eq <= 0) {
            if (bad)
                bad->append(line);
            continue;
        }
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 3);
        if (value == QLatin1String("True") || value == QLatin1String("False")) {
            bag.set(key, Variant(value == QLatin1String("True")));
        } else if (value == QLatin1String("Empty")) {
            bag.set(key, Variant());
        } else if (value.startsWith(QLatin1String("Font(")) && value.endsWith(QLatin1Char(')'))) {
            QFont f;
            const auto s = unquoted(value.mid(5, value.size() - 6));
            if (s && f.fromString(*s))
                bag.set(key, Variant(f));
            else if (bad)
                bad->append(key);
        } else if (const auto s = unquoted(value)) {
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
