#include "common/dateserial.h"
#include <algorithm>
#include <cmath>

namespace common {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (valid for any year).
long long daysFromCivil(long long y, long long m, long long d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const long long kEpoch = daysFromCivil(1899, 12, 30);

long long floorDiv(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Whole seconds since serial 0 of a serial limited to the date range.
long long secondsOfSerial(double serial)
{
    const double limited = std::isnan(serial) ? 0.0 : std::clamp(serial, FirstDateSerial, LastDateSerial);
    return static_cast<long long>(std::floor(limited * 86400.0 + 0.5));
}

} // namespace

bool isDateSerial(double serial)
{
    return serial >= FirstDateSerial && serial <= LastDateSerial; // false for NaN
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

double serialFromParts(int year, int month, int day, int hour, int minute, int second)
{
    // Months carry into years; days, hours, minutes and seconds carry through the day count.
    long long y = year + floorDiv(month - 1, 12);
    long long m = month - 1 - floorDiv(month - 1, 12) * 12 + 1;
    const long long seconds = static_cast<long long>(hour) * 3600 + static_cast<long long>(minute) * 60 + second;
    const long long dayCarry = floorDiv(seconds, 86400);
    const long long secOfDay = seconds - dayCarry * 86400;
    const long long days = daysFromCivil(y, m, 1) + (day - 1) + dayCarry - kEpoch;
    return static_cast<double>(days) + static_cast<double>(secOfDay) / 86400.0;
}

DateParts partsFromSerial(double serial)
{
    const long long secs = secondsOfSerial(serial);
    const long long days = floorDiv(secs, 86400);
    const long long secOfDay = secs - days * 86400;
    DateParts p;
    civilFromDays(days + kEpoch, p.year, p.month, p.day);
    p.hour = static_cast<int>(secOfDay / 3600);
    p.minute = static_cast<int>((secOfDay / 60) % 60);
    p.second = static_cast<int>(secOfDay % 60);
    return p;
}

int weekdayOfSerial(double serial)
{
    // Serial 0 (1899-12-30) was a Saturday.
    const long long secs = secondsOfSerial(serial);
    const long long day = floorDiv(secs, 86400);
    const long long w = ((day + 6) % 7 + 7) % 7; // 0 = Sunday
    return static_cast<int>(w) + 1;
}

} // namespace common
