#pragma once
// Numeric rules of the chart: the decimal logarithm through the constant 2.30258509299405,
// rounding of scaled values as floor(x + 0.5), and rounding to six significant digits.
#include "common/checked.h"
#include <cmath>

namespace vexachart {

// log10 as ln(x) / 2.30258509299405; error 5 for x <= 0 or not finite.
inline double chartLog10(double x) { return common::checkedLog10(x); }

// 10 to the power v; error 6 when the result is not finite.
inline double chartPow10(double v) { return common::requireFinite(std::pow(10.0, v)); }

// Rounds to `digits` significant digits, halves upwards (floor(v * f + 0.5) / f); error 5 for 0.
inline double roundDigits(double v, int digits)
{
    const double e = std::floor(chartLog10(std::fabs(v)));
    const double f = std::pow(10.0, (digits - 1) - e);
    return std::floor(v * f + 0.5) / f;
}

// A border span the chart can map: the pixel and user-unit scales (some ten thousand units over the
// span) stay finite. A span of a few denormals would turn every mapped point into infinity.
inline bool mappableSpan(double span) { return std::isfinite(span) && span > 0.0 && std::isfinite(1e6 / span); }

// Six significant digits: what the data and border getters return on a logarithmic axis.
inline double RoundSignificant(double v) { return roundDigits(v, 6); }

} // namespace vexachart
