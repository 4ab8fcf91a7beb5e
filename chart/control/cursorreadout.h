#pragma once
// The cursor read-out's arithmetic: the values that the CursorXY event carries, the caption of the
// value read-out, where the label goes beside the cross-hair, and the plot that passes nearest to
// the pointer. Positions are in the plot area's user scale (0..50000, y upwards), values in stored
// units (log10 on a logarithmic axis, day serials on a date-time axis).
#include <QLocale>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVariant>
#include <optional>
#include <span>

namespace vexachart {

// How one axis shows its values.
struct CursorAxis {
    bool logarithmic = false;
    int notation = 0; // 0 normal, 1 scientific, 2 date-time
};

// The date-time text that crosses the chart's interface: "YYYY/MM/DD/HH/NN/SS".
QString cursorDateTimeText(double serial);

// The event value of one coordinate: 10^v on a logarithmic axis, the date-time text on a
// date-time axis, else the number. Nothing when 10^v is not finite.
std::optional<QVariant> cursorEventValue(double stored, const CursorAxis& axis);

// One value of the read-out: "0.0000E+00" with a leading blank for values >= 0, or on a date-time
// axis a blank and the value in `timeFormatCursor`. Empty for other notations and non-finite values.
QString cursorValueText(double stored, const CursorAxis& axis, const QString& timeFormatCursor, const QLocale& locale);

// " x =<x> " newline "  y =<y> ".
QString cursorValuesCaption(QPointF stored, const CursorAxis& xAxis, const CursorAxis& yAxis,
                            const QString& timeFormatCursor, const QLocale& locale);

// Upper-left corner (x, upper edge y) of the label for the crossing (u, w): one and a half
// character widths right of the vertical line, three quarters of a line below the horizontal one,
// kept inside the plot area, and flipped to the upper left in the bottom-right corner.
QPointF placeCursorLabel(QPointF crossing, QSizeF label, QSizeF charX);

// What the nearest-plot search looks at of one plot (x ascending).
struct CursorPlotView {
    bool visible = true;
    QString label;
    std::span<const double> x;
    std::span<const double> y;
};

struct NearestPlot {
    int plot = 0;    // 1-based plot number
    double yAt = 0.0; // the plot's value at the pointer's x
    QString name;     // the trimmed legend text
};

// The visible plot (of more than two points) that passes nearest to (x, y) vertically, if it lies
// within 3 % of the displayed y span. Plots whose x range does not hold x are left out; a pointer
// exactly at a plot's last x takes that point's value. Equal distances keep the lower plot number.
std::optional<NearestPlot> findNearestPlot(std::span<const CursorPlotView> plots, double x, double y, double ySpan);

} // namespace vexachart
