#pragma once
// Date serials: days since 1899-12-30 00:00, continuous in both directions (the whole part is
// the day, the fraction the time of day, also before 1899), built by one function so that equal
// instants always give identical doubles.
#include <QtGlobal>

namespace common {

struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const DateParts&) const = default;
};

// Months and days outside their range carry over (month 13 is January of the next year,
// day 0 the last day of the previous month), as do hours, minutes and seconds.
double serialFromParts(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
inline double serialFromParts(const DateParts& p)
{
    return serialFromParts(p.year, p.month, p.day, p.hour, p.minute, p.second);
}

// The serials of 0100-01-01 and of the last second of 9999-12-31: the dates a serial can name.
inline constexpr double FirstDateSerial = -657434.0;
inline constexpr double LastDateSerial = 2958465.0 + 86399.0 / 86400.0;
// True for a finite serial inside that range.
bool isDateSerial(double serial);

// Calendar parts of a serial, rounded to the nearest second first. A serial outside the date
// range is taken as the nearest end of it (not a number as serial 0), so the parts stay valid.
DateParts partsFromSerial(double serial);

// Day of the week of a serial: 1 Sunday … 7 Saturday (outside the range as partsFromSerial).
int weekdayOfSerial(double serial);

bool isLeapYear(int year);
int daysInMonth(int year, int month);

} // namespace common
