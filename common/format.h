#pragma once
// The value formatter: number patterns ("#", "0", ".", ",", "%", "E+00", sections separated by ";",
// quoted literals) and date patterns (d, m, y, h, n, s, AM/PM). Numbers are first reduced to
// 15 significant digits, then rounded with halves away from zero. The locale is always given.
#include <QLocale>
#include <QString>

namespace common {

// Formats a number by a number pattern, or by a date pattern when the pattern is one
// (the value is then a date serial). An empty pattern gives the general form.
QString formatValue(double value, const QString& pattern, const QLocale& locale);

// General form: at most 15 significant digits, plain for 1e-4 <= |x| < 1e15, else "1.5E+16".
QString formatGeneral(double value, const QLocale& locale);

// Formats a number by a number pattern (no date letters are interpreted).
QString formatNumber(double value, const QString& pattern, const QLocale& locale);

// Formats a date serial (days since 1899-12-30) by a date pattern; a value that is no date
// (not finite, or outside the years 100 to 9999) gets the general form instead.
QString formatDate(double serial, const QString& pattern, const QLocale& locale);

// True when the pattern holds date or time letters outside quotes (d, m, y, h, n, s, q, w, AM/PM).
bool isDatePattern(const QString& pattern);

} // namespace common
