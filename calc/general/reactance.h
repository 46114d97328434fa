#pragma once

// Capacitive and inductive reactance and the LC resonant frequency.
// References:
//  1. Xc = 1 / (2 pi f C), Xl = 2 pi f L, f0 = 1 / (2 pi sqrt(L C)), with 2 pi taken as
//     6.28318, the figure this calculator has always shown its results with.

#include <array>

namespace tw::reactance {

inline constexpr double TwoPi = 6.28318;

// Factors to hertz, farads and henries of the unit selections, in their order.
inline constexpr std::array<double, 3> frequencyFactors{1e6, 1e3, 1.0};       // MHz, KHz, Hz
inline constexpr std::array<double, 3> capacitanceFactors{1e-6, 1e-9, 1e-12}; // uF, nF, pF
inline constexpr std::array<double, 3> inductanceFactors{1e-3, 1e-6, 1e-9};   // mH, uH, nH

double capacitiveReactance(double hertz, double farads);
double inductiveReactance(double hertz, double henries);
double resonantFrequency(double farads, double henries);

} // namespace tw::reactance
