#pragma once

// Temperature reached by a part that dissipates power through a thermal resistance.
// References:
//  1. Steady-state heat flow through a thermal resistance: T = Ta + P * theta, theta in C/W
//     (junction to ambient for a device, sink to ambient for a heat sink).

namespace tw::thermal {

// Degrees C for a resistance in C/W, a power in watts and the ambient in degrees C. Negative
// entries are taken as they stand and give a temperature below ambient.
double junctionTemperature(double thermalResistance, double power, double ambient);

} // namespace tw::thermal
