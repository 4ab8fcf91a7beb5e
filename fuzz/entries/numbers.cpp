// The number readers, date serials and the value formatter of common/.
#include "common/dateserial.h"
#include "common/error.h"
#include "common/format.h"
#include "common/numread.h"
#include "fuzz/entries/fuzzentries.h"
#include "fuzz/entries/fuzzinput.h"
#include <QLocale>
#include <array>
#include <cmath>
#include <cstring>

namespace fuzzing {

namespace {

// Decimal points ".", ",", and the Arabic separator; group separators "," "." "'" and no-break blanks.
const std::array<QLocale, 6>& locales()
{
    static const std::array<QLocale, 6> all{QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::German, QLocale::Switzerland), QLocale(QLocale::Arabic, QLocale::Egypt)};
    return all;
}

bool sameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void checkReaders(const QString& text, const QLocale& locale)
{
    const std::optional<double> tried = common::tryReadNumber(text, locale);
    require(common::isNumeric(text, locale) == tried.has_value(), "isNumeric disagrees with tryReadNumber");
    long error = 0;
    double strict = 0;
    try {
        strict = common::readNumber(text, locale);
    } catch (const common::Error& e) {
        error = e.number();
    }
    if (tried) {
        require(error == 0 && sameDouble(strict, *tried), "readNumber disagrees with tryReadNumber");
        require(std::isfinite(*tried), "a number read is not finite");
        // The shortest exact text of the value, with the locale's decimal separator, reads back exactly.
        const QString decimal = locale.decimalPoint();
        QString exact = QString::number(*tried, 'g', 17);
        if (decimal.size() == 1 && !decimal.at(0).isDigit())
            exact.replace(QLatin1Char('.'), decimal.at(0));
        else
            exact.clear();
        if (!exact.isEmpty()) {
            const std::optional<double> back = common::tryReadNumber(exact, locale);
            require(back && *back == *tried, "a number does not read back from its exact text");
        }
    } else {
        require(error == common::errc::TypeMismatch || error == common::errc::Overflow,
            "a text that is no number raises neither 13 nor 6");
    }
    const double val = common::readVal(text);
    require(std::isfinite(val), "readVal gives a value that is not finite");
}

void checkSerial(double serial)
{
    const common::DateParts p = common::partsFromSerial(serial);
    require(p.year >= 100 && p.year <= 9999, "a serial gives a year outside 100..9999");
    require(p.month >= 1 && p.month <= 12 && p.day >= 1 && p.day <= common::daysInMonth(p.year, p.month),
        "a serial gives no calendar day");
    require(p.hour >= 0 && p.hour < 24 && p.minute >= 0 && p.minute < 60 && p.second >= 0 && p.second < 60,
        "a serial gives no time of day");
    const int weekday = common::weekdayOfSerial(serial);
    require(weekday >= 1 && weekday <= 7, "a weekday outside 1..7");
    const double back = common::serialFromParts(p);
    require(common::isDateSerial(back), "the parts of a serial name no date");
    if (common::isDateSerial(serial))
        require(std::fabs(back - serial) <= 0.5 / 86400.0 + 1e-9, "the parts of a serial are more than half a second off");
}

void checkParts(const std::array<qint16, 6>& v)
{
    const double serial = common::serialFromParts(v[0], v[1], v[2], v[3], v[4], v[5]);
    require(std::isfinite(serial), "date parts give a serial that is not finite");
    if (!common::isDateSerial(serial))
        return;
    // Equal instants give identical serials, however the parts carried.
    const double again = common::serialFromParts(common::partsFromSerial(serial));
    require(sameDouble(again, serial), "a serial built from carried parts differs from the same instant's serial");
}

} // namespace

void numbers(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const QLocale& locale = locales()[in.u8() % locales().size()];
    const double serial = in.f64();
    std::array<qint16, 6> parts{};
    for (qint16& p : parts)
        p = static_cast<qint16>(in.u16());
    const QString pattern = in.text(64);
    const QString text = QString::fromUtf8(in.rest());

    checkReaders(text, locale);
    checkSerial(serial);
    checkParts(parts);
    // The formatter takes any pattern (they come from stored chart properties too).
    common::formatValue(serial, pattern, locale);
    require(!common::formatGeneral(serial, locale).isEmpty(), "the general form of a number is empty");
    if (const auto v = common::tryReadNumber(text, locale))
        common::formatValue(*v, pattern, locale);
}

std::vector<QByteArray> numbersSeeds()
{
    // Texts as the program writes numbers and dates: the formatter's own output read back.
    struct Case {
        int locale;
        double value;
        const char* pattern;
    };
    const Case cases[] = {
        {0, 1234.5678, "0.00"},
        {2, -0.000125, "0.000E+00"},
        {3, 45678.25, "dd.mm.yyyy hh:nn:ss"},
        {1, 38426.5, "d/m/yy h:n AM/PM"},
        {4, 1e15, "#,##0.0"},
        {5, 3.25, "0.0"},
        {0, -657434.0, "yyyy-mm-dd"},
    };
    std::vector<QByteArray> seeds;
    for (const Case& c : cases) {
        const QLocale& locale = locales()[static_cast<std::size_t>(c.locale)];
        QByteArray seed;
        seed.append(static_cast<char>(c.locale));
        seed.append(reinterpret_cast<const char*>(&c.value), sizeof c.value);
        const common::DateParts p = common::partsFromSerial(c.value);
        for (int v : {p.year, p.month, p.day, p.hour, p.minute, p.second}) {
            seed.append(static_cast<char>(v & 0xFF));
            seed.append(static_cast<char>((v >> 8) & 0xFF));
        }
        const QByteArray pattern(c.pattern);
        seed.append(static_cast<char>(pattern.size()));
        seed.append(pattern);
        seed.append(common::formatValue(c.value, QString::fromLatin1(c.pattern), locale).toUtf8());
        seeds.push_back(seed);
    }
    return seeds;
}

} // namespace fuzzing
