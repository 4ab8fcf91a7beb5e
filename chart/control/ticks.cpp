#include "chart/control/ticks.h"
#include "chart/control/chartmath.h"
#include "common/checked.h"
#include "common/dateserial.h"
#include "common/error.h"
#include "common/format.h"
#include "common/numread.h"
#include <cmath>
#include <cstdint>

namespace vexachart {

void AxisScale::add(double value, const QString& label)
{
    if (Count >= Capacity)
        common::raise(common::errc::SubscriptOutOfRange);
    Ticks[static_cast<size_t>(Count)] = ScaleTick{value, label};
    ++Count;
}

TimeStepTableType defaultTimeStepTable()
{
    TimeStepTableType t{};
    t[1] = {0, 0, 0, 0, 0, 0, 0};
    t[2] = {4, 1, 2, 3, 6, 0, 0};
    t[3] = {5, 1, 2, 5, 10, 15, 0};
    t[4] = {5, 1, 2, 3, 6, 12, 0};
    t[5] = {6, 1, 2, 5, 10, 15, 30};
    t[6] = {6, 1, 2, 5, 10, 15, 30};
    return t;
}

namespace {

double floorLog10(double x) { return std::floor(chartLog10(x)); }

QString zeros(int n) { return QString(n, QLatin1Char('0')); }

QString decimalPattern(double step)
{
    if (step < 1.0)
        return QStringLiteral("0.") + zeros(static_cast<int>(std::fabs(floorLog10(step))));
    return QString();
}

QString scientificPattern(double magnitude, double step)
{
    const double m = std::pow(10.0, floorLog10(magnitude));
    const int q = static_cast<int>(std::fabs(floorLog10(step / m)));
    return QStringLiteral("0") + (q >= 1 ? QStringLiteral(".") + zeros(q) : QString()) + QStringLiteral("E+00");
}

// Step of a span: a power of ten, or twice or five times it, so that 4 to 10 steps fit.
double oneTwoFiveStep(double span)
{
    double base = std::pow(10.0, floorLog10(span));
    if (span / base < 4.0)
        base /= 10.0;
    double step = base;
    if (span / base >= 10.0) {
        step = 2.0 * base;
        if (span / step > 10.0)
            step = 5.0 * base;
    }
    return step;
}

} // namespace

void CalcLinearTicks(const AxisInput& in, AxisScale& scale)
{
    scale.clear();
    const double span = in.hi - in.lo;
    if (!std::isfinite(span) || !(span > 0.0))
        common::raise(common::errc::InvalidArgument);
    const double step = oneTwoFiveStep(span);
    if (step < 5e-16)
        return;
    const double first = (std::floor(in.lo / step) + 1.0) * step;
    const double last = std::floor(in.hi / step) * step;
    const int notation = in.notation == 1 ? 1 : 0;
    const QString pattern = notation == 1
        ? scientificPattern(std::max(std::fabs(first), std::fabs(last)), step)
        : decimalPattern(step);
    const double bound = last + step / 2.0;
    for (double t = first; t <= bound; t += step) {
        if (std::fabs(t) < 1e-16) {
            t = 0.0;
        } else {
            const double e = floorLog10(std::fabs(t));
            const double f = std::pow(10.0, 10.0 - e);
            t = std::floor(t * f + 0.5) / f;
        }
        scale.add(t, common::formatValue(t, pattern, in.locale));
    }
}

void CalcLogTicks(const AxisInput& in, AxisScale& scale)
{
    scale.clear();
    const double loV = chartPow10(in.lo);
    const double hiV = chartPow10(in.hi);
    const double decades = std::fabs(in.hi - in.lo);
    const bool scientific = in.notation == 1;
    // Stores one tick: the value becomes the number its label shows.
    auto store = [&](double& t, const QString& pattern) {
        const QString label = common::formatValue(t, pattern, in.locale);
        t = common::readNumber(label, in.locale);
        scale.add(t, label);
    };
    if (decades >= 1.0) {
        if (!in.metrics)
            common::raise(common::errc::InvalidArgument);
        const double probe = in.axis == 0 ? in.metrics->width(in.font, QStringLiteral("0000000"))
                                          : std::fabs(in.metrics->height(in.font, QStringLiteral("Yy")));
        const double fit = common::checkedDiv(0.7 * in.axisLength, probe);
        const double perDecade = fit / decades;
        const int k = perDecade <= 2.0 ? 10 : perDecade <= 4.0 ? 5 : perDecade <= 10.0 ? 2 : 1;
        const double ds = std::pow(10.0, std::floor(in.lo));
        // A lower border among the denormals has a decade start of 0, so the mantissa is not finite:
        // an overflow, reported as every other failure of the scale.
        const double mant = loV / ds;
        double t = (static_cast<double>(common::toInt32(std::floor(mant)) / k) + 1.0) * k * ds;
        const QString pattern = scientific ? QStringLiteral("0E+00") : QString();
        while (t < hiV) {
            store(t, pattern);
            const double s = k * std::pow(10.0, floorLog10(1.01 * t));
            if (t * 1.000000001 < s)
                t = s;
            else
                t = t + s;
        }
        return;
    }
    const double lin = hiV - loV;
    double s = std::pow(10.0, floorLog10(lin / 10.0) + 1.0);
    if (loV + 3.0 * s > hiV)
        s /= 5.0;
    double t = std::floor((loV + s) / s) * s;
    const QString pattern = scientific ? scientificPattern(std::fabs(hiV), s) : decimalPattern(s);
    while (t < hiV) {
        store(t, pattern);
        t = t + s;
    }
}

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Calendar indices of an instant, each counting whole units from a fixed origin.
struct CalendarIndex {
    common::DateParts parts;
    std::int64_t seconds, minutes, hours, days, months, years;
};

CalendarIndex calendarIndex(double serial)
{
    CalendarIndex c;
    c.parts = common::partsFromSerial(serial);
    c.days = static_cast<std::int64_t>(std::floor(common::serialFromParts(c.parts.year, c.parts.month, c.parts.day)));
    c.seconds = c.days * 86400 + c.parts.hour * 3600 + c.parts.minute * 60 + c.parts.second;
    c.minutes = floorDiv(c.seconds, 60);
    c.hours = floorDiv(c.seconds, 3600);
    c.months = static_cast<std::int64_t>(c.parts.year) * 12 + (c.parts.month - 1);
    c.years = c.parts.year;
    return c;
}

int firstMultipleAbove(int x, int step)
{
    return (static_cast<int>(std::floor(static_cast<double>(x) / step)) + 1) * step;
}

} // namespace

