#pragma once
// x raised to y for the property formulas and the pressure-drop law.
#include "common/messages.h"
#include <QString>

namespace rating {

// The fixed text shown when a power fails.
inline const QString PotenzFehlerText = QStringLiteral("Pow-Fkt. (X Exp Y) mit ungültigen Parametern");

// x^y. A failing power (a non-finite argument or result: a negative base with a fractional
// exponent, 0 to a negative power, an overflow) shows PotenzFehlerText as a critical message
// and gives 1, so that the callers go on with a neutral factor.
double Potenz(double x, double y, common::MessageBoxes& boxes);

} // namespace rating
