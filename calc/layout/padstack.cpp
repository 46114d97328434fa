#include "calc/layout/padstack.h"

#include <cmath>

namespace tw::padstack {

namespace {

// x rounded to a multiple of 10^k, ties to even, in extended precision.
double roundToPower(double x, int k)
{
    const long double unit = std::pow(10.0L, k);
    return static_cast<double>(unit * std::rint(static_cast<long double>(x) / unit));
}

} // namespace

PlatedPad platedPad(double drill, double ring, double isolation)
{
    const double pad = drill + 2 * ring;
    return {pad, pad + 2 * isolation};
}

NonPlatedPad nonPlatedPad(double drill, double ring, double isolation)
{
    const double pad = drill + 2 * ring;
    return {drill, pad, pad + isolation};
}

ConductorBetweenPads conductorBetweenPads(double pitch, double width, double spacing, double hole,
                                          double minRing)
{
    const double maxPad = pitch - (2 * spacing + width);
    return {maxPad, (maxPad - hole) * 0.5, 2 * minRing + hole > maxPad};
}

double conductorBetweenLands(double pitch, double land, double spacing)
{
    return pitch - land - 2 * spacing;
}

CornerDrill cornerToCorner(double a, double b, bool metric)
{
    const double c = std::sqrt(a * a + b * b);
    if (metric)
        return {c, roundToPower(c + 0.0508, -3), roundToPower(c + 0.2794, -3)};
    return {c, roundToPower(c + 2, 0), roundToPower(c + 11, 0)};
}

} // namespace tw::padstack
