#include "calc/general/wavelength.h"

#include <cmath>

namespace tw::wavelength {

namespace {

constexpr double kSpeedOfLight = 299792458.0; // m/s
constexpr double kInchesPerCentimetre = 0.39370078740157477;

// Metres per second over megahertz gives micrometres; 1e-4 turns them into centimetres.
double fullWavelengthCm(double frequencyMHz, double erEffective)
{
    return kSpeedOfLight / (std::sqrt(erEffective) * frequencyMHz) * 0.0001;
}

} // namespace

double frequencyMHz(double value, SignalUnit unit)
{
    switch (unit) {
    case SignalUnit::Nanoseconds:
        return (1.0 / (value * 1e-9)) * 1e-6;
    case SignalUnit::Picoseconds:
        return (1.0 / (value * 1e-12)) * 1e-6;
    case SignalUnit::Megahertz:
        return value;
    case SignalUnit::Kilohertz:
        return value * 0.001;
    case SignalUnit::Hertz:
        return value * 1e-6;
    }
    return value;
}

double wavelengthCm(double frequencyMHz, double erEffective, double fraction)
{
    return fullWavelengthCm(frequencyMHz, erEffective) * fraction;
}

double wavelengthInches(double frequencyMHz, double erEffective, double fraction)
{
    return fullWavelengthCm(frequencyMHz, erEffective) * kInchesPerCentimetre * fraction;
}

} // namespace tw::wavelength
