#include "calc/current/conductor_model.h"

#include <cmath>

namespace tw::current {

namespace {

constexpr double copperResistivity = 1.72e-8; // ohm m
// pi and the permeability as charted, with the MHz scale folded into the last factor:
// 1.256636e-5 * 1e5 = mu0 * 1e6.
constexpr double pi = 3.14159;
constexpr double permeability = 1.256636e-5;
constexpr double perMHz = 100000;
constexpr double micrometresPerMetre = 1e6;
constexpr double milsPerMicrometre = 0.03937007874015749;

} // namespace

double skinDepthMicrometres(double frequencyMHz)
{
    return std::sqrt(copperResistivity / (pi * permeability * frequencyMHz * perMHz)) *
           micrometresPerMetre;
}

double skinDepthMils(double frequencyMHz)
{
    return skinDepthMicrometres(frequencyMHz) * milsPerMicrometre;
}

double skinDepthPercentage(double skinDepth, double halfThickness)
{
    return skinDepth / halfThickness * 100;
}

bool skinDepthLimited(double skinDepth, double halfThickness)
{
    return skinDepth < halfThickness;
}

} // namespace tw::current
