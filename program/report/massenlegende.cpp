#include "program/report/ergbausgabe.h"

namespace report {

QChar masseBuchstabe(int row)
{
    // I is left out after H, and R to W after Q, so that the letters cannot be mistaken.
    const int code = row <= 8 ? 64 + row : row <= 16 ? 65 + row : 71 + row;
    return QChar(code);
}

QString Masse_Legende_bilden(int Typ_Index, const QStringList& werte)
{
    if (Typ_Index < 0)
        return {};
    QString legende;
    for (int r = 1; r <= werte.size(); ++r) {
        const QString& text = werte[r - 1];
        if (text.isEmpty())
            continue;
        legende += masseBuchstabe(r) + QLatin1Char('=') + text + QStringLiteral("\r\n");
    }
    return legende;
}

} // namespace report
