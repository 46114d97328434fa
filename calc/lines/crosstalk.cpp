#include "calc/lines/crosstalk.h"

#include <cmath>

namespace tw::crosstalk {

double twoWayDelayNs(double coupledLengthInches, double er)
{
    return 2.0 * coupledLengthInches * (1.017 / 12.0) * std::sqrt(0.475 * er + 0.67);
}

double microstripCoupling(double spacing, double height)
{
    const double ratio = spacing / height;
    return 1.0 / (1.0 + ratio * ratio);
}

double striplineCoupling(double spacing, double planeDistance, double h1, double h2)
{
    const double offset = h1 - h2;
    const double distanceSquared = spacing * spacing + offset * offset;
    const double effective1 = (planeDistance - h1) * h1 / planeDistance;
    const double effective2 = (planeDistance - h2) * h2 / planeDistance;
    return 1.0 / (1.0 + distanceSquared / (effective1 * effective2));
}

double riseTimeCoupling(double geometricCoupling, double delayNs, double riseTimeNs)
{
    const double ratio = delayNs / riseTimeNs;
    return ratio <= 1.0 ? geometricCoupling * ratio : geometricCoupling;
}

Result crosstalk(const Geometry &geometry, double coupledLengthInches, double riseTimeNs,
                 double volts, double er)
{
    Result r;
    r.delayNs = twoWayDelayNs(coupledLengthInches, er);
    r.geometricCoupling =
        geometry.layer == Layer::Microstrip
            ? microstripCoupling(geometry.spacing, geometry.height)
            : striplineCoupling(geometry.spacing, geometry.height, geometry.h1, geometry.h2);
    r.coupling = riseTimeCoupling(r.geometricCoupling, r.delayNs, riseTimeNs);
    r.coefficientDb = 20.0 * std::log10(r.coupling);
    r.coupledVolts = r.coupling * volts;
    return r;
}

} // namespace tw::crosstalk
