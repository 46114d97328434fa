#pragma once

// Inductance of a planar spiral inductor.
// References:
//  1. S. S. Mohan, M. del Mar Hershenson, S. P. Boyd, T. H. Lee, "Simple Accurate Expressions
//     for Planar Spiral Inductances", IEEE J. Solid-State Circuits 34(10), 1999: the modified
//     Wheeler expression L = K1 mu0 n^2 d_avg / (1 + K2 rho) with its table of K1, K2 per shape,
//     d_avg = (d_out + d_in) / 2 and the fill factor rho = (d_out - d_in) / (d_out + d_in).
//  2. mu0 = 4 pi 1e-7 H/m, taken as 0.001256 nH per micrometre.

#include <array>

namespace tw::planar {

enum class SpiralShape { Square = 0, Hexagonal = 1, Octagonal = 2, Circular = 3 };

struct WheelerCoefficients {
    double k1;
    double k2;
};

inline constexpr std::array<WheelerCoefficients, 4> wheelerCoefficients{{
    {2.34, 2.75},   // square
    {2.33, 3.82},   // hexagonal
    {2.25, 3.55},   // octagonal
    {2.275, 3.575}, // circular
}};

inline constexpr double mu0NanohenryPerMicrometre = 0.001256;

// All lengths in micrometres. Below zero the turns overlap.
double innerDiameter(double turns, double width, double spacing, double outerDiameter);
double fillFactor(double outerDiameter, double innerDiameter);
// Nanohenries.
double inductance(SpiralShape shape, double turns, double outerDiameter, double innerDiameter);

} // namespace tw::planar
