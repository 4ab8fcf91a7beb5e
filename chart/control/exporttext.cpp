#include "chart/control/exporttext.h"
#include "common/format.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vexachart {
namespace {

double roundedToSignificant12(double v)
{
    if (!std::isfinite(v) || v == 0.0)
        return v;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.11e", v);
    return std::strtod(buf, nullptr);
}

} // namespace

QString exportValueText(double stored, const CursorAxis& axis, const QLocale& locale)
{
    const double v = axis.logarithmic ? roundedToSignificant12(std::pow(10.0, stored)) : stored;
    if (axis.notation == 2 && std::isfinite(v))
        return cursorDateTimeText(v);
    return common::formatGeneral(v, locale);
}

QString exportText(const ExportTable& table, ExportLineEnds ends)
{
    const bool file = ends == ExportLineEnds::File;
    const QString recordEnd = file ? QStringLiteral("\r\n") : QStringLiteral("\n");
    const QString titleEnd = file ? QStringLiteral("\r") : QStringLiteral("\n");
    const QChar tab = QLatin1Char('\t');

    std::size_t records = 0;
    for (const auto& p : table.plots)
        records = std::max(records, std::min(p.x.size(), p.y.size()));

    QString out;
    // One allocation for the usual case: about 20 characters per field.
    out.reserve(qsizetype(256 + (records + 1) * (table.plots.size() * 2 * 20 + 2)));

    out += table.title + tab + table.locale.toString(table.today, QLocale::ShortFormat) + titleEnd;
    const QString xl = table.xAxisLabel.trimmed();
    const QString yl = table.yAxisLabel.trimmed();
    for (std::size_t p = 0; p < table.plots.size(); ++p) {
        const QString l = table.plots[p].label.trimmed();
        if (p > 0)
            out += tab;
        out += l + QLatin1Char('.') + xl + tab + l + QLatin1Char('.') + yl;
    }
    out += recordEnd;

    for (std::size_t i = 0; i < records; ++i) {
        for (std::size_t p = 0; p < table.plots.size(); ++p) {
            const ExportPlot& plot = table.plots[p];
            if (p > 0)
                out += tab;
            if (i < plot.x.size() && i < plot.y.size())
                out += exportValueText(plot.x[i], table.xAxis, table.locale) + tab +
                       exportValueText(plot.y[i], table.yAxis, table.locale);
            else
                out += tab;
        }
        out += recordEnd;
    }
    return out;
}

} // namespace vexachart
