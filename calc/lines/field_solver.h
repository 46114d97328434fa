#pragma once

// Quasi-static 2-D field solution of the cross-sections of the impedance and differential-pair
// calculators: a second opinion on their closed forms.
// References:
//  1. R. F. Harrington, "Field Computation by Moment Methods", Macmillan, 1968 (piecewise-
//     constant charge on conductor panels, point matching).
//  2. C. Wei, R. F. Harrington, J. R. Mautz, T. K. Sarkar, "Multiconductor Transmission Lines in
//     Multilayered Dielectric Media", IEEE Trans. MTT-32, 1984 (total charge on conductors and
//     polarisation charge on dielectric interfaces, free charge from the total).
//  3. W. R. Smythe, "Static and Dynamic Electricity", McGraw-Hill, 1950 (potential of a line
//     charge between two grounded parallel planes in closed form; images in one plane).
//  4. S. B. Cohn, "Characteristic Impedance of the Shielded-Strip Transmission Line", IRE Trans.
//     MTT-2, 1954, and "Shielded Coupled-Strip Transmission Line", IRE Trans. MTT-3, 1955 (the
//     exact zero-thickness and the thick-strip stripline the solver is checked against).
//  5. G. H. Golub, C. F. Van Loan, "Matrix Computations", 3.4 (LU with partial pivoting).
//
// Method. Every conductor surface and every dielectric interface is cut into straight panels of
// constant charge density; the charge is the total (free plus polarisation) charge, so the
// kernel is the free-space one with the ground planes built in: images in one plane, and the
// closed form (sinh/cos) for two planes, whose logarithmic singularities are integrated
// analytically and the smooth rest by Gauss-Legendre. Conductor panels hold their potential at
// their midpoints; interface panels hold the normal flux continuous. Panels are graded towards
// every corner. The cross-sections are symmetric about x = 0, so only one half is solved, with
// the other as a mirror image of either sign: a single line and the even mode take +, the odd
// mode of a side-by-side pair takes -. The per-length capacitance is solved with the dielectric
// (C) and in vacuum (C0): Z0 = 1 / (c sqrt(C C0)), er_eff = C / C0.
//
// Convergence: at twice the panel density on every face and interface, Z0 (Zdiff, Zeven) of
// every default geometry of the two calculators moves by less than 0.11 % (the surface pair,
// whose corners on the dielectric converge slowest; the rest by less than 0.01 %). The
// zero-thickness striplines, exact by reference 4, are within 0.05 % (single) and 0.13 %
// (coupled, narrow gaps) at the default density. The model test holds 0.2 % and 0.3 %.
//
// Geometry. Lengths in any one unit; every entry means what it means to the closed form of the
// same topology in transmission_lines.h and differential_pairs.h:
//  - Microstrip: conductor on a substrate h thick, air above.
//  - Microstrip Embed: h is the dielectric thickness over the plane, second the conductor's
//    height above the plane; air above the dielectric.
//  - Stripline: h of dielectric between the conductor and each plane (planes 2h + t apart).
//  - Stripline Asym: h below, second above the conductor (planes h + t + second apart).
//  - Dual Stripline: a conductor h from its plane in a stack of two signal layers second apart
//    (planes 2h + 2t + second apart); the other layer is taken as routed across, so it is not
//    in the cross-section.
//  - Coplanar Wave: conductor on a substrate h thick over a plane, grounds second to either side
//    on the same surface, at the plane's potential; each ground is 2 (W + 2G) + 2h wide, which
//    moves Z0 by less than 0.02 % from grounds eight times as wide.
//  Pairs: edge-coupled external as microstrip; internal symmetric centred between planes h
//  apart; internal asymmetric h below, h2 above; embedded at height h in a dielectric h2 thick;
//  broadside shielded stacked in the middle of planes h apart, s between the conductors;
//  broadside unshielded the same in a substrate h thick without planes, air around it.
//
// Every function returns valid == false, numbers at zero, for a geometry with no solution (no
// conductor, a conductor touching or outside its planes, er < 1) or one that would need more
// panels or memory than a cross-section of these calculators does; no floating-point exception
// is raised on either path.

#include "calc/lines/differential_pairs.h"
#include "calc/lines/transmission_lines.h"

namespace tw::lines {

struct FieldSolverOptions {
    // Scales the panel count of every face and interface: 2 halves every element.
    double refinement = 1.0;
};

struct LineGeometry {
    double w = 0.0;
    double h = 0.0;
    double second = 0.0; // H2, C or G as the topology reads it; unused otherwise
    double t = 0.0;
    double er = 1.0;
};

struct FieldLineResult {
    bool valid = false;
    double z0 = 0.0;
    double erEff = 0.0;
    double capacitancePfPerMetre = 0.0;
    double inductanceNhPerMetre = 0.0;
    double psPerInch = 0.0;
    double psPerCentimetre = 0.0;
};

FieldLineResult FieldSolveLine(LineTopology topology, const LineGeometry &geometry,
                               const FieldSolverOptions &options = {});

struct PairGeometry {
    double w = 0.0;
    double s = 0.0;
    double h = 0.0;
    double h2 = 0.0; // the second height of the two arrangements that have one
    double t = 0.0;
    double er = 1.0;
};

struct FieldPairResult {
    bool valid = false;
    double zodd = 0.0;
    double zdiff = 0.0; // 2 Zodd
    double erEffOdd = 0.0;
    // A pair without planes has no even mode; these stay at zero then.
    bool hasEvenMode = false;
    double zeven = 0.0;
    double zcommon = 0.0; // Zeven / 2
    double erEffEven = 0.0;
};

FieldPairResult FieldSolvePair(PairArrangement arrangement, const PairGeometry &geometry,
                               const FieldSolverOptions &options = {});

} // namespace tw::lines
