#pragma once
// Tick tables of the two axes: linear, logarithmic and date-time generators.
#include "chart/control/vexachart_export.h"
#include "chart/control/textmetrics.h"
#include <QFont>
#include <QLocale>
#include <QString>
#include <array>

namespace vexachart {

struct ScaleTick {
    double Value = 0.0; // tick position; the plain value (not its logarithm) on a logarithmic axis
    QString Label;
};

// At most 100 ticks; a 101st is error 9.
struct VEXACHART_EXPORT AxisScale {
    static constexpr int Capacity = 100;
    int Count = 0;
    std::array<ScaleTick, Capacity> Ticks;
    void clear() { Count = 0; }
    void add(double value, const QString& label);
    const ScaleTick& tick(int i) const { return Ticks[static_cast<size_t>(i - 1)]; } // 1-based
};

// Step candidates of the date-time levels 1 (years) .. 6 (seconds); position 0 holds the count.
using TimeStepTableType = std::array<std::array<qint16, 7>, 7>;
VEXACHART_EXPORT TimeStepTableType defaultTimeStepTable();

// What a generator reads of one axis.
struct AxisInput {
    int axis = 0;          // 0 X, 1 Y
    double lo = 0.0;       // lower display border (stored units)
    double hi = 1.0;       // upper display border
    int linLogMode = 0;    // 0 linear, 1 logarithmic
    int notation = 0;      // 0 normal, 1 scientific, 2 date-time
    QLocale locale;
    // Log ticks: the label probe is measured in this font; the scale area is `axisLength` twips long.
    const TextMetrics* metrics = nullptr;
    QFont font;
    double axisLength = 0.0;
    // Date-time ticks: the label patterns of levels 1..6 (index 1..6) and the step table.
    const std::array<QString, 7>* timeFormats = nullptr;
    const TimeStepTableType* timeSteps = nullptr;
};

VEXACHART_EXPORT void CalcLinearTicks(const AxisInput& in, AxisScale& scale);
VEXACHART_EXPORT void CalcLogTicks(const AxisInput& in, AxisScale& scale);
VEXACHART_EXPORT void CalcTimeTicks(const AxisInput& in, AxisScale& scale);

// Date-time level chosen for a range (1 years .. 6 seconds) and its step; exposed for tests.
struct TimeLevel {
    int level = 6;
    int step = 1;
};
VEXACHART_EXPORT TimeLevel chooseTimeLevel(double lo, double hi, const TimeStepTableType& steps);

} // namespace vexachart
