#pragma once

// Signal bandwidth, wavelength and the longest conductor that still behaves as a lumped
// connection.
// References:
//  1. Bandwidth of a digital edge from its 10-90 % risetime: BW = 0.35 / tr (single-pole
//     response).
//  2. IPC-2251 rise distance Sr = tr * c / sqrt(Er_eff), with Er_eff = 0.475 Er + 0.67 for a
//     microstrip and Er for a stripline; a conductor shorter than a fraction of Sr is lumped.
//  3. Wavelength in air, lambda = c / f, with c = 299792458 m/s (exact by the definition of the
//     metre).
//  4. Propagation speed in a homogeneous dielectric, v = c / sqrt(Er).
//  5. Frequency-domain rule: a conductor shorter than a fraction of the wavelength (1/4 to 1/20)
//     needs no transmission-line treatment.

#include <array>

namespace tw::bandwidth {

inline constexpr double speedOfLight = 299792458.0; // m/s

// Indices match the layer selector and the frequency-unit group.
enum class Circuit { Microstrip = 0, Stripline = 1 };
enum class FrequencyUnit { MHz = 0, KHz = 1, Hz = 2 };
// Result lengths: inches in imperial, centimetres in metric.
enum class LengthUnit { Inches, Centimetres };

// One track-bar position: the factor the length is multiplied by and the text shown for it.
struct Divisor {
    double factor;
    const char *text;
};

inline constexpr std::array<Divisor, 7> riseDistanceDivisors = {{{0.2, "0.2Sr"},
                                                                 {0.25, "0.25Sr"},
                                                                 {0.3, "0.3Sr"},
                                                                 {0.35, "0.35Sr"},
                                                                 {0.4, "0.4Sr"},
                                                                 {0.45, "0.45Sr"},
                                                                 {0.5, "0.5Sr"}}};
inline constexpr int riseDistanceDefault = 1;

// "1/7" is the rounded decimal, not the fraction.
inline constexpr std::array<Divisor, 4> wavelengthDivisors = {
    {{0.25, "1/4"}, {0.142857, "1/7"}, {0.1, "1/10"}, {0.05, "1/20"}}};
inline constexpr int wavelengthDefault = 1;

// Risetime in ns; bandwidth in MHz.
double bandwidthMHz(double risetimeNs);
double toMHz(double frequency, FrequencyUnit unit);
// Full wavelength in air of a frequency in MHz.
double wavelength(double frequencyMHz, LengthUnit unit);
// Rise distance in metres.
double riseDistance(double risetimeNs, double er, Circuit circuit);
// IPC-2251 maximum conductor length: the rise distance times the track bar's factor.
double riseDistanceLength(double riseDistanceMetres, double factor, LengthUnit unit);
// Frequency-domain maximum conductor length, in the unit of the wavelength.
double wavelengthLength(double wavelength, double factor);
// m/s; the plain Er for either circuit.
double propagationSpeed(double er);

} // namespace tw::bandwidth
