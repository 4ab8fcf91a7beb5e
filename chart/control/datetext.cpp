#include "chart/control/datetext.h"
#include "chart/control/errortexts.h"
#include "common/checked.h"
#include "common/dateserial.h"
#include "common/error.h"
#include "common/numread.h"
#include <QLocale>
#include <array>
#include <cstdio>

namespace vexachart {

namespace {
// Serials of 1 January 100 and of the end of 31 December 9999.
constexpr double FirstSerial = -657434.0;
constexpr double LastSerial = 2958466.0;

// One field of a date text. One to four ASCII digits, as the chart writes them, are read
// directly: a chart's test curves and stored data read thousands of these. Any other field goes
// through the number reader of the locale.
int dateField(QStringView field, const QLocale& locale)
{
    if (!field.isEmpty() && field.size() <= 4) {
        int value = 0;
        bool digits = true;
        for (const QChar c : field) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                digits = false;
                break;
            }
            value = value * 10 + (c.unicode() - u'0');
        }
        if (digits)
            return value;
    }
    return common::toInt16(common::readNumber(field, locale));
}
}

QString DateToTimeString(double value)
{
    const ChartDateParts p = SplitDateTime(value);
    // Every part is a whole number within its calendar range (years 100..9999): a fixed pattern
    // of digits, written in one go (a chart's test data and exports write thousands of these).
    char text[24];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d/%02d/%02d/%02d", p.Year, p.Month, p.Day, p.Hour, p.Minute,
        p.Second);
    return QString::fromLatin1(text);
}

double TimeStringToDate(const QString& text, const QLocale& locale)
{
    try {
        // Exactly six fields: fewer slashes are no date, a sixth field holding a further "/" neither.
        std::array<QStringView, 6> fields;
        qsizetype from = 0;
        for (int k = 0; k < 6; ++k) {
            const qsizetype slash = text.indexOf(QLatin1Char('/'), from);
            if ((slash < 0) != (k == 5))
                common::raise(common::errc::TypeMismatch);
            const qsizetype to = slash < 0 ? text.size() : slash;
            fields[static_cast<size_t>(k)] = QStringView(text).sliced(from, to - from);
            from = to + 1;
        }
        int v[6];
        for (int k = 0; k < 6; ++k)
            v[k] = dateField(fields[static_cast<size_t>(k)], locale);
        const double serial = common::serialFromParts(v[0], v[1], v[2], v[3], v[4], v[5]);
        if (!(serial >= FirstSerial && serial < LastSerial))
            common::raise(common::errc::Overflow);
        return serial;
    } catch (const common::Error&) {
        common::raise(texts::ErrDateText, QStringLiteral("DateToDouble"), texts::badDateText());
    }
}

bool isDateSerial(double value) { return value >= FirstSerial && value < LastSerial; }

ChartDateParts SplitDateTime(double value)
{
    if (!isDateSerial(value))
        common::raise(common::errc::Overflow);
    const common::DateParts d = common::partsFromSerial(value);
    ChartDateParts p;
    p.Second = d.second;
    p.Minute = d.minute;
    p.Hour = d.hour;
    p.Day = d.day;
    p.Month = d.month;
    p.Year = d.year;
    return p;
}

} // namespace vexachart
