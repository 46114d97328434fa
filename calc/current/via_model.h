#pragma once

// Parasitics and heat flow of a plated through-hole via.
// References:
//  1. H. W. Johnson, M. Graham, "High-Speed Digital Design: A Handbook of Black Magic",
//     Prentice Hall, 1993, section 7.3: via capacitance C = 1.41 Er T D1 / (D2 - D1) pF,
//     via inductance L = 5.08 h (ln(4h/d) + 1) nH (dimensions in inches), and the 10-90 %
//     rise-time degradation 2.2 C (Z0 / 2) of a line of impedance Z0 loaded by C.
//  2. Series LC resonance f = 1 / (2 pi sqrt(L C)); characteristic impedance sqrt(L / C).
//  3. Thermal resistance of a uniform bar, theta = length / (k A), with the conductivity of
//     copper k = 394 W/(m C) = 10.008 W/(in C).
//
// The via is a copper tube: the hole is the finished (inner) diameter, the plating its wall.

namespace tw::via {

// The barrel area is taken with pi rounded to five decimals, as the charted via areas are.
inline constexpr double pi = 3.14159;
inline constexpr double inchesPerMil = 0.001;
// Rounded as the metric capacitance, inductance and thermal paths use it.
inline constexpr double inchesPerMm = 0.03937;
inline constexpr double copperConductivity = 10.008; // W/(in C)

// Copper area of the barrel in the square of the unit of hole and plating.
double barrelCrossSection(double hole, double plating);

// pF for a via of length T through a plane opening D2 around a pad D1, all in inches; a
// geometry that gives a negative value gives 0.
double capacitance(double er, double lengthIn, double padIn, double openingIn);
// nH for a barrel of length T and diameter d in inches; negative values (very short, wide
// barrels) give 0.
double inductance(double lengthIn, double holeIn);

// What follows from the inductance and capacitance together. They exist only when both are
// positive; otherwise valid is false and the numbers stay at zero.
struct Resonance {
    bool valid = false;
    double frequencyMHz = 0.0;
    double impedance = 0.0;      // ohms
    double stepResponsePs = 0.0; // 10-90 % degradation on the via's own impedance
};
Resonance resonance(double inductanceNh, double capacitancePf);

// C/W along a barrel of length T (inches) with a copper area in square mils.
double thermalResistance(double lengthIn, double areaSqMils);

} // namespace tw::via
