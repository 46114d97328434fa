#include "calc/current/bandwidth.h"

#include <cmath>

namespace tw::bandwidth {

namespace {
constexpr double inchesPerCentimetre = 0.39370078740157477;
constexpr double milsPerMetre = 39370.07874015748;
} // namespace

double bandwidthMHz(double risetimeNs)
{
    return 0.35 / risetimeNs * 1000;
}

double toMHz(double frequency, FrequencyUnit unit)
{
    switch (unit) {
    case FrequencyUnit::KHz:
        return frequency * 0.001;
    case FrequencyUnit::Hz:
        return frequency * 0.000001;
    case FrequencyUnit::MHz:
        break;
    }
    return frequency;
}

double wavelength(double frequencyMHz, LengthUnit unit)
{
    // c in m/s over MHz gives micrometres; times 1e-4 gives centimetres.
    const double centimetres = speedOfLight / frequencyMHz * 0.0001;
    return unit == LengthUnit::Inches ? centimetres * inchesPerCentimetre : centimetres;
}

double riseDistance(double risetimeNs, double er, Circuit circuit)
{
    const double effectiveEr = circuit == Circuit::Microstrip ? 0.475 * er + 0.67 : er;
    return risetimeNs * 1e-9 * speedOfLight / std::sqrt(effectiveEr);
}

double riseDistanceLength(double riseDistanceMetres, double factor, LengthUnit unit)
{
    const double metres = riseDistanceMetres * factor;
    return unit == LengthUnit::Inches ? metres * milsPerMetre * 0.001 : metres * 100;
}

double wavelengthLength(double wavelength, double factor)
{
    return wavelength * factor;
}

double propagationSpeed(double er)
{
    return speedOfLight / std::sqrt(er);
}

} // namespace tw::bandwidth
