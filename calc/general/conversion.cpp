#include "calc/general/conversion.h"

#include <cmath>

namespace tw::conversion {

namespace {
constexpr double inchesPerMm = 0.03937007874015748;
}

Distance fromMils(double mils)
{
    return {mils * 0.001 * 25.4, mils * 0.001, mils * 0.001 * 25.4 * 1000};
}

Distance fromMillimetres(double millimetres)
{
    return {millimetres * inchesPerMm * 1000, millimetres * 1000, millimetres * inchesPerMm};
}

double fahrenheitToCelsius(double fahrenheit)
{
    return (fahrenheit - 32) * 0.55555555555;
}

double celsiusToFahrenheit(double celsius)
{
    return celsius * 1.8 + 32;
}

double voltageGain(double decibels)
{
    return std::pow(10.0, decibels * 0.05);
}

double dbmOut(double dbmIn, double gainDb)
{
    return dbmIn + gainDb;
}

Polar toPolar(double real, double imaginary)
{
    const double magnitude = std::sqrt(real * real + imaginary * imaginary);
    if (real == 0)
        return {magnitude, imaginary > 0 ? 90.0 : imaginary < 0 ? -90.0 : 0.0};
    double angle = std::atan(imaginary / real) * degreesPerRadian;
    if (real < 0)
        angle += imaginary >= 0 ? 180 : -180;
    return {magnitude, angle};
}

Rectangular toRectangular(double magnitude, double angleDegrees)
{
    const double radians = angleDegrees * radiansPerDegree;
    return {magnitude * std::cos(radians), magnitude * std::sin(radians)};
}

double degreesToRadians(double degrees)
{
    return degrees * radiansPerDegree;
}

double radiansToDegrees(double radians)
{
    return radians * degreesPerRadian;
}

} // namespace tw::conversion
