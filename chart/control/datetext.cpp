#include "chart/control/datetext.h"
#include "chart/control/errortexts.h"
#include "common/checked.h"
#include "common/dateserial.h"
#include "common/error.h"
#include "common/numread.h"
#include <QLocale>
#include <QStringList>

namespace vexachart {

namespace {
// Serials of 1 January 100 and of the end of 31 December 9999.
constexpr double FirstSerial = -657434.0;
constexpr double LastSerial = 2958466.0;
}

QString DateToTimeString(double value)
{
    const ChartDateParts p = SplitDateTime(value);
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1/%2/%3/%4/%5/%6")
        .arg(p.Year, 4, 10, QLatin1Char('0'))
        .arg(two(p.Month), two(p.Day), two(p.Hour), two(p.Minute), two(p.Second));
}

double TimeStringToDate(const QString& text, const QLocale& locale)
{
    try {
        const QStringList fields = text.split(QLatin1Char('/'));
        // Exactly six fields: fewer slashes are no date, a sixth field holding a further "/" neither.
        if (fields.size() != 6)
            common::raise(common::errc::TypeMismatch);
        int v[6];
        for (int k = 0; k < 6; ++k)
            v[k] = common::toInt16(common::readNumber(fields[k], locale));
        const double serial = common::serialFromParts(v[0], v[1], v[2], v[3], v[4], v[5]);
        if (!(serial >= FirstSerial && serial < LastSerial))
            common::raise(common::errc::Overflow);
        return serial;
    } catch (const common::Error&) {
        common::raise(texts::ErrDateText, QStringLiteral("DateToDouble"), texts::badDateText());
    }
}

ChartDateParts SplitDateTime(double value)
{
    if (!std::isfinite(value) || value < FirstSerial || value >= LastSerial)
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
