#include "program/ui/keyfilter.h"

namespace ui {

bool keepKey(QChar ch, bool allowMinus, const QString& DezimalTrenner)
{
    if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
        return true;
    if (!DezimalTrenner.isEmpty() && ch == DezimalTrenner.at(0))
        return true;
    if (ch == QChar(8)) // Backspace as a character
        return true;
    return allowMinus && ch == QLatin1Char('-');
}

} // namespace ui
