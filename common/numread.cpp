#include "common/numread.h"
#include "common/error.h"
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace common {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x00A0);
}

// strtod follows the process's LC_NUMERIC, which a Qt program takes from the environment: under
// a locale with a decimal comma it would stop at the ".". The normalised copies are always read
// in the C locale.
double toDoubleC(const std::string& ascii)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

QChar decimalOf(const QLocale& locale)
{
    const QString d = locale.decimalPoint();
    return d.isEmpty() ? QLatin1Char('.') : d.at(0);
}

bool isAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// Parses sign, digits, decimal separator, digits, exponent; returns false when the text is
// not exactly one number. The conversion is done on a normalised copy with "." as the point.
bool parseStrict(QStringView text, const QLocale& locale, double& out)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    qsizetype end = n;
    while (end > i && isBlank(text[end - 1]))
        --end;
    if (i == end)
        return false;
    // Whole numbers of up to 15 digits (dates, counts, indices) are exact as they are summed up:
    // no copy, and the locale is not asked for its separator.
    if (end - i <= 15) {
        double whole = 0;
        qsizetype k = i;
        while (k < end && isAsciiDigit(text[k]))
            whole = whole * 10 + (text[k++].unicode() - '0');
        if (k == end) {
            out = whole;
            return true;
        }
    }
    const QChar decimal = decimalOf(locale);
    std::string ascii;
    if (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')) {
        ascii += static_cast<char>(text[i].toLatin1());
        ++i;
    }
    int digits = 0;
    while (i < end && text[i].isDigit() && text[i].unicode() < 128) {
        ascii += static_cast<char>(text[i].toLatin1());
        ++i;
        ++digits;
    }
    if (i < end && text[i] == decimal) {
        ascii += '.';
        ++i;
        while (i < end && text[i].isDigit() && text[i].unicode() < 128) {
            ascii += static_cast<char>(text[i].toLatin1());
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            ascii += static_cast<char>(text[i].toLatin1());
            ++i;
        }
        int expDigits = 0;
        while (i < end && text[i].isDigit() && text[i].unicode() < 128) {
            ascii += static_cast<char>(text[i].toLatin1());
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != end)
        return false;
    out = toDoubleC(ascii);
    return true;
}

} // namespace

double readNumber(const QString& text, const QLocale& locale) { return readNumber(QStringView(text), locale); }

double readNumber(QStringView text, const QLocale& locale)
{
    double value = 0;
    if (!parseStrict(text, locale, value))
        raise(errc::TypeMismatch);
    if (!std::isfinite(value))
        raise(errc::Overflow);
    return value;
}

std::optional<double> tryReadNumber(const QString& text, const QLocale& locale)
{
    double value = 0;
    if (!parseStrict(text, locale, value) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isNumeric(const QString& text, const QLocale& locale)
{
    return tryReadNumber(text, locale).has_value();
}

double readVal(const QString& text)
{
    // Blanks, tabs and line feeds are skipped anywhere; the first other character ends the number.
    std::string ascii;
    bool seenDigit = false, seenPoint = false, seenExp = false, expSign = false;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            continue;
        const char a = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\0';
        if (a >= '0' && a <= '9') {
            ascii += a;
            if (!seenExp)
                seenDigit = true;
            else
                expSign = true;
            continue;
        }
        if ((a == '+' || a == '-') && ascii.empty()) {
            ascii += a;
            continue;
        }
        if (a == '.' && !seenPoint && !seenExp) {
            ascii += a;
            seenPoint = true;
            continue;
        }
        if ((a == 'e' || a == 'E' || a == 'd' || a == 'D') && seenDigit && !seenExp) {
            ascii += 'e';
            seenExp = true;
            continue;
        }
        if ((a == '+' || a == '-') && seenExp && !expSign && ascii.back() == 'e') {
            ascii += a;
            expSign = true;
            continue;
        }
        break;
    }
    if (!seenDigit)
        return 0.0;
    const double v = toDoubleC(ascii);
    return std::isfinite(v) ? v : 0.0;
}

} // namespace common
