#include "common/format.h"
#include "common/dateserial.h"
#include <cmath>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

namespace common {

namespace {

// A non-negative number as its 15 significant decimal digits: value = 0.d1d2...d15 x 10^pointPos.
// Kept in a fixed buffer: the formatter runs for every exported number and tick label.
struct Decimal {
    struct Digits {
        char buf[24] = {};
        int n = 0;
        size_t size() const { return static_cast<size_t>(n); }
        bool empty() const { return n == 0; }
        char& operator[](size_t i) { return buf[i]; }
        char operator[](size_t i) const { return buf[i]; }
        char back() const { return buf[n - 1]; }
        void pop_back() { --n; }
        void resize(size_t k) { n = static_cast<int>(k); }
        void push_front(char c)
        {
            std::memmove(buf + 1, buf, static_cast<size_t>(n));
            buf[0] = c;
            ++n;
        }
    };
    Digits digits;
    int pointPos = 0;   // digits before the decimal point (may be <= 0)
    bool zero = true;
};

Decimal toDecimal(double magnitude)
{
    Decimal d;
    if (magnitude == 0.0 || !std::isfinite(magnitude))
        return d;
    char text[40];
    const auto res = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14);
    // "d.dddddddddddddde+XX"
    const char* e = std::find(text, res.ptr, 'e');
    d.digits.buf[d.digits.n++] = text[0];
    for (const char* q = text + 2; q < e; ++q)
        d.digits.buf[d.digits.n++] = *q;
    int exp10 = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), res.ptr, exp10);
    d.pointPos = exp10 + 1;
    d.zero = false;
    return d;
}

// Rounds to `keep` significant digits, halves away from zero (the digits are a magnitude).
Decimal roundSignificant(Decimal d, int keep)
{
    if (d.zero)
        return d;
    if (keep < 0) {
        d = Decimal{};
        return d;
    }
    if (static_cast<size_t>(keep) >= d.digits.size())
        keep = static_cast<int>(d.digits.size());
    const bool up = static_cast<size_t>(keep) < d.digits.size() && d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
            d.digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<size_t>(i)];
        } else {
            d.digits.push_front('1');
            ++d.pointPos;
        }
    }
    // Drop trailing zeros; an all-zero result is zero.
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d = Decimal{};
    return d;
}

// Digits before and after the point of a rounded decimal, the fraction padded to `decimals`.
void splitFixed(const Decimal& d, int decimals, std::string& intPart, std::string& fracPart)
{
    intPart.clear();
    fracPart.assign(static_cast<size_t>(std::max(decimals, 0)), '0');
    if (d.zero)
        return;
    for (int i = 0; i < d.pointPos; ++i)
        intPart += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] : '0';
    for (int k = 0; k < decimals; ++k) {
        const int idx = d.pointPos + k;
        if (idx >= 0 && idx < static_cast<int>(d.digits.size()))
            fracPart[static_cast<size_t>(k)] = d.digits[static_cast<size_t>(idx)];
    }
}

Decimal roundFixed(double magnitude, int decimals)
{
    Decimal d = toDecimal(magnitude);
    return roundSignificant(d, d.pointPos + decimals);
}

QString groupDigits(const QString& digits, const QString& separator)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

QStringList splitSections(const QString& pattern)
{
    QStringList sections;
    QString cur;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            cur += c;
            cur += pattern[++i];
            continue;
        }
        if (!quoted && c == QLatin1Char(';')) {
            sections << cur;
            cur.clear();
            continue;
        }
        cur += c;
    }
    sections << cur;
    return sections;
}

