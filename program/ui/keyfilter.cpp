#include "program/ui/keyfilter.h"

#include <algorithm>

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

bool keepInsertion(const QString& before, const QString& after, bool allowMinus, const QString& DezimalTrenner)
{
    const qsizetype kuerzer = std::min(before.size(), after.size());
    qsizetype anfang = 0;
    while (anfang < kuerzer && before[anfang] == after[anfang])
        ++anfang;
    qsizetype ende = 0;
    while (ende < kuerzer - anfang && before[before.size() - 1 - ende] == after[after.size() - 1 - ende])
        ++ende;
    const QStringView eingefuegt = QStringView(after).mid(anfang, after.size() - anfang - ende);
    return std::all_of(eingefuegt.begin(), eingefuegt.end(),
        [&](QChar ch) { return ch != QChar(8) && keepKey(ch, allowMinus, DezimalTrenner); });
}

} // namespace ui
