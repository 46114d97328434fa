#pragma once

// Wavelength of a signal in a dielectric, from its period or frequency.
// References:
//  1. lambda = c / (f * sqrt(er_eff)), with c = 299 792 458 m/s exactly (SI definition of the
//     metre, 1983).
//  2. f = 1 / T for a period T.
//  3. 1 inch = 2.54 cm exactly (international yard and pound agreement, 1959).

#include <array>

namespace tw::wavelength {

// The units a period or a frequency is entered in.
enum class SignalUnit { Nanoseconds, Picoseconds, Megahertz, Kilohertz, Hertz };

double frequencyMHz(double value, SignalUnit unit);

// Fractions of a wavelength, by track-bar position. 1/15 is the rounded 0.06666 on purpose:
// the results must match those designers have been comparing against.
inline constexpr std::array<double, 9> kFractions{1.0, 0.75,    0.625,  0.5, 0.25,
                                                  0.1, 0.06666, 0.0625, 0.05};

// Wavelength in centimetres, times the fraction.
double wavelengthCm(double frequencyMHz, double erEffective, double fraction);
// The same in inches, rounded through centimetres as the metric value is.
double wavelengthInches(double frequencyMHz, double erEffective, double fraction);

} // namespace tw::wavelength
