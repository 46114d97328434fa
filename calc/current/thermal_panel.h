#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"

namespace tw {

struct Context;

// Thermal management: the junction temperature of a device and the temperature reached with a
// heat sink, each from a thermal resistance, a power and the ambient temperature.
class ThermalCalculator final : public Calculator {
public:
    ThermalCalculator(QWidget *parent, Context &context);

    QGroupBox *groupBox() const override { return GroupBox27; }
    void compute() override { CalcThermal(); }

    void CalcThermal();

    QGroupBox *GroupBox27;
    QGroupBox *GroupBox28;
    Edit *Edit116;
    Edit *Edit118;
    Edit *Edit117;
    Edit *Edit120;
    Edit *Edit119;
    QGroupBox *GroupBox29;
    Edit *Edit121;
    Edit *Edit122;
    Edit *Edit124;
    Edit *Edit125;
    Edit *Edit123;

private:
    Context &context_;
};

} // namespace tw
