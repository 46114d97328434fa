#pragma once

// Everyday unit conversions of a board designer.
// References:
//  1. Inch = 25.4 mm exactly (international yard and pound agreement, 1959); mil = 0.001 in.
//  2. Temperature scales: C = (F - 32) / 1.8, F = C * 1.8 + 32.
//  3. Voltage gain of a decibel figure: A = 10^(dB / 20); a level in dBm plus a gain in dB.
//  4. Complex numbers: |z| = sqrt(a^2 + b^2), arg z over all four quadrants; a = m cos(theta),
//     b = m sin(theta).
//  5. Angles: pi is taken as 3.14159 in both directions, as the program always has.

namespace tw::conversion {

inline constexpr double radiansPerDegree = 0.017453277777777776; // 3.14159 / 180
inline constexpr double degreesPerRadian = 57.295827908797776;   // 180 / 3.14159

// The three other units of a distance. From mils: mm, inches, micrometres. From mm: mils,
// micrometres, inches - the order of the result boxes in each unit system.
struct Distance {
    double first;
    double second;
    double third;
};
Distance fromMils(double mils);
Distance fromMillimetres(double millimetres);

double fahrenheitToCelsius(double fahrenheit);
double celsiusToFahrenheit(double celsius);

double voltageGain(double decibels);
double dbmOut(double dbmIn, double gainDb);

struct Polar {
    double magnitude;
    double angleDegrees;
};
struct Rectangular {
    double real;
    double imaginary;
};
// The angle covers all four quadrants: a negative real part adds or subtracts 180 degrees, a
// zero real part gives 90, -90 or 0.
Polar toPolar(double real, double imaginary);
Rectangular toRectangular(double magnitude, double angleDegrees);

double degreesToRadians(double degrees);
double radiansToDegrees(double radians);

} // namespace tw::conversion
