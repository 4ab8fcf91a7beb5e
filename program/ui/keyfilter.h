#pragma once
// Key filters of the operating-point fields: digits, the locale's decimal separator and, for the
// ambient temperature, the minus sign. Everything else that would type a character is dropped.
#include <QChar>
#include <QString>

namespace ui {

// True when a typed character may reach the field. Only the first character of DezimalTrenner
// counts as the separator.
bool keepKey(QChar ch, bool allowMinus, const QString& DezimalTrenner);

} // namespace ui
