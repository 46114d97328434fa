#include "calc/general/ppm.h"

namespace tw::ppm {

PpmToHertz ppmToHertz(double centerFrequency, double ppm)
{
    const double variation = centerFrequency * ppm / 1e6;
    return {variation, centerFrequency + variation, centerFrequency - variation};
}

double hertzVariation(double centerFrequency, double maximumFrequency)
{
    return maximumFrequency - centerFrequency;
}

double hertzToPpm(double centerFrequency, double variation)
{
    return 1e6 * variation / centerFrequency;
}

} // namespace tw::ppm
