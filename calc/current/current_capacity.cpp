#include "calc/current/current_capacity.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace tw::current {

namespace {

// Lower band bounds, largest first; a value below the last bound falls in the final band.
template <std::size_t N>
std::size_t bandIndex(const std::array<double, N> &lowerBounds, double value)
{
    std::size_t i = 0;
    while (i < N && value < lowerBounds[i])
        ++i;
    return i;
}

constexpr std::array<double, 16> chartBoundsSqMils = {700, 600, 500, 400, 300, 200, 100, 90,
                                                      80,  70,  60,  50,  40,  30,  20,  10};

// The square-mil bounds in mm^2 at the exact 0.0254^2 rather than rounded to four decimals,
// so that switching the display unit never moves a via into a neighbouring band.
constexpr double sqMmPerSqMil = 0.0254 * 0.0254;
constexpr std::array<double, 16> chartBoundsSqMm = [] {
    std::array<double, 16> mm{};
    for (std::size_t i = 0; i < mm.size(); ++i)
        mm[i] = chartBoundsSqMils[i] * sqMmPerSqMil;
    return mm;
}();

// Rows: dT <= 20, 20 < dT < 60, 60 <= dT < 100, dT >= 100. Not monotone; used as charted.
// clang-format off
constexpr std::array<std::array<double, 17>, 4> chart = {{
    {1.08, 1.11, 1.20, 1.17, 1.26, 1.35, 1.50, 1.55, 1.58, 1.65, 1.66, 1.68, 1.80, 1.85, 1.95, 2.28, 2.28},
    {1.21, 1.24, 1.28, 1.32, 1.37, 1.46, 1.62, 1.65, 1.69, 1.70, 1.73, 1.78, 1.81, 1.89, 2.00, 2.25, 2.25},
    {1.23, 1.26, 1.33, 1.35, 1.43, 1.51, 1.63, 1.68, 1.72, 1.74, 1.77, 1.82, 1.85, 1.85, 2.08, 2.23, 2.23},
    {1.32, 1.37, 1.44, 1.42, 1.49, 1.52, 1.69, 1.72, 1.83, 1.82, 1.83, 1.92, 2.07, 1.97, 2.03, 2.25, 2.25},
}};
// clang-format on

std::size_t chartRow(double tempRise)
{
    if (tempRise <= 20)
        return 0;
    if (tempRise < 60)
        return 1;
    if (tempRise < 100)
        return 2;
    return 3;
}

constexpr std::array<double, 10> thicknessBoundsMils = {100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
constexpr std::array<double, 10> thicknessBoundsMm = {2.54, 2.286, 2.032, 1.778, 1.524,
                                                      1.27, 1.016, 0.762, 0.508, 0.254};

constexpr std::array<double, 11> thicknessFactors = {1.3,  1.2,  1.1,  1.0,  0.95, 0.85,
                                                     0.75, 0.67, 0.58, 0.48, 0.4};

// The band of 100 and above is charted lower than the one below it.
constexpr std::array<std::array<double, 11>, 2> planeFactors = {{
    {1.20, 1.30, 1.33, 1.37, 1.39, 1.42, 1.45, 1.48, 1.52, 1.55, 1.59},
    {1.24, 1.34, 1.37, 1.41, 1.43, 1.46, 1.49, 1.52, 1.56, 1.59, 1.63},
}};

// Annealed copper at 20 C in ohm mil (length in mils over square mils).
constexpr double copperResistivityMils = 0.0006787;
// The same copper for a length in mm over square mils taken as mm^2 * 1550: 0.0254 * 1550
// mils per mm keeps metric and imperial resistances of one conductor equal.
constexpr double copperResistivityMm = copperResistivityMils * 0.0254 * sqMilsPerSqMm;
constexpr double copperTempCoefficient = 0.00393;

double atTemperature(double resistivityAt20, double conductorTemp)
{
    return resistivityAt20 * (1 + copperTempCoefficient * (conductorTemp - 20));
}

} // namespace

const char *ruleSetModeText(RuleSet ruleSet)
{
    switch (ruleSet) {
    case RuleSet::Ipc2152WithModifiers:
        return "IPC-2152 with modifiers mode";
    case RuleSet::Ipc2152WithoutModifiers:
        return "IPC-2152 without modifiers mode";
    case RuleSet::Ipc2221:
        break;
    }
    return "IPC-2221 mode";
}

double relationCoefficient(RuleSet ruleSet, Layer layer)
{
    return ruleSet == RuleSet::Ipc2221 && layer == Layer::External ? externalCoefficient
                                                                   : internalCoefficient;
}

double baseCurrent(double k, double tempRise, double areaSqMils)
{
    return k * std::pow(tempRise, tempRiseExponent) * std::pow(areaSqMils, areaExponent);
}

double areaForCurrent(double k, double tempRise, double current)
{
    return std::pow(current / (k * std::pow(tempRise, tempRiseExponent)), 1 / areaExponent);
}

double sqMmToSqMils(double areaSqMm)
{
    return areaSqMm * sqMilsPerSqMm;
}

double sqMilsToSqMm(double areaSqMils)
{
    return areaSqMils * (1 / sqMilsPerSqMm);
}

double LookupChartModifier(double tempRise, double crossSectionSqMils)
{
    return chart[chartRow(tempRise)][bandIndex(chartBoundsSqMils, crossSectionSqMils)];
}

double LookupChartModifierMetric(double tempRise, double crossSectionSqMm)
{
    return chart[chartRow(tempRise)][bandIndex(chartBoundsSqMm, crossSectionSqMm)];
}

double thicknessModifier(double thicknessMils)
{
    return thicknessFactors[bandIndex(thicknessBoundsMils, thicknessMils)];
}

double thicknessModifierMetric(double thicknessMm)
{
    return thicknessFactors[bandIndex(thicknessBoundsMm, thicknessMm)];
}

double planeModifier(PlaneWeight weight, double distanceMils)
{
    return planeFactors[static_cast<std::size_t>(weight)]
                       [bandIndex(thicknessBoundsMils, distanceMils)];
}

double planeModifierMetric(PlaneWeight weight, double distanceMm)
{
    return planeFactors[static_cast<std::size_t>(weight)][bandIndex(thicknessBoundsMm, distanceMm)];
}

double viaCurrent(RuleSet ruleSet, double tempRise, double areaSqMils, const ViaModifiers &mods)
{
    const double bare = baseCurrent(internalCoefficient, tempRise, areaSqMils);
    if (ruleSet != RuleSet::Ipc2152WithModifiers)
        return bare;
    const double withChart = bare * mods.chart;
    return (mods.ignoreHeight ? withChart : withChart * mods.height) * mods.material;
}

double conductorCurrent(RuleSet ruleSet, Layer layer, double tempRise, double areaSqMils,
                        const ConductorModifiers &mods)
{
    const double bare = baseCurrent(relationCoefficient(ruleSet, layer), tempRise, areaSqMils);
    if (ruleSet != RuleSet::Ipc2152WithModifiers)
        return bare;
    // The plane and material factors act on each conductor, after the share is taken.
    return bare * mods.chart * mods.thickness / mods.parallelCount * mods.plane * mods.material;
}

double conductorCrossSection(EtchFactor etch, double width, double thickness, double count)
{
    if (etch == EtchFactor::OneToOne)
        return (width - thickness) * count * thickness;
    return width * thickness * count;
}

double conductorWidth(EtchFactor etch, double crossSection, double thickness)
{
    if (etch == EtchFactor::OneToOne)
        return (thickness * thickness + crossSection) / thickness;
    return crossSection / thickness;
}

double resistivity(double conductorTemp)
{
    return atTemperature(copperResistivityMils, conductorTemp);
}

double resistivityMetric(double conductorTemp)
{
    return atTemperature(copperResistivityMm, conductorTemp);
}

double resistance(double resistivity, double length, double areaSqMils)
{
    return resistivity * length / areaSqMils;
}

double powerDissipation(double current, double resistance)
{
    return current * current * resistance;
}

double voltageDrop(double current, double resistance)
{
    return current * resistance;
}

double powerDbm(double watts)
{
    return 10 * std::log10(1000 * watts);
}

} // namespace tw::current
