#pragma once

// Copper around a drilled hole and between pads. All lengths in one unit, mils or mm.
// References:
//  1. IPC-2221B, section 9.1: pad diameter = finished hole + 2 x minimum annular ring; the
//     thermal relief of a plane connection clears the pad by the isolation width all round.
//  2. Routing between two round pads at a pitch D: a conductor W with clearance S to each pad
//     leaves D - (2 S + W) for the pad; between BGA lands L at a pitch P it may be
//     P - L - 2 S wide.
//  3. A square or rectangular pin a x b needs a hole at least as wide as its diagonal
//     sqrt(a^2 + b^2); the drill range adds 2 to 11 mils (0.0508 to 0.2794 mm).

namespace tw::padstack {

// The five calculator types, in the order the type selector lists them.
enum class PadType { ThruHole, BgaLand, ConductorPad, ConductorPadBga, CornerToCorner };

// A plated hole: one pad for the external and internal signal layers, which is also the inner
// diameter of the thermal relief.
struct PlatedPad {
    double pad;
    double reliefOuter;
};
PlatedPad platedPad(double drill, double ring, double isolation);

// A non-plated hole: the bare hole, a pad around it and the plane clearance.
struct NonPlatedPad {
    double hole;
    double pad;
    double clearance;
};
NonPlatedPad nonPlatedPad(double drill, double ring, double isolation);

struct ConductorBetweenPads {
    double maxPad;
    double ring; // left around the hole by the largest pad
    // The largest pad is smaller than the hole with its minimum ring.
    bool padTooSmall;
};
ConductorBetweenPads conductorBetweenPads(double pitch, double width, double spacing, double hole,
                                          double minRing);

double conductorBetweenLands(double pitch, double land, double spacing);

struct CornerDrill {
    double diagonal;
    double minDrill;
    double maxDrill;
};
// Drills rounded to a whole mil, or to 0.001 mm, ties to the even neighbour.
CornerDrill cornerToCorner(double a, double b, bool metric);

} // namespace tw::padstack
