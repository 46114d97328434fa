#pragma once

#include "ui/units.h"

#include <QStringList>

namespace tw {

struct Material {
    const char *name;
    const char *er; // with a point; nullptr for "Custom", which changes nothing
    const char *tg; // "N/A" switches the material-temperature warning off
    double modifier;
};

inline constexpr int MaterialCount = 43;
inline constexpr int CustomMaterial = 42;
inline constexpr int AirMaterial = 41;

const Material &material(int index);
QStringList materialNames();

enum class CopperGroup { Base, Plating };

// Thickness of a copper-weight selection in mils (imperial) or mm (metric); 0 for an index
// outside the table.
double copperThickness(CopperGroup group, int index, UnitSystem units);

QStringList baseCopperItems(UnitSystem units);
QStringList platingItems(UnitSystem units);
QStringList planeItems(UnitSystem units);
QStringList designedBaseCopperItems();
QStringList designedPlatingItems();
QStringList designedPlaneItems();

} // namespace tw