// One section of a number pattern, parsed into literals and placeholder blocks.
struct NumberPattern {
    enum Kind { Literal, IntBlock, Point, FracBlock, Exponent };
    struct Token {
        Kind kind;
        QString text;
    };
    std::vector<Token> tokens;
    int intPlaceholders = 0;
    int intZeros = 0;     // placeholders from the leftmost "0" to the point
    int fracMax = 0;
    int fracMin = 0;      // up to the last "0" after the point
    bool grouping = false;
    bool percent = false;
    bool hasPoint = false;
    bool hasExponent = false;
    bool expAlwaysSign = false;
    int expDigits = 0;
};

NumberPattern parseNumberPattern(const QString& p)
{
    NumberPattern np;
    bool inFrac = false;
    bool intBlockEmitted = false;
    bool fracBlockEmitted = false;
    int firstZeroInt = -1;
    QString literal;
    auto flushLiteral = [&] {
        if (!literal.isEmpty()) {
            np.tokens.push_back({NumberPattern::Literal, literal});
            literal.clear();
        }
    };
    for (qsizetype i = 0; i < p.size(); ++i) {
        const QChar c = p[i];
        if (c == QLatin1Char('"')) {
            const qsizetype close = p.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? p.size() : close;
            literal += p.mid(i + 1, end - i - 1);
            i = end;
            continue;
        }
        if (c == QLatin1Char('\\')) {
            if (i + 1 < p.size())
                literal += p[++i];
            continue;
        }
        if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && i + 1 < p.size()
            && (p[i + 1] == QLatin1Char('+') || p[i + 1] == QLatin1Char('-')) && !np.hasExponent) {
            flushLiteral();
            np.hasExponent = true;
            np.expAlwaysSign = p[i + 1] == QLatin1Char('+');
            i += 2;
            while (i < p.size() && (p[i] == QLatin1Char('0') || p[i] == QLatin1Char('#'))) {
                if (p[i] == QLatin1Char('0'))
                    ++np.expDigits;
                ++i;
            }
            --i;
            np.tokens.push_back({NumberPattern::Exponent, {}});
            continue;
        }
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (np.hasExponent) { // placeholders after the exponent are literal digits
                literal += c;
                continue;
            }
            if (!inFrac) {
                if (!intBlockEmitted) {
                    flushLiteral();
                    np.tokens.push_back({NumberPattern::IntBlock, {}});
                    intBlockEmitted = true;
                }
                if (c == QLatin1Char('0') && firstZeroInt < 0)
                    firstZeroInt = np.intPlaceholders;
                ++np.intPlaceholders;
            } else {
                if (!fracBlockEmitted) {
                    flushLiteral();
                    np.tokens.push_back({NumberPattern::FracBlock, {}});
                    fracBlockEmitted = true;
                }
                ++np.fracMax;
                if (c == QLatin1Char('0'))
                    np.fracMin = np.fracMax;
            }
            continue;
        }
        if (c == QLatin1Char('.') && !inFrac && !np.hasExponent) {
            flushLiteral();
            if (!intBlockEmitted) {
                np.tokens.push_back({NumberPattern::IntBlock, {}});
                intBlockEmitted = true;
            }
            np.tokens.push_back({NumberPattern::Point, {}});
            inFrac = true;
            np.hasPoint = true;
            continue;
        }
        if (c == QLatin1Char(',') && !inFrac) {
            if (intBlockEmitted && i + 1 < p.size() && (p[i + 1] == QLatin1Char('0') || p[i + 1] == QLatin1Char('#')))
                np.grouping = true;
            continue;
        }
        if (c == QLatin1Char('%'))
            np.percent = true;
        literal += c;
    }
    flushLiteral();
    np.intZeros = firstZeroInt < 0 ? 0 : np.intPlaceholders - firstZeroInt;
    return np;
}

