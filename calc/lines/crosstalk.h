#pragma once

// Coupling between two parallel conductors over a reference plane.
// References:
//  1. H. Johnson, M. Graham, "High-Speed Digital Design: A Handbook of Black Magic",
//     Prentice Hall, 1993, 5.3 (crosstalk ratio 1 / (1 + (D/H)^2) of two traces over a plane,
//     and its reduction when the coupled length is short against the rise time).
//  2. IPC-2141, "Design Guide for High-Speed Controlled Impedance Circuit Boards" (microstrip
//     effective dielectric constant 0.475 er + 0.67 and a delay of 1.017 ns per foot in air).
//
// Spacing and heights enter in any one unit; the coupled length is in inches, the rise time in
// nanoseconds and the voltage in volts.

namespace tw::crosstalk {

enum class Layer { Microstrip, Stripline };

// Delay of a wave along the coupled length and back, in ns.
double twoWayDelayNs(double coupledLengthInches, double er);

// Geometric coupling of two conductors at height h over one plane, spacing s apart.
double microstripCoupling(double spacing, double height);
// Geometric coupling between two planes b apart, the conductors h1 and h2 from one of them.
// Each conductor counts with the parallel combination of its distances to the two planes.
double striplineCoupling(double spacing, double planeDistance, double h1, double h2);

// The geometric coupling, reduced in proportion while the two-way delay is shorter than the
// rise time.
double riseTimeCoupling(double geometricCoupling, double delayNs, double riseTimeNs);

struct Geometry {
    Layer layer = Layer::Microstrip;
    double spacing = 0;
    double height = 0; // microstrip: above the plane; stripline: between the two planes
    double h1 = 0;     // stripline only
    double h2 = 0;     // stripline only
};

struct Result {
    double delayNs = 0;
    double geometricCoupling = 0;
    double coupling = 0;
    double coefficientDb = 0;
    double coupledVolts = 0;
};

Result crosstalk(const Geometry &geometry, double coupledLengthInches, double riseTimeNs,
                 double volts, double er);

} // namespace tw::crosstalk
