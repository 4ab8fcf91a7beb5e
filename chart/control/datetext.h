#pragma once
// Date-time text of the chart: year/month/day/hour/minute/second separated by "/",
// written as 2005/03/07/14/05/09, read with any numeric field text (carrying like the calendar).
#include <QLocale>
#include <QString>

namespace vexachart {

struct ChartDateParts {
    int Second = 0;
    int Minute = 0;
    int Hour = 0;
    int Day = 30;
    int Month = 12;
    int Year = 1899;
};

// Serial (days since 1899-12-30) to text; the value is rounded to the nearest second first.
QString DateToTimeString(double value);
// Text to serial; error 12001 (source "DateToDouble") for text it cannot read. The fields are
// numbers read with the given locale (the chart's own, not the process's).
double TimeStringToDate(const QString& text, const QLocale& locale);
// Whether the serial names an instant of the years 100 to 9999, the dates the text form can write.
bool isDateSerial(double value);
// Calendar parts of a serial, rounded to the nearest second first (one rounding, one split).
ChartDateParts SplitDateTime(double value);

} // namespace vexachart