QString formatSection(double magnitude, const NumberPattern& np, const QLocale& locale, bool& resultIsZero)
{
    if (np.percent)
        magnitude *= 100.0;
    const QString point = locale.decimalPoint();
    std::string intPart, fracPart;
    int exponent = 0;
    if (np.hasExponent) {
        const int intDigits = std::max(np.intPlaceholders, 1);
        Decimal d = roundSignificant(toDecimal(magnitude), intDigits + np.fracMax);
        if (!d.zero) {
            exponent = d.pointPos - intDigits;
            d.pointPos = intDigits;
        }
        splitFixed(d, np.fracMax, intPart, fracPart);
        resultIsZero = d.zero;
    } else {
        const Decimal d = roundFixed(magnitude, np.fracMax);
        splitFixed(d, np.fracMax, intPart, fracPart);
        resultIsZero = d.zero;
    }
    // Integer digits: leading zeros removed, then padded to the "0" placeholders.
    const auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
    while (static_cast<int>(intPart.size()) < np.intZeros)
        intPart.insert(intPart.begin(), '0');
    // Fraction digits under "#" are dropped when they are trailing zeros.
    while (static_cast<int>(fracPart.size()) > np.fracMin && !fracPart.empty() && fracPart.back() == '0')
        fracPart.pop_back();

    QString intText = QString::fromStdString(intPart);
    if (np.grouping)
        intText = groupDigits(intText, locale.groupSeparator());

    QString out;
    for (const auto& t : np.tokens) {
        switch (t.kind) {
        case NumberPattern::Literal: out += t.text; break;
        case NumberPattern::IntBlock: out += intText; break;
        case NumberPattern::Point: out += point; break;
        case NumberPattern::FracBlock: out += QString::fromStdString(fracPart); break;
        case NumberPattern::Exponent: {
            QString e = QString::number(std::abs(exponent));
            while (e.size() < np.expDigits)
                e.prepend(QLatin1Char('0'));
            const QString sign = exponent < 0 ? QStringLiteral("-") : (np.expAlwaysSign ? QStringLiteral("+") : QString());
            out += QLatin1Char('E') + sign + e;
            break;
        }
        }
    }
    return out;
}

QString dateSeparator(const QLocale& locale)
{
    const QString f = locale.dateFormat(QLocale::ShortFormat);
    for (QChar c : f)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return QString(c);
    return QStringLiteral("/");
}

QString timeSeparator(const QLocale& locale)
{
    const QString f = locale.timeFormat(QLocale::ShortFormat);
    for (QChar c : f)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return QString(c);
    return QStringLiteral(":");
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

} // namespace

QString formatGeneral(double value, const QLocale& locale)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    const double magnitude = std::fabs(value);
    Decimal d = roundSignificant(toDecimal(magnitude), 15);
    if (d.zero)
        return QStringLiteral("0");
    if (magnitude >= 1e-4 && magnitude < 1e15) {
        // Put together in one text: tick labels and tables format numbers by the thousand.
        std::string intPart, fracPart;
        const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.pointPos);
        splitFixed(d, decimals, intPart, fracPart);
        const QString point = fracPart.empty() ? QString() : locale.decimalPoint();
        QString out;
        out.reserve(static_cast<qsizetype>(2 + intPart.size() + fracPart.size()) + point.size());
        if (value < 0)
            out += QLatin1Char('-');
        if (intPart.empty())
            out += QLatin1Char('0');
        else
            out += QLatin1String(intPart.data(), static_cast<qsizetype>(intPart.size()));
        if (!fracPart.empty()) {
            out += point;
            out += QLatin1String(fracPart.data(), static_cast<qsizetype>(fracPart.size()));
        }
        return out;
    }
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const QString digits = QString::fromLatin1(d.digits.buf, d.digits.n);
    const int exponent = d.pointPos - 1;
    QString mant = digits.left(1);
    if (digits.size() > 1)
        mant += locale.decimalPoint() + digits.mid(1);
    return sign + mant + QStringLiteral("E") + (exponent < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        + twoDigits(std::abs(exponent));
}

