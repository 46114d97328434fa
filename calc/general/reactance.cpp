#include "calc/general/reactance.h"

#include <cmath>

namespace tw::reactance {

double capacitiveReactance(double hertz, double farads)
{
    return 1.0 / (TwoPi * hertz * farads);
}

double inductiveReactance(double hertz, double henries)
{
    return TwoPi * hertz * henries;
}

double resonantFrequency(double farads, double henries)
{
    return 1.0 / (std::sqrt(farads * henries) * TwoPi);
}

} // namespace tw::reactance
