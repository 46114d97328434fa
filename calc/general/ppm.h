#pragma once

// Frequency tolerance in parts per million.
// References:
//  1. Definition of a relative tolerance: ppm = 1e6 * (f - fc) / fc.

namespace tw::ppm {

struct PpmToHertz {
    double variation;
    double maximum;
    double minimum;
};

// The product is formed before the division by 1e6, so large values keep their last digits.
PpmToHertz ppmToHertz(double centerFrequency, double ppm);

double hertzVariation(double centerFrequency, double maximumFrequency);
double hertzToPpm(double centerFrequency, double variation);

} // namespace tw::ppm
