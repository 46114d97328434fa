#include "calc/general/planar_inductor.h"

namespace tw::planar {

double innerDiameter(double turns, double width, double spacing, double outerDiameter)
{
    return outerDiameter - ((turns - 1) * spacing * 2 + turns * width * 2);
}

double fillFactor(double outerDiameter, double innerDiameter)
{
    return (outerDiameter - innerDiameter) / (innerDiameter + outerDiameter);
}

double inductance(SpiralShape shape, double turns, double outerDiameter, double innerDiameter)
{
    const WheelerCoefficients k = wheelerCoefficients[static_cast<std::size_t>(shape)];
    const double averageDiameter = (outerDiameter + innerDiameter) * 0.5;
    const double rho = fillFactor(outerDiameter, innerDiameter);
    return turns * turns * averageDiameter / (k.k2 * rho + 1) * (k.k1 * mu0NanohenryPerMicrometre);
}

} // namespace tw::planar
