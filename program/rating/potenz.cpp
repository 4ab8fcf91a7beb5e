#include "program/rating/potenz.h"
#include <cmath>

namespace rating {

double Potenz(double x, double y, common::MessageBoxes& boxes)
{
    if (std::isfinite(x) && std::isfinite(y)) {
        const double result = std::pow(x, y);
        if (std::isfinite(result))
            return result;
    }
    boxes.show(PotenzFehlerText, common::mb::OkOnly | common::mb::Critical);
    return 1;
}

} // namespace rating
