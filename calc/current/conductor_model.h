#pragma once

// Skin depth of a copper conductor.
// References:
//  1. Skin depth of a good conductor: delta = sqrt(rho / (pi * f * mu0)), with the copper
//     resistivity 1.72e-8 ohm m and mu0 = 4 pi 1e-7 H/m.
//  2. Current flows in a layer one skin depth deep on each face, so a conductor is fully used
//     while the depth reaches half its thickness.

namespace tw::current {

// Frequency in MHz.
double skinDepthMicrometres(double frequencyMHz);
double skinDepthMils(double frequencyMHz);

// The skin depth as a share of half the conductor thickness, in percent; both in one unit.
double skinDepthPercentage(double skinDepth, double halfThickness);

// True while the skin depth leaves copper in the middle of the conductor unused.
bool skinDepthLimited(double skinDepth, double halfThickness);

} // namespace tw::current
