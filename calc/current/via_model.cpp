#include "calc/current/via_model.h"

#include <cmath>

namespace tw::via {

double barrelCrossSection(double hole, double plating)
{
    const double outer = 2 * plating + hole;
    return outer * outer * pi / 4 - hole * hole * pi / 4;
}

double capacitance(double er, double lengthIn, double padIn, double openingIn)
{
    const double c = 1.41 * er * lengthIn * padIn / (openingIn - padIn);
    return c < 0 ? 0.0 : c;
}

double inductance(double lengthIn, double holeIn)
{
    const double l = 5.08 * lengthIn * (std::log(4 * lengthIn / holeIn) + 1);
    return l < 0 ? 0.0 : l;
}

Resonance resonance(double inductanceNh, double capacitancePf)
{
    Resonance r;
    // Checked first, so that a clipped value raises no division by zero below.
    if (!(inductanceNh > 0) || !(capacitancePf > 0))
        return r;
    r.valid = true;
    r.frequencyMHz = 1 / (std::sqrt(inductanceNh * 1e-9 * capacitancePf * 1e-12) * 6.28318) * 1e-6;
    r.impedance = std::sqrt(inductanceNh / (capacitancePf * 0.001));
    r.stepResponsePs = 2.2 * capacitancePf * (r.impedance * 0.5);
    return r;
}

double thermalResistance(double lengthIn, double areaSqMils)
{
    return lengthIn / (areaSqMils * 0.001 * copperConductivity) * 1000;
}

} // namespace tw::via
