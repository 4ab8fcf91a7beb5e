#include "common/checked.h"
#include <cmath>
#include <limits>

namespace common {

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

qint16 toInt16(double value)
{
    if (!std::isfinite(value))
        raise(errc::Overflow);
    const double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0)
        raise(errc::Overflow);
    return static_cast<qint16>(r);
}

qint32 toInt32(double value)
{
    if (!std::isfinite(value))
        raise(errc::Overflow);
    const double r = roundHalfEven(value);
    if (r < -2147483648.0 || r > 2147483647.0)
        raise(errc::Overflow);
    return static_cast<qint32>(r);
}

ColourValue toColour(double value)
{
    if (!std::isfinite(value))
        raise(errc::Overflow);
    const double r = roundHalfEven(value);
    if (r < -2147483648.0 || r > 4294967295.0)
        raise(errc::Overflow);
    return static_cast<ColourValue>(r < 0.0 ? r + 4294967296.0 : r);
}

double checkedLog(double value)
{
    if (!(value > 0.0) || !std::isfinite(value))
        raise(errc::InvalidArgument);
    return std::log(value);
}

double checkedLog10(double value)
{
    return checkedLog(value) / 2.30258509299405;
}

double checkedDiv(double a, double b)
{
    if (b == 0.0)
        raise(errc::DivisionByZero);
    return a / b;
}

double requireFinite(double value, long number)
{
    if (!std::isfinite(value))
        raise(number);
    return value;
}

void checkIndex(std::ptrdiff_t index, std::ptrdiff_t size)
{
    if (index < 0 || index >= size)
        raise(errc::SubscriptOutOfRange);
}

} // namespace common
