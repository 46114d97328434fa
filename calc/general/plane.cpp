#include "calc/general/plane.h"

namespace tw::plane {

double targetImpedance(double supplyVolts, double maximumAmps, double noiseMarginPercent,
                       double acAllocationPercent, double transientPercent)
{
    return (noiseMarginPercent * 0.01 * supplyVolts) * (acAllocationPercent * 0.01) /
           (transientPercent * 0.01 * maximumAmps);
}

double capacitanceImperial(double er, double areaSqIn, double distanceMils)
{
    return er * 0.225 * areaSqIn / (distanceMils * 0.001);
}

double capacitanceMetric(double er, double areaSqMm, double distanceMm)
{
    return er * 0.225 * (areaSqMm * 0.00155) / (distanceMm * 0.03937007874015748);
}

double reactance(double frequencyMHz, double capacitancePf)
{
    return 1 / (frequencyMHz * 1000000 * 6.28318 * (capacitancePf * 1e-12));
}

} // namespace tw::plane
