#pragma once
// The per-plot appearance record and its plot-aspect string: the eight fields joined by U+00A6.
#include "chart/control/vexachart_export.h"
#include <QString>
#include <QtGlobal>

namespace vexachart {

inline constexpr int LabelLength = 128;
inline constexpr QChar AspectSeparator = QChar(0x00A6);

struct PlotStyle {
    QString Label = QString(LabelLength, QLatin1Char(' '));
    qint16 RColor = 0;
    qint16 GColor = 0;
    qint16 BColor = 0;
    qint16 LineWidth = 0;
    qint16 Marker = 0;
    qint16 MarkerSize = 0;
    bool Visible = false;
    bool operator==(const PlotStyle&) const = default;
};

// Left-aligned into 128 characters: padded with blanks, cut when longer (never inside a surrogate pair).
VEXACHART_EXPORT QString fixedLabel(const QString& text);

VEXACHART_EXPORT QString PlotAspectToString(const PlotStyle& style);
// Raises 6 (a number outside 16 bits) or 13 (field 8 neither Boolean word nor number).
VEXACHART_EXPORT PlotStyle StringToPlotAspect(const QString& text);

} // namespace vexachart
