#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

namespace tw {

struct Context;

// Fusing current: the current at which a bare copper conductor of the options panel's copper
// thickness fuses after a given time.
class FusingCalculator final : public Calculator {
public:
    FusingCalculator(QWidget *parent, Context &context);

    QGroupBox *groupBox() const override { return GroupBox33; }
    void compute() override { CalcFusingCurrent(); }
    void declareUnits(UnitSwitch &units) override { units_.declareTo(units); }

    void CalcFusingCurrent();

    QGroupBox *GroupBox33;
    QLabel *Label241;
    Edit *Edit140;
    Edit *Edit155;
    QLabel *Label242;
    Edit *Edit153;
    Edit *Edit156;
    QLabel *Label245;
    Edit *Edit159;
    QLabel *Label244;
    Edit *Edit160;

private:
    Context &context_;
    UnitEntries units_;
};

} // namespace tw
