#pragma once

#include "ui/options_panel.h"

#include <QStringList>

#include <array>

namespace tw {

inline constexpr int CalculatorCount = 20;

// The information value labels a calculator does not fill.
enum InfoLabel : unsigned {
    Label56 = 1u << 0,
    Label110 = 1u << 1,
    Label285 = 1u << 2,
    Label72 = 1u << 3,
    Label27 = 1u << 4,
    Label28 = 1u << 5,
    Label320 = 1u << 6,
    AllSix = Label56 | Label110 | Label285 | Label72 | Label27 | Label28,
};

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

} // namespace tw
