#include "calc/general/ohms_law.h"

#include <algorithm>
#include <cmath>

namespace tw::ohms_law {

Eir solve(SolveFor solveFor, double top, double middle)
{
    switch (solveFor) {
    case SolveFor::Volts: {
        const double e = top * middle;
        return {e, e * top};
    }
    case SolveFor::Amps: {
        const double i = top / middle;
        return {i, top * i};
    }
    case SolveFor::Ohms:
        return {top / middle, top * middle};
    }
    return {0.0, 0.0};
}

LedBias ledBias(double supply, double forwardDrop, double currentAmps)
{
    const double across = supply - forwardDrop;
    return {across / currentAmps, across * currentAmps};
}

Divider divider(double voltage, std::span<const double> resistors)
{
    Divider d{};
    const std::size_t n = std::min<std::size_t>(resistors.size(), MaxDividerResistors);
    d.total = 0.0;
    for (std::size_t k = 0; k < n; ++k)
        d.total += resistors[k];
    d.current = voltage / d.total;
    for (std::size_t k = 0; k < n; ++k) {
        d.drop[k] = resistors[k] * d.current;
        d.power[k] = d.drop[k] * d.current;
    }
    return d;
}

namespace {

struct Ends {
    double k;
    double high;
    double low;
};

// Equal impedances count the input as the high side.
Ends ends(double attenuationDb, double zin, double zout)
{
    return {std::pow(10.0, 0.05 * attenuationDb), zin >= zout ? zin : zout,
            zin >= zout ? zout : zin};
}

} // namespace

double padMinimumAttenuation(double zin, double zout)
{
    const double ratio = std::max(zin, zout) / std::min(zin, zout);
    return 20.0 * std::log10(std::sqrt(ratio) + std::sqrt(ratio - 1.0));
}

Pad piPad(double attenuationDb, double zin, double zout)
{
    const auto [k, zh, zl] = ends(attenuationDb, zin, zout);
    const double k2 = k * k;
    const double root = std::sqrt(zh / zl);
    return {(k2 - 1.0) / (k2 - 2.0 * k * root + 1.0) * zh,
            (k2 - 1.0) / (k2 - 2.0 * k / root + 1.0) * zl,
            (k2 - 1.0) / k * (0.5 * std::sqrt(zh * zl))};
}

Pad tPad(double attenuationDb, double zin, double zout)
{
    const auto [k, zh, zl] = ends(attenuationDb, zin, zout);
    const double k2 = k * k;
    const double shunt = k / (k2 - 1.0) * (2.0 * std::sqrt(zh * zl));
    const double series = (k2 + 1.0) / (k2 - 1.0);
    return {series * zh - shunt, series * zl - shunt, shunt};
}

} // namespace tw::ohms_law