namespace {
// The same pattern is formatted many times in a row (a column of numbers, a tick table).
const NumberPattern& cachedPattern(const QString& section)
{
    thread_local QString lastSection;
    thread_local NumberPattern lastParsed;
    thread_local bool valid = false;
    if (!valid || section != lastSection) {
        lastParsed = parseNumberPattern(section);
        lastSection = section;
        valid = true;
    }
    return lastParsed;
}
} // namespace

QString formatNumber(double value, const QString& pattern, const QLocale& locale)
{
    if (pattern.isEmpty())
        return formatGeneral(value, locale);
    if (!std::isfinite(value))
        return formatGeneral(value, locale);
    const QStringList sections = pattern.contains(QLatin1Char(';')) ? splitSections(pattern) : QStringList{pattern};
    const bool negative = value < 0;
    bool zero = false;
    if (negative && sections.size() >= 2 && !sections[1].isEmpty())
        return formatSection(-value, parseNumberPattern(sections[1]), locale, zero);
    if (value == 0.0 && sections.size() >= 3 && !sections[2].isEmpty())
        return formatSection(0.0, parseNumberPattern(sections[2]), locale, zero);
    const QString body = formatSection(std::fabs(value), cachedPattern(sections[0]), locale, zero);
    // A value that rounds to zero shows no sign.
    return negative && !zero ? QStringLiteral("-") + body : body;
}

