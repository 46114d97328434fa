#pragma once

// Current that fuses a bare copper conductor after a given time.
// References:
//  1. Onderdonk's fusing equation for copper:
//     I = A * sqrt(log10(1 + (Tm - Ta) / (234 + Ta)) / (33 s)), A in circular mils,
//     Tm = 1083 C the melting point of copper, Ta the ambient temperature.
//  2. Its reduced form for an ambient near 25 C with the area in square mils:
//     I = 0.188 * A / sqrt(s) (4/pi circular mils per square mil).

namespace tw::fusing {

inline constexpr double reducedCoefficient = 0.188;

// Amperes for a cross-section in square mils fusing after the given seconds.
double fusingCurrent(double areaSqMils, double seconds);

} // namespace tw::fusing
