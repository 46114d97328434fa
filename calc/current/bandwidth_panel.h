#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"

class QSlider;

namespace tw {

struct Context;

// Bandwidth and maximum conductor length: from a risetime or a frequency, the bandwidth, the
// wavelength in air, the propagation speed and the longest lumped conductor by the rise-distance
// and the frequency-domain rules.
class BandwidthCalculator final : public Calculator {
public:
    BandwidthCalculator(QWidget *parent, Context &context);

    QGroupBox *groupBox() const override { return GroupBox6; }
    void compute() override { CalcBandwidth(); }
    void configureTrailing() override;

    void RadioGroup12Click();
    void RadioGroup20Click();
    void CalcBandwidth();

    QGroupBox *GroupBox6;
    RadioGroup *RadioGroup12;
    RadioGroup *RadioGroup20;
    QLabel *Label30;
    Edit *Edit19;
    Edit *Edit279;
    Edit *Edit43;
    LinkLabel *Label124;

    QGroupBox *GroupBox41;
    Edit *Edit22;
    TrackBar *SrDivisor;
    QSlider *TrackBar2;
    Edit *Edit44;
    Edit *Edit24;

    QGroupBox *GroupBox42;
    Edit *Edit23;
    TrackBar *WavelengthDivisor;
    QSlider *TrackBar3;
    Edit *Edit47;
    Edit *Edit45;

private:
    bool frequencyInput() const { return RadioGroup12->itemIndex() == 1; }

    Context &context_;
};

} // namespace tw
