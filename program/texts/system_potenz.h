#pragma once
// x to the power y for the fluid-property and curve formulas.
#include "common/messages.h"

namespace texts {

inline const QString PotenzMeldung = QStringLiteral("Pow-Fkt. (X Exp Y) mit ungültigen Parametern");

// x^y; when that is no finite number (negative x with a broken exponent, overflow, zero to a
// negative power) shows PotenzMeldung as an error and gives 1. Callers open a UserActionScope
// per user action, so a failing power inside an iteration reports once.
double Potenz(double x, double y, common::MessageBoxes& boxes);

} // namespace texts
