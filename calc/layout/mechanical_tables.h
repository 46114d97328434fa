#pragma once

// Reference tables of the mechanical information page: wire gauges, drills and screw threads.
// References:
//  1. ASTM B258, American Wire Gauge: d = 0.005 in x 92^((36 - n) / 39), with 4/0 = -3;
//     resistance of annealed copper per 1000 ft and per km; the usual chassis-wiring currents.
//     The "M" gauges are metric wires whose number is ten times the diameter in mm.
//  2. The 700 circular mils per ampere rule for power transmission.
//  3. ASME B94.11M, number (97 to 1) and letter (A to Z) drill sizes in inches; the millimetre
//     column is the inch value x 25.4, exact for 97 to 81, rounded half up to three decimals
//     from 80 to W and to two for X, Y and Z.
//  4. ASME B1.1, Unified inch screw threads, external threads of classes 2A and 3A with the
//     standard length of engagement (one diameter): major and pitch diameter limits rounded
//     to four decimals; the minor diameter is the maximum major diameter less 1.226869 P.
//  5. ISO 261, metric screw threads, outside diameter in mm and inches.

#include <array>

namespace tw::mechanical {

struct WireGauge {
    const char *item;
    double inches;
    const char *resistanceImperial; // ohms per 1000 ft
    double mm;
    const char *resistanceMetric; // ohms per km
    const char *chassisWiring;
};

inline constexpr int kWireGauges = 51;
inline constexpr int kDrills = 123;
inline constexpr int kImperialThreads = 50;
inline constexpr int kMetricThreads = 18;

const std::array<WireGauge, kWireGauges> &wireTable();

// The row's diameter in mils, from the column of the unit system.
double diameterMils(const WireGauge &gauge, bool metric);
// Amperes a conductor of d mils carries by 700 circular mils per ampere.
double powerTransmissionCurrent(double diameterMils);

// Drill size, inches and millimetres, separated by tabs.
const std::array<const char *, kDrills> &drillChart();
// Size, class and seven diameters in inches, space-aligned.
const std::array<const char *, kImperialThreads> &imperialThreads();
// Size, metric and imperial outside diameter, space-aligned.
const std::array<const char *, kMetricThreads> &metricThreads();

} // namespace tw::mechanical
