#pragma once

// Differential impedance of coupled pairs of printed conductors, and the tolerance band a
// target impedance is checked against.
// References:
//  1. IPC-2141, "Design Guide for High-Speed Controlled Impedance Circuit Boards" (single
//     conductor of the surface microstrip and the centred stripline; edge coupling factors
//     1 - 0.48 exp(-0.96 S/H) and 1 - 0.347 exp(-2.9 S/B), of which the stripline one is used
//     here with 0.374, the coefficient these results have always been given with).
//  2. The broadside-coupled closed forms of the controlled-impedance design guides,
//     Zdiff = 82.2 / sqrt(er) ln(5.98 S / (0.8 W + T)), with the shielding term
//     1 - exp(-0.6 h) for a pair between planes.
//  3. The single-line models of transmission_lines.h: offset stripline and embedded
//     microstrip, reused for the single conductor of those two pairs.
//
// Every function returns valid == false, with its numbers left at zero, for a geometry where
// its closed form has no value or gives no positive impedance; the check comes before the
// offending operation, so such a call raises no floating-point exception.

#include "calc/lines/transmission_lines.h"

namespace tw::lines {

// The six arrangements, in the order the calculator lists them.
enum class PairArrangement {
    EdgeCoupledExternal,
    EdgeCoupledInternalSymmetric,
    EdgeCoupledInternalAsymmetric,
    EdgeCoupledEmbedded,
    BroadsideCoupledShielded,
    BroadsideCoupledUnshielded
};

struct CoupledPairResult {
    bool valid = false;
    double zo = 0.0;    // single conductor; the broadside forms give none and leave it at zero
    double zdiff = 0.0; // differential impedance
};

// Surface microstrip pair: W width, S edge-to-edge gap, H height above the plane, T thickness
// including plating. Lengths in any one unit.
CoupledPairResult EdgeCoupledMicrostrip(double w, double s, double h, double t, double er);

// The centred-stripline argument is 4B / (0.67 pi (0.8W + T)) in imperial units and the rounded
// 1.9B / (0.8W + T) in metric ones; the two differ in the third displayed decimal.
enum class StriplineForm { PiForm, Rounded };

// Pair centred between two planes B apart. Lengths in any one unit.
CoupledPairResult EdgeCoupledStripline(double w, double s, double b, double t, double er,
                                       StriplineForm form);

struct OffsetPairResult : CoupledPairResult {
    OffsetStriplineMode mode = OffsetStriplineMode::Narrow;
    double b = 0.0; // plane-to-plane distance H1 + H2 + T
};

// Pair between two planes, H1 to one and H2 to the other. Lengths in any one unit.
OffsetPairResult EdgeCoupledOffsetStripline(double w, double s, double h1, double h2, double t,
                                            double er);

// Pair embedded in a dielectric: height is the conductors' height above the plane, cover the
// total thickness of the dielectric over the plane. Lengths in any one unit.
CoupledPairResult EdgeCoupledEmbeddedMicrostrip(double w, double s, double height, double cover,
                                                double t, double er);

// Broadside pair between two planes H apart, S the vertical spacing between the conductors.
// Lengths in mils: the shielding term is fitted to the dielectric thickness in mils.
CoupledPairResult BroadsideCoupledShielded(double w, double s, double h, double t, double er);

// Broadside pair without planes; the substrate thickness does not enter. Lengths in any one
// unit.
CoupledPairResult BroadsideCoupledUnshielded(double w, double s, double t, double er);

// The broadside conductors leave no dielectric to their planes when H <= 2T + S.
bool broadsideFits(double h, double t, double s);

// Positions of the tolerance track bar.
inline constexpr int kTolerancePositions = 10;

struct ToleranceBand {
    double plus = 1.0;  // 1 + p
    double minus = 1.0; // 1 - p
};

// p = 2.5 % x (position + 1); positions outside 0..9 are limited to them.
ToleranceBand ZdiffToleranceFactors(int position);

// Go/no-go: the target lies in the band around zdiff, bounds included.
bool withinTolerance(double zdiff, double target, ToleranceBand band);

// W/H and S/H between 0.1 and 3, bounds included, is where the closed forms hold.
bool ratioInFormulaRange(double ratio);

} // namespace tw::lines
