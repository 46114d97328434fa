#include "ui/materials.h"

#include <array>

namespace tw {

namespace {

// RO4350 keeps its constant in both decimal modes: a material does not change with the
// separator the user writes.
constexpr std::array<Material, MaterialCount> materials{{
    {"FR-4 STD", "4.6", "130", 0.98},      {"FR-5", "4.3", "170", 0.98},
    {"FR406", "4.6", "170", 0.98},         {"FR408", "3.8", "180", 0.98},
    {"Getek ML200C", "3.8", "175", 0.98},  {"Getek ML200D", "3.9", "175", 0.98},
    {"Getek ML200M", "3.8", "175", 0.98},  {"Getek RG200D", "4.2", "175", 0.98},
    {"Isola P95", "3.78", "260", 1.0},     {"Isola P96", "3.78", "260", 1.0},
    {"Isola P26N", "3.9", "250", 1.0},     {"RO2800", "2.94", "N/A", 1.0},
    {"RO3003", "3.0", "N/A", 1.0},         {"RO3006", "6.15", "N/A", 1.0},
    {"RO3010", "10.2", "N/A", 1.0},        {"RO4003", "3.38", "280", 1.0},
    {"RO4350", "3.66", "280", 1.0},        {"RT5500", "2.5", "260", 1.0},
    {"RT5870", "2.35", "260", 1.0},        {"RT5880", "2.2", "260", 1.0},
    {"RT6002", "2.94", "N/A", 1.0},        {"RT6006", "6.15", "N/A", 1.0},
    {"RT6010", "10.2", "N/A", 1.0},        {"Teflon PTFE", "2.1", "240", 1.0},
    {"Arlon 25N", "3.38", "260", 1.0},     {"Arlon 33N", "4.25", "250", 1.0},
    {"Arlon 85N", "4.2", "250", 1.0},      {"PCL-FR-226", "4.5", "140", 0.98},
    {"PCL-FR-240", "4.5", "140", 0.98},    {"PCL-FR-370", "4.5", "175", 0.98},
    {"PCL-FR-370HR", "4.6", "180", 0.98},  {"N4000-7 EF", "4.1", "165", 0.98},
    {"N4000-13", "3.7", "210", 0.98},      {"N4000-13SI", "3.4", "210", 0.98},
    {"N4000-13 EP", "3.7", "210", 0.98},   {"N4000-13 EPSI", "3.4", "210", 0.98},
    {"N4000-29", "4.5", "185", 0.98},      {"N7000-1", "3.9", "260", 1.0},
    {"Ventec VT-47", "4.6", "180", 0.98},  {"Ventec VT-901", "4.15", "250", 1.0},
    {"Ventec VT-90H", "4.15", "250", 1.0}, {"Air", "1", "N/A", 1.0},
    {"Custom", nullptr, nullptr, 0.0},
}};

constexpr std::array<double, 9> baseMils{0.35, 0.7, 1.4, 2.1, 2.8, 3.5, 4.2, 5.6, 7.0};
constexpr std::array<double, 9> baseMm{0.009, 0.018, 0.035, 0.053, 0.07,
                                       0.088, 0.106, 0.142, 0.178};
constexpr std::array<double, 7> platingMils{0, 0.7, 1.4, 2.1, 2.8, 3.5, 4.2};
constexpr std::array<double, 7> platingMm{0, 0.018, 0.035, 0.053, 0.07, 0.088, 0.106};

template <std::size_t N> double at(const std::array<double, N> &table, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? table[static_cast<std::size_t>(index)] : 0.0;
}

} // namespace

const Material &material(int index)
{
    return materials.at(static_cast<std::size_t>(index));
}

QStringList materialNames()
{
    QStringList names;
    for (const Material &m : materials)
        names << QString::fromUtf8(m.name);
    return names;
}

double copperThickness(CopperGroup group, int index, UnitSystem units)
{
    const bool metric = units == UnitSystem::Metric;
    if (group == CopperGroup::Base)
        return metric ? at(baseMm, index) : at(baseMils, index);
    return metric ? at(platingMm, index) : at(platingMils, index);
}

QStringList designedBaseCopperItems()
{
    return {"0.25oz", "0.5oz", "1oz", "1.5oz", "2oz", "2.5oz", "3oz", "4oz", "5oz"};
}

QStringList designedPlatingItems()
{
    return {"Bare PCB", "0.5oz", "1oz", "1.5oz", "2oz", "2.5oz", "3oz"};
}

QStringList designedPlaneItems()
{
    return {"0.5oz / 1oz", "2oz"};
}

QStringList baseCopperItems(UnitSystem units)
{
    if (units == UnitSystem::Imperial)
        return designedBaseCopperItems();
    return {"9um", "18um", "35um", "53um", "70um", "88um", "106um", "142um", "178um"};
}

QStringList platingItems(UnitSystem units)
{
    if (units == UnitSystem::Imperial)
        return designedPlatingItems();
    return {"Bare PCB", "18um", "35um", "53um", "70um", "88um", "106um"};
}

QStringList planeItems(UnitSystem units)
{
    if (units == UnitSystem::Imperial)
        return {"1oz", "2oz"};
    return {"35um", "70um"};
}

} // namespace tw
