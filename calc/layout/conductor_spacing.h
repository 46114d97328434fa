#pragma once

// Minimum electrical clearance between conductors.
// References:
//  1. IPC-2221B, "Generic Standard on Printed Board Design", table 6-1 "Electrical Conductor
//     Spacing": peak voltage bands 0-15 V to 301-500 V, bare-board conditions B1 to B4 and
//     assembly conditions A5 to A7, and the per-volt increments above 500 V.
//  2. The imperial values are the metric ones at 25.4 um per mil, kept with the precision the
//     tables below show (0.12007 mils per volt, not 0.120079).

#include <array>

namespace tw::spacing {

inline constexpr int kBands = 10;      // the last one is "> 500V"
inline constexpr int kTableBands = 9;  // bands looked up in the tables
inline constexpr int kDeviceTypes = 7; // B1 B2 B3 B4 A5 A6 A7
inline constexpr int kAbove500 = 9;
// The lowest voltage the per-volt rule takes.
inline constexpr double kLowestVoltage = 501.0;

using SpacingTable = std::array<std::array<const char *, kDeviceTypes>, kTableBands>;

// The display texts of the clearance, by voltage band and device type.
const SpacingTable &metricSpacing();
const SpacingTable &imperialSpacing();

struct PerVoltRule {
    double increment; // per volt above 500 V
    double base;      // at 500 V
};

// In mm (metric) or mils (imperial) for one device type.
PerVoltRule perVoltRule(int deviceType, bool metric);

// Clearance above 500 V in mm or mils: (V - 500) x increment + base.
double spacingAbove500(double volts, int deviceType, bool metric);

} // namespace tw::spacing