TimeLevel chooseTimeLevel(double lo, double hi, const TimeStepTableType& steps)
{
    const CalendarIndex a = calendarIndex(lo);
    const CalendarIndex b = calendarIndex(hi);
    std::int64_t count = 0;
    TimeLevel r;
    if ((count = b.seconds - a.seconds) < 300)
        r.level = 6;
    else if ((count = b.minutes - a.minutes) < 300)
        r.level = 5;
    else if ((count = b.hours - a.hours) < 120)
        r.level = 4;
    else if ((count = b.days - a.days) < 150)
        r.level = 3;
    else if ((count = b.months - a.months) < 62)
        r.level = 2;
    else
        r.level = 1;
    if (r.level == 1) {
        const double step = oneTwoFiveStep(static_cast<double>(b.years - a.years));
        r.step = std::max(1, static_cast<int>(std::lround(step)));
        return r;
    }
    const auto& row = steps[static_cast<size_t>(r.level)];
    r.step = row[static_cast<size_t>(row[0])]; // the largest candidate always fits
    for (int k = 1; k <= row[0]; ++k) {
        const int c = row[static_cast<size_t>(k)];
        if (c > 0 && floorDiv(count, c) <= 10) {
            r.step = c;
            break;
        }
    }
    return r;
}

void CalcTimeTicks(const AxisInput& in, AxisScale& scale)
{
    scale.clear();
    static const TimeStepTableType defaults = defaultTimeStepTable();
    const TimeStepTableType& steps = in.timeSteps ? *in.timeSteps : defaults;
    const TimeLevel level = chooseTimeLevel(in.lo, in.hi, steps);
    const common::DateParts p = common::partsFromSerial(in.lo);
    const int step = level.step;
    if (level.level == 1) {
        const int lastYear = common::partsFromSerial(in.hi).year;
        for (int y = firstMultipleAbove(p.year, step); y <= lastYear; y += step)
            scale.add(common::serialFromParts(y, 1, 1), QString::number(y));
        return;
    }
    const QString pattern = in.timeFormats ? (*in.timeFormats)[static_cast<size_t>(level.level)] : QString();
    // Each tick is built from whole calendar parts, so equal instants give equal serials.
    auto tickAt = [&](int k) {
        switch (level.level) {
        case 2: return common::serialFromParts(p.year, firstMultipleAbove(p.month, step) + k * step, 1);
        case 3: return common::serialFromParts(p.year, p.month, firstMultipleAbove(p.day, step) + k * step);
        case 4: return common::serialFromParts(p.year, p.month, p.day, firstMultipleAbove(p.hour, step) + k * step);
        case 5:
            return common::serialFromParts(p.year, p.month, p.day, p.hour, firstMultipleAbove(p.minute, step) + k * step);
        default:
            return common::serialFromParts(p.year, p.month, p.day, p.hour, p.minute,
                firstMultipleAbove(p.second, step) + k * step);
        }
    };
    for (int k = 0;; ++k) {
        const double t = tickAt(k);
        if (!(t < in.hi))
            break;
        scale.add(t, common::formatDate(t, pattern, in.locale));
    }
}

} // namespace vexachart
