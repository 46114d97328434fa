#pragma once

// Reference tables of the padstack calculator, as the texts it shows.
// References:
//  1. IPC-7351A, land pattern standard, table of BGA lands: nominal solder-ball diameter to
//     nominal land diameter and land variation (always in mm).
//  2. Standard tooling hole 0.125 in and the clearance holes of number 2 to 10 machine screws
//     (0.106, 0.136, 0.156, 0.185 and 0.209 in); metric drills are the inch values x 25.4.
//  3. The usual thermal-relief spoke widths by finished hole, 6 to 25 mils (0.1524 to 0.635 mm).

#include <array>

namespace tw::padstack {

struct BgaLand {
    const char *ball;
    const char *land;
    const char *variation;
};

inline constexpr int kBgaLands = 13;
const std::array<BgaLand, kBgaLands> &bgaLands();

struct HoleType {
    const char *item;
    const char *drillImperial;
    const char *drillMetric;
    bool plated; // a plated hole leaves the pad style to the user
};

inline constexpr int kHoleTypes = 7;
const std::array<HoleType, kHoleTypes> &holeTypes();

// The spoke width of the thermal relief for a finished hole in mils or mm; always with a point.
const char *spokeWidth(double drill, bool metric);

} // namespace tw::padstack
