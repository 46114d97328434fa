#include "calc/current/fusing.h"

#include <cmath>

namespace tw::fusing {

double fusingCurrent(double areaSqMils, double seconds)
{
    return reducedCoefficient * areaSqMils / std::sqrt(seconds);
}

} // namespace tw::fusing
