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

// Calendar parts of a serial, rounded to the nearest second first.
DateParts partsFromSerial(double serial);

// Day of the week of a serial: 1 Sunday … 7 Saturday.
int weekdayOfSerial(double serial);

bool isLeapYear(int year);
int daysInMonth(int year, int month);

} // namespace common
