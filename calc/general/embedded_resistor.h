#pragma once

// Resistors printed inside the board from a resistive film of known sheet resistance.
// References:
//  1. Sheet resistance: a rectangle of length L and width W measures R = Rs * L / W.
//  2. Radial current between two concentric circles in a film: R = Rs / (2 pi) * ln(D / d),
//     solved for the outer diameter D = d * exp(2 pi R / Rs); 2 pi taken as 6.28318.
//  3. Area of a ring: pi / 4 * (D^2 - d^2), pi taken as 3.14159.

namespace tw::embedded {

// Ohms; length and width in any one unit.
double rectangularResistance(double sheetOhms, double length, double width);
// Square mils from a length and a width in inches.
double rectangleSqMils(double lengthInches, double widthInches);
inline constexpr double sqMmPerSqMil = 0.0006451612903225806;

struct AnnularResistor {
    double outerDiameter; // in the unit of the inside diameter
    double ringWidth;     // (D - d) / 2
    double area;          // square of that unit
};
AnnularResistor annularResistor(double sheetOhms, double insideDiameter, double targetOhms);

} // namespace tw::embedded
