#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"

namespace tw {

struct Context;

// Frequency tolerance: PPM to hertz and hertz to PPM, both on every recalculation.
class PpmCalculator final : public Calculator {
public:
    PpmCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox36; }
    void compute() override { CalcPPM(); }
    void CalcPPM();

    QGroupBox *GroupBox36;
    QGroupBox *GroupBox37;
    QGroupBox *GroupBox38;
    Edit *Edit170;
    Edit *Edit171;
    Edit *Edit172;
    Edit *Edit173;
    Edit *Edit180;
    Edit *Edit181;
    Edit *Edit182;
    Edit *Edit183;
    Edit *Edit184;

private:
    Context &context_;
};

} // namespace tw
