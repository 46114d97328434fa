#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"

namespace tw {

struct Context;

// Capacitive and inductive reactance at one frequency, and the resonance of the two parts.
class ReactanceCalculator final : public Calculator {
public:
    ReactanceCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox48; }
    void compute() override { CalcReactance(); }
    void CalcReactance();

    void RadioGroup17Click();
    void RadioGroup18Click();
    void RadioGroup19Click();

    QGroupBox *GroupBox48;
    Edit *Edit270;
    Edit *Edit278;
    RadioGroup *RadioGroup19;
    Edit *Edit271;
    Edit *Edit276;
    RadioGroup *RadioGroup17;
    Edit *Edit272;
    Edit *Edit277;
    RadioGroup *RadioGroup18;
    Edit *Edit273;
    Edit *Edit274;
    Edit *Edit275;

private:
    Context &context_;
};

} // namespace tw
