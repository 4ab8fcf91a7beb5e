#pragma once
// Key filters of the operating-point fields: digits, the locale's decimal separator and, for the
// ambient temperature, the minus sign. The fields' validator (numericfieldvalidator.h) holds
// every change of their text to this test, however the text arrives.
#include <QChar>
#include <QString>

namespace ui {

// True when a typed character may reach the field. Only the first character of DezimalTrenner
// counts as the separator.
bool keepKey(QChar ch, bool allowMinus, const QString& DezimalTrenner);

// True when every character that a change of a field's text from `before` to `after` inserts may
// be typed there (Backspace is a key, never a character of the text). What stands between the
// common start and the common end of the two texts was inserted; removing text is always allowed.
bool keepInsertion(const QString& before, const QString& after, bool allowMinus, const QString& DezimalTrenner);

} // namespace ui
