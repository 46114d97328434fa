#include "calc/layout/padstack_tables.h"

namespace tw::padstack {

namespace {

constexpr std::array<BgaLand, kBgaLands> kBgaLandTable{{
    {"0.75 mm", "0.55 mm", "0.60 mm - 0.50 mm"},
    {"0.65 mm", "0.50 mm", "0.55 mm - 0.45 mm"},
    {"0.60 mm", "0.45 mm", "0.50 mm - 0.40 mm"},
    {"0.55 mm", "0.40 mm", "0.45 mm - 0.35 mm"},
    {"0.50 mm", "0.40 mm", "0.45 mm - 0.35 mm"},
    {"0.45 mm", "0.35 mm", "0.40 mm - 0.30 mm"},
    {"0.40 mm", "0.30 mm", "0.35 mm - 0.25 mm"},
    {"0.35 mm", "0.30 mm", "0.35 mm - 0.25 mm"},
    {"0.30 mm", "0.25 mm", "0.25 mm - 0.20 mm"},
    {"0.25 mm", "0.20 mm", "0.20 mm - 0.17 mm"},
    {"0.20 mm", "0.17 mm", "0.20 mm - 0.14 mm"},
    {"0.17 mm", "0.15 mm", "0.18 mm - 0.12 mm"},
    {"0.15 mm", "0.13 mm", "0.15 mm - 0.10 mm"},
}};

constexpr std::array<HoleType, kHoleTypes> kHoleTypeTable{{
    {"Custom", "32", "0.8128", true},
    {"Std Tooling", "125", "3.175", false},
    {"NP MTG #2", "106", "2.6924", false},
    {"NP MTG #4", "136", "3.4544", false},
    {"NP MTG #6", "156", "3.9624", false},
    {"NP MTG #8", "185", "4.699", false},
    {"NP MTG #10", "209", "5.3086", false},
}};

struct SpokeRow {
    double upToImperial; // mils, inclusive
    double upToMetric;   // mm, inclusive
    const char *imperial;
    const char *metric;
};

constexpr std::array<SpokeRow, 5> kSpokes{{
    {14, 0.3556, "6 mils", "0.1524 mm"},
    {22, 0.5588, "8 mils", "0.2032 mm"},
    {45, 1.143, "10 mils", "0.254 mm"},
    {65, 1.651, "15 mils", "0.381 mm"},
    {124, 3.1496, "20 mils", "0.508 mm"},
}};

} // namespace

const std::array<BgaLand, kBgaLands> &bgaLands()
{
    return kBgaLandTable;
}

const std::array<HoleType, kHoleTypes> &holeTypes()
{
    return kHoleTypeTable;
}

const char *spokeWidth(double drill, bool metric)
{
    for (const SpokeRow &row : kSpokes)
        if (drill <= (metric ? row.upToMetric : row.upToImperial))
            return metric ? row.metric : row.imperial;
    return metric ? "0.635 mm" : "25 mils";
}

} // namespace tw::padstack