bool isDatePattern(const QString& pattern)
{
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        const char a = static_cast<char>(c.toLower().toLatin1());
        if (a == 'e' && i + 1 < pattern.size() && (pattern[i + 1] == QLatin1Char('+') || pattern[i + 1] == QLatin1Char('-'))) {
            ++i;
            continue;
        }
        if (a == 'd' || a == 'm' || a == 'y' || a == 'h' || a == 'n' || a == 's' || a == 'q' || a == 'w' || a == 't'
            || a == 'c')
            return true;
        if (pattern.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0
            || pattern.mid(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString formatDate(double serial, const QString& pattern, const QLocale& locale)
{
    // A value that names no date (a chart range, a typed number) is shown as the number it is.
    if (!isDateSerial(serial))
        return formatGeneral(serial, locale);
    const DateParts p = partsFromSerial(serial);
    const QString lower = pattern.toLower();
    const bool twelveHour = lower.contains(QLatin1String("am/pm")) || lower.contains(QLatin1String("a/p"));

    // Tokenise first so that "m" can be told apart: minutes after an hour or before a second.
    struct Tok {
        QString text; // lower-case letter run, or literal
        bool literal;
    };
    std::vector<Tok> toks;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('"')) {
            const qsizetype close = pattern.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            toks.push_back({pattern.mid(i + 1, end - i - 1), true});
            i = end + 1;
            continue;
        }
        if (c == QLatin1Char('\\')) {
            if (i + 1 < pattern.size())
                toks.push_back({QString(pattern[i + 1]), true});
            i += 2;
            continue;
        }
        if (lower.mid(i, 5) == QLatin1String("am/pm")) {
            toks.push_back({pattern.mid(i, 5), false});
            i += 5;
            continue;
        }
        if (lower.mid(i, 3) == QLatin1String("a/p")) {
            toks.push_back({pattern.mid(i, 3), false});
            i += 3;
            continue;
        }
        const QChar lc = c.toLower();
        if (QStringLiteral("dmyhnsqw").contains(lc)) {
            qsizetype j = i;
            while (j < pattern.size() && pattern[j].toLower() == lc)
                ++j;
            toks.push_back({lower.mid(i, j - i), false});
            i = j;
            continue;
        }
        if (c == QLatin1Char('/')) {
            toks.push_back({dateSeparator(locale), true});
        } else if (c == QLatin1Char(':')) {
            toks.push_back({timeSeparator(locale), true});
        } else {
            toks.push_back({QString(c), true});
        }
        ++i;
    }

    auto isMinuteContext = [&](size_t k) {
        for (size_t b = k; b-- > 0;) {
            if (toks[b].literal)
                continue;
            const QChar f = toks[b].text.at(0);
            if (f == QLatin1Char('h'))
                return true;
            break;
        }
        for (size_t a = k + 1; a < toks.size(); ++a) {
            if (toks[a].literal)
                continue;
            return toks[a].text.at(0) == QLatin1Char('s');
        }
        return false;
    };

    QString out;
    for (size_t k = 0; k < toks.size(); ++k) {
        const Tok& t = toks[k];
        if (t.literal) {
            out += t.text;
            continue;
        }
        const QString& s = t.text;
        const QChar f = s.at(0);
        if (s.size() >= 3 && s.contains(QLatin1Char('/'))) { // am/pm, a/p
            const bool pm = p.hour >= 12;
            if (s.size() == 5)
                out += pm ? s.mid(3, 2) : s.left(2);
            else
                out += pm ? s.mid(2, 1) : s.left(1);
            continue;
        }
        if (f == QLatin1Char('y')) {
            if (s.size() >= 3)
                out += QString::number(p.year).rightJustified(4, QLatin1Char('0'));
            else if (s.size() == 2)
                out += twoDigits(((p.year % 100) + 100) % 100);
            else
                out += QString::number(static_cast<int>(serialFromParts(p.year, p.month, p.day)
                                                        - serialFromParts(p.year, 1, 1)) + 1);
        } else if (f == QLatin1Char('m')) {
            if (s.size() <= 2 && isMinuteContext(k))
                out += s.size() == 2 ? twoDigits(p.minute) : QString::number(p.minute);
            else if (s.size() >= 4)
                out += locale.monthName(p.month, QLocale::LongFormat);
            else if (s.size() == 3)
                out += locale.monthName(p.month, QLocale::ShortFormat);
            else
                out += s.size() == 2 ? twoDigits(p.month) : QString::number(p.month);
        } else if (f == QLatin1Char('d')) {
            const int weekday = weekdayOfSerial(serial); // 1 Sunday
            const int qtDay = weekday == 1 ? 7 : weekday - 1;
            if (s.size() >= 4)
                out += locale.dayName(qtDay, QLocale::LongFormat);
            else if (s.size() == 3)
                out += locale.dayName(qtDay, QLocale::ShortFormat);
            else
                out += s.size() == 2 ? twoDigits(p.day) : QString::number(p.day);
        } else if (f == QLatin1Char('h')) {
            int h = p.hour;
            if (twelveHour) {
                h %= 12;
                if (h == 0)
                    h = 12;
            }
            out += s.size() >= 2 ? twoDigits(h) : QString::number(h);
        } else if (f == QLatin1Char('n')) {
            out += s.size() >= 2 ? twoDigits(p.minute) : QString::number(p.minute);
        } else if (f == QLatin1Char('s')) {
            out += s.size() >= 2 ? twoDigits(p.second) : QString::number(p.second);
        } else if (f == QLatin1Char('q')) {
            out += QString::number((p.month - 1) / 3 + 1);
        } else if (f == QLatin1Char('w')) {
            // "w" is the day of the week (1 Sunday), "ww" the week of the year: weeks begin on
            // Sunday and week 1 is the one that holds 1 January.
            if (s.size() >= 2) {
                const double jan1 = serialFromParts(p.year, 1, 1);
                const int dayOfYear = static_cast<int>(std::floor(serialFromParts(p.year, p.month, p.day) - jan1));
                out += QString::number((dayOfYear + weekdayOfSerial(jan1) - 1) / 7 + 1);
            } else {
                out += QString::number(weekdayOfSerial(serial));
            }
        }
    }
    return out;
}

QString formatValue(double value, const QString& pattern, const QLocale& locale)
{
    if (pattern.isEmpty())
        return formatGeneral(value, locale);
    if (isDatePattern(pattern))
        return formatDate(value, pattern, locale);
    return formatNumber(value, pattern, locale);
}

} // namespace common
