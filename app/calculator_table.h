#pragma once

#include "ui/calculator.h"
#include "ui/info_panel.h"
#include "ui/options_panel.h"

#include <QStringList>

#include <array>
#include <memory>

namespace tw {

inline constexpr int CalculatorCount = 20;

struct LayerSelector {
    const char *caption;
    QStringList items;
    int preset; // -1: nothing selected
    bool enlarged;
    bool enabled;
};

struct CalculatorRow {
    int index;
    const char *tabCaption;
    const char *menuItem;
    const char *menuCaption;
    const char *groupBox;
    const char *groupCaption;
    const char *label55;
    unsigned notApplicable;
    bool unitsEnabled;
    OptionsEnables options;
    bool viaCount;
    LayerSelector layer;
};

const std::array<CalculatorRow, CalculatorCount> &calculatorTable();

// Which manual copper boxes a calculator enables while copper is entered by hand. The option
// leaves the options panel of the calculators from tab 13 on alone.
struct ManualCopperEnables {
    bool base;
    bool plating;
};
bool manualCopperApplies(int tab);
ManualCopperEnables manualCopperEnables(int tab, int layerIndex);

struct Context;

// The calculator of one row of the calculator table; the rows not built yet get an empty one.
std::unique_ptr<Calculator> createCalculator(int index, QWidget *parent, Context &context);

} // namespace tw
