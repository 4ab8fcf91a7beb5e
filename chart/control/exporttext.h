#pragma once
// The chart's numbers as one tab-separated text table: a head record (title and date, then the
// "legend.axis label" names of every plot's two columns), then one record per point index with an
// x and a y field for every plot, empty fields where a plot has no such point.
#include "chart/control/cursorreadout.h"
#include <QDate>
#include <QLocale>
#include <QString>
#include <span>
#include <vector>

namespace vexachart {

struct ExportPlot {
    QString label; // legend text
    std::span<const double> x; // stored units
    std::span<const double> y;
};

struct ExportTable {
    QString title;
    QString xAxisLabel;
    QString yAxisLabel;
    QDate today;
    CursorAxis xAxis;
    CursorAxis yAxis;
    std::vector<ExportPlot> plots; // every plot of the chart, hidden ones included
    QLocale locale;
};

// Files keep CR LF after every record and a lone CR after the title line; clipboard text on this
// platform uses LF line breaks throughout, which every Linux program pastes as separate lines.
enum class ExportLineEnds { File, Clipboard };

// One coordinate as text: the number in the general form (15 significant digits, the locale's
// separator); on a logarithmic axis the value as the user entered it (10^stored, rounded to
// 12 significant digits so that the logarithm's last-digit error does not show); on a date-time
// axis the date-time text.
QString exportValueText(double stored, const CursorAxis& axis, const QLocale& locale);

QString exportText(const ExportTable& table, ExportLineEnds ends);

} // namespace vexachart
