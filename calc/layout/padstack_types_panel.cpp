#include "calc/layout/padstack_types_panel.h"

namespace tw::padstack {

namespace {

const std::array<TypeRow, 5> typeRows{{
    {{"Drill Diameter", "Annular Ring", "Isolation Width", "External Layers",
      "Internal Signal Layers", "Internal Plane Layers"},
     {"Enter the finished drill hole diameter.", "Enter the minimum annular ring for the padstack.",
      "Enter the desired isolation width for the thermal relief.",
      "Outer layer pad diameter for the given drill diameter.",
      "Internal signal layer pad diameter for the given drill diameter.",
      "Outer diameter of the thermal refief."},
     {{{"32", "0.8128"}, {}, {}, {}, {}}}},
    {{"Nominal Ball Diameter", nullptr, nullptr, "Nominal Land Diameter", "Land Variation",
      nullptr},
     {nullptr, nullptr, nullptr, "Nominal PCB Footprint land diameter.",
      "PCB Footprint land variation.", nullptr},
     {}},
    {{"Distance Between Pads", "Conductor Width", "Spacing Constriant", "Maximum Pad Diameter",
      "Calculated Annular Ring", nullptr},
     {"Enter the distance between the pads.",
      "Enter the desired conductor width to fit between pads.",
      "Enter the design spacing constraint, Pad - Conductor.",
      "Maximum pad diameter based on spacing constraints and desired conductor width.",
      "Calculated annular ring based on generated pad size minus entered finished hole "
      "diameter.",
      nullptr},
     {{{"100", "2.54"}, {"12", "0.3048"}, {"12", "0.3048"}, {"32", "0.8128"}, {"7", "0.1778"}}}},
    {{"Distance Between Lands", "Land Diameter", "Spacing Constriant", "Maximum Conductor Width",
      nullptr, nullptr},
     {"Enter the BGA land pitch.", "Enter the land diameter.",
      "Enter the design spacing constraint, Pad - Conductor.",
      "Maximum conductor width based on land size / spacing.", nullptr, nullptr},
     {{{"40", "1.00"}, {"13", "0.45"}, {"4", "0.1016"}, {}, {}}}},
    {{"Length of side a", "Length of side b", nullptr, "Distance Between Corners",
      "Suggested Min Drill", "Suggested Max Drill"},
     {"Enter the length of side a.", "Enter the length of side b.", nullptr,
      "Distance between the two corners of the pad / pin.",
      "Suggested minimum drill hole diameter.", "Suggested maximum drill hole diameter."},
     {{{"100", "2.54"}, {"100", "2.54"}, {}, {}, {}}}},
}};

} // namespace

const TypeRow &typeRow(PadType type)
{
    return typeRows.at(static_cast<std::size_t>(type));
}

} // namespace tw::padstack
