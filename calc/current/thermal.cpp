#include "calc/current/thermal.h"

namespace tw::thermal {

double junctionTemperature(double thermalResistance, double power, double ambient)
{
    return power * thermalResistance + ambient;
}

} // namespace tw::thermal
