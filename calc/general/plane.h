#pragma once

// A power/ground plane pair: target impedance of the supply rail and plate capacitance.
// References:
//  1. Target impedance of a power delivery network: Z = allowed ripple voltage / transient
//     current, the ripple being the AC share of the total noise margin of the rail voltage.
//  2. Parallel-plate capacitor C = eps0 Er A / h; with A in square inches and h in inches,
//     eps0 = 0.225 pF per inch.
//  3. Capacitive reactance Xc = 1 / (2 pi f C), 2 pi taken as 6.28318.

namespace tw::plane {

// Percentages as entered (5 means 5 %).
double targetImpedance(double supplyVolts, double maximumAmps, double noiseMarginPercent,
                       double acAllocationPercent, double transientPercent);

// Picofarads: area in square inches and spacing in mils, or square mm and mm.
double capacitanceImperial(double er, double areaSqIn, double distanceMils);
double capacitanceMetric(double er, double areaSqMm, double distanceMm);

// Ohms, for a frequency in MHz and a capacitance in pF.
double reactance(double frequencyMHz, double capacitancePf);

} // namespace tw::plane
