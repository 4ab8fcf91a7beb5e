#pragma once
// Checked arithmetic: the conversions and operations that must fail loudly instead of
// producing infinities, NaNs, wrapped integers or reads outside an array.
#include "common/colour.h"
#include "common/error.h"
#include <QtGlobal>
#include <cstddef>

namespace common {

// Nearest 16-bit integer, halves to the even neighbour; error 6 outside -32768..32767 or not finite.
qint16 toInt16(double value);
// Nearest 32-bit integer, halves to the even neighbour; error 6 outside the range or not finite.
qint32 toInt32(double value);
// Nearest whole number (halves to even) as a colour value. Containers hold colours as signed 32-bit
// numbers, so the signed form is the same colour: -2147483633 is 0x8000000F. Error 6 outside
// -2147483648..0xFFFFFFFF or not finite.
ColourValue toColour(double value);
// Rounds halves to the even neighbour without a range check (the result may be any finite double).
double roundHalfEven(double value);

// Natural logarithm; error 5 for a value <= 0 or not finite.
double checkedLog(double value);
// Decimal logarithm as ln(x) / 2.30258509299405; error 5 for a value <= 0.
double checkedLog10(double value);
// a / b; error 11 when b is 0.
double checkedDiv(double a, double b);
// The value itself; error `number` (6 unless said) when it is not finite.
double requireFinite(double value, long number = errc::Overflow);
// Error 9 unless 0 <= index < size.
void checkIndex(std::ptrdiff_t index, std::ptrdiff_t size);

// Checked element access for any container with size() and operator[].
template <class Container>
auto& at(Container& c, std::ptrdiff_t index)
{
    checkIndex(index, static_cast<std::ptrdiff_t>(c.size()));
    return c[static_cast<std::size_t>(index)];
}

} // namespace common
