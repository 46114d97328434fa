#pragma once

// Copper current capacity of vias and conductors.
// References:
//  1. IPC-2221 conductor sizing relation: I = k * dT^0.44 * A^0.725, A in square mils,
//     k = 0.048 for external and 0.024 for internal conductors.
//  2. IPC-2152 charts: cross-section and temperature-rise factors, board-thickness and
//     nearby-plane modifiers, base-material factor.
//  3. Annealed copper resistivity, 1.724e-8 ohm m at 20 C, temperature coefficient 0.00393 / C.
//  4. Cross-section of an etched conductor with a 1:1 etch factor (trapezoid of base W and top
//     W - 2t).

namespace tw::current {

// Indices match the Program Options and options-panel radio groups.
enum class RuleSet { Ipc2152WithModifiers = 0, Ipc2152WithoutModifiers = 1, Ipc2221 = 2 };
enum class Layer { Internal = 0, External = 1 };
enum class EtchFactor { OneToOne = 0, None = 1 };
enum class PlaneWeight { HalfOrOneOunce = 0, TwoOunce = 1 };

inline constexpr double internalCoefficient = 0.024;
inline constexpr double externalCoefficient = 0.048;
inline constexpr double tempRiseExponent = 0.44;
inline constexpr double areaExponent = 0.725;

// The power law and the resistance take square mils in both unit systems; metric areas are
// scaled by this rounded factor.
inline constexpr double sqMilsPerSqMm = 1550.0;

// "IPC-2152 with modifiers mode", ...
const char *ruleSetModeText(RuleSet ruleSet);

// k of the power law. Vias always use the internal coefficient.
double relationCoefficient(RuleSet ruleSet, Layer layer);

double baseCurrent(double k, double tempRise, double areaSqMils);
double areaForCurrent(double k, double tempRise, double current); // square mils
double sqMmToSqMils(double areaSqMm);
double sqMilsToSqMm(double areaSqMils);

// Chart factor by temperature rise (row) and cross-section (band); bands include their lower
// bound. The metric bands are the same copper areas expressed in mm^2.
double LookupChartModifier(double tempRise, double crossSectionSqMils);
double LookupChartModifierMetric(double tempRise, double crossSectionSqMm);

// Board thickness for conductors, via length for vias.
double thicknessModifier(double thicknessMils);
double thicknessModifierMetric(double thicknessMm);

double planeModifier(PlaneWeight weight, double distanceMils);
double planeModifierMetric(PlaneWeight weight, double distanceMm);

struct ViaModifiers {
    double chart = 1.0;
    double height = 1.0;
    double material = 1.0;
    bool ignoreHeight = false; // "Disable Via Height for via current"
};

// Rule set 0 applies the modifiers; rule sets 1 and 2 are the bare relation with k = 0.024.
double viaCurrent(RuleSet ruleSet, double tempRise, double areaSqMils, const ViaModifiers &mods);

struct ConductorModifiers {
    double chart = 1.0;
    double thickness = 1.0;
    double plane = 1.0;
    double material = 1.0;
    double parallelCount = 1.0; // areaSqMils is then the total over all conductors
};

// Current per conductor. Rule set 0 applies the modifiers and shares the current of the total
// cross-section among the parallel conductors; rule sets 1 and 2 are the bare relation with
// the layer's coefficient (they have no parallel conductors).
double conductorCurrent(RuleSet ruleSet, Layer layer, double tempRise, double areaSqMils,
                        const ConductorModifiers &mods);

// Width and thickness in one unit; the area is in that unit squared.
double conductorCrossSection(EtchFactor etch, double width, double thickness, double count = 1.0);
double conductorWidth(EtchFactor etch, double crossSection, double thickness);

// Ohm per length unit over square mils at the given conductor temperature (C): imperial for a
// length in mils, metric for a length in mm.
double resistivity(double conductorTemp);
double resistivityMetric(double conductorTemp);
double resistance(double resistivity, double length, double areaSqMils);

double powerDissipation(double current, double resistance); // watts
double voltageDrop(double current, double resistance);      // volts
double powerDbm(double watts);

} // namespace tw::current
