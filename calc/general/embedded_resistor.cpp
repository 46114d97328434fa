#include "calc/general/embedded_resistor.h"

#include <cmath>

namespace tw::embedded {

double rectangularResistance(double sheetOhms, double length, double width)
{
    return length / width * sheetOhms;
}

double rectangleSqMils(double lengthInches, double widthInches)
{
    return 1000.0 * 1000.0 * lengthInches * widthInches;
}

AnnularResistor annularResistor(double sheetOhms, double insideDiameter, double targetOhms)
{
    const double outer = insideDiameter * std::exp(targetOhms / sheetOhms * 6.28318);
    return {outer, (outer - insideDiameter) / 2,
            3.14159 / 4 * (outer * outer - insideDiameter * insideDiameter)};
}

} // namespace tw::embedded
