#pragma once
// Number readers. readNumber is strict and follows the locale's decimal separator (entry fields);
// readVal reads the leading number of a text with "." as the decimal point and never fails.
#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace common {

// The whole text (blanks around it allowed) must be one number: optional sign, digits with the
// locale's decimal separator, optional exponent. Error 13 when it is not a number, 6 when it is
// not finite ("1E999"). The words "inf" and "nan" are not numbers.
double readNumber(const QString& text, const QLocale& locale);
double readNumber(QStringView text, const QLocale& locale);

// As readNumber, but empty instead of an error.
std::optional<double> tryReadNumber(const QString& text, const QLocale& locale);

// True when readNumber would succeed.
bool isNumeric(const QString& text, const QLocale& locale);

// Leading number of the text: blanks anywhere are skipped, "." is the decimal point, an exponent
// may follow; reading stops at the first other character. No number (or a non-finite one) gives 0.
double readVal(const QString& text);

} // namespace common
