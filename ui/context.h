#pragma once

#include "ui/number_text.h"
#include "ui/units.h"

#include <functional>

namespace tw {

class Calculator;
class Desktop;
class InfoPanel;
class Messages;
class OptionsPanel;

// The Program Options that steer the current-capacity models, as the calculators read them.
class CurrentModelOptions {
public:
    virtual ~CurrentModelOptions() = default;
    // 0 IPC-2152 with modifiers, 1 IPC-2152 without modifiers, 2 IPC-2221.
    virtual int currentRuleSet() const = 0;
    // 0 etch factor 1:1, 1 none.
    virtual int etchFactor() const = 0;
    virtual bool manualCopperWeight() const = 0;
    virtual bool viaHeightDisabled() const = 0;
};

// State and services shared by the window and every calculator.
struct Context {
    // Temperatures in degrees Celsius, refreshed at the start of every recalculation.
    double TempRise = 0;
    double AmbientTemp = 0;
    double ConductorTemp = 0;
    double MaterialTemp = 0;
    // Base-material factor of the current-capacity models; 0 until a material is applied.
    double MaterialModifier = 0;
    DecimalMode decimalMode = DecimalMode::Point;

    Messages *messages = nullptr;
    // Web links, documents and outside programs.
    Desktop *desktop = nullptr;
    OptionsPanel *options = nullptr;
    // The information panel with the via count and the shared result lines.
    InfoPanel *info = nullptr;
    const CurrentModelOptions *programOptions = nullptr;

    std::function<UnitSystem()> unitSystem;
    std::function<int()> activeCalculator;
    std::function<int()> tabIndex;
    // The one recalculation entry.
    std::function<void()> recalculate;
    // Opens the Program Options dialog without waiting for it.
    std::function<void()> showProgramOptions;
    // Shows another calculator the way its tab does, recalculation included.
    std::function<void(int)> selectCalculator;
    // The calculator of an index, so one calculator can hand values to the named method of
    // another without touching its widgets.
    std::function<Calculator *(int)> calculatorAt;
    // Enables or disables the unit selector while a calculator is shown.
    std::function<void(bool)> enableUnitSwitch;

    // Field solutions run off the GUI thread and arrive later; false (batch runs) solves them
    // inside the recalculation, so its results are complete when it returns.
    bool solveInBackground = true;

    bool metric() const { return unitSystem && unitSystem() == UnitSystem::Metric; }
    double parse(const QString &text) const { return parseNumber(text, decimalMode); }
};

} // namespace tw
