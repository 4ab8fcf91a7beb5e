#include "program/texts/system_potenz.h"
#include <cmath>

namespace texts {

double Potenz(double x, double y, common::MessageBoxes& boxes)
{
    const double result = std::pow(x, y);
    if (std::isfinite(result))
        return result;
    boxes.show(PotenzMeldung, common::mb::Critical);
    return 1.0;
}

} // namespace texts
