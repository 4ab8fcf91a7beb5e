#include "chart/control/cursorreadout.h"
#include "common/dateserial.h"
#include "common/format.h"
#include <algorithm>
#include <cmath>

namespace vexachart {
namespace {

double shownValue(double stored, const CursorAxis& axis)
{
    return axis.logarithmic ? std::pow(10.0, stored) : stored;
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

} // namespace

QString cursorDateTimeText(double serial)
{
    const common::DateParts p = common::partsFromSerial(serial);
    return QStringLiteral("%1/%2/%3/%4/%5/%6")
        .arg(p.year, 4, 10, QLatin1Char('0'))
        .arg(twoDigits(p.month), twoDigits(p.day), twoDigits(p.hour), twoDigits(p.minute), twoDigits(p.second));
}

std::optional<QVariant> cursorEventValue(double stored, const CursorAxis& axis)
{
    if (axis.logarithmic) {
        const double v = std::pow(10.0, stored);
        if (!std::isfinite(v))
            return std::nullopt;
        return QVariant(v);
    }
    if (!std::isfinite(stored))
        return std::nullopt;
    if (axis.notation == 2)
        return QVariant(cursorDateTimeText(stored));
    return QVariant(stored);
}

QString cursorValueText(double stored, const CursorAxis& axis, const QString& timeFormatCursor, const QLocale& locale)
{
    const double v = shownValue(stored, axis);
    if (!std::isfinite(v))
        return {};
    switch (axis.notation) {
    case 0:
    case 1: {
        const QString text = common::formatNumber(v, QStringLiteral("0.0000E+00"), locale);
        return v >= 0 ? QLatin1Char(' ') + text : text;
    }
    case 2:
        return QLatin1Char(' ') + common::formatDate(v, timeFormatCursor, locale);
    default:
        return {};
    }
}

QString cursorValuesCaption(QPointF stored, const CursorAxis& xAxis, const CursorAxis& yAxis,
                            const QString& timeFormatCursor, const QLocale& locale)
{
    return QStringLiteral(" x =") + cursorValueText(stored.x(), xAxis, timeFormatCursor, locale) +
           QStringLiteral(" \n  y =") + cursorValueText(stored.y(), yAxis, timeFormatCursor, locale) +
           QLatin1Char(' ');
}

QPointF placeCursorLabel(QPointF crossing, QSizeF label, QSizeF charX)
{
    const double u = crossing.x();
    const double w = crossing.y();
    const double width = label.width();
    const double height = label.height();
    double left = u + 1.5 * charX.width();
    double top = w - 0.75 * charX.height();
    if (left + width > 50000.0)
        left = 50000.0 - width;
    if (top - height < 0.0)
        top = height;
    if (left + 1.15 * width > 50000.0 && top - 1.4 * height < 0.0) {
        top = w + 1.4 * height;
        left = u - 1.15 * width;
    }
    return {left, top};
}

std::optional<NearestPlot> findNearestPlot(std::span<const CursorPlotView> plots, double x, double y, double ySpan)
{
    double bestDistance = 1e36;
    std::optional<NearestPlot> best;
    for (std::size_t i = 0; i < plots.size(); ++i) {
        const CursorPlotView& plot = plots[i];
        const std::size_t n = std::min(plot.x.size(), plot.y.size());
        if (!plot.visible || n <= 2)
            continue;
        // k is the last point with X(k) <= x, so X(k) <= x < X(k + 1): never a zero-width segment.
        const auto above = std::upper_bound(plot.x.begin(), plot.x.begin() + std::ptrdiff_t(n), x);
        if (above == plot.x.begin())
            continue;
        const std::size_t k = std::size_t(above - plot.x.begin()) - 1;
        double yAt = 0.0;
        if (k == n - 1) {
            if (plot.x[k] != x)
                continue; // right of the last point
            yAt = plot.y[k];
        } else {
            const double m = (plot.y[k + 1] - plot.y[k]) / (plot.x[k + 1] - plot.x[k]);
            const double b = plot.y[k] - m * plot.x[k];
            yAt = b + m * x;
        }
        const double distance = std::abs(y - yAt);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = NearestPlot{int(i) + 1, yAt, plot.label.trimmed()};
        }
    }
    if (best && bestDistance < 0.03 * ySpan)
        return best;
    return std::nullopt;
}

} // namespace vexachart
