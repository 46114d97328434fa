#pragma once

#include "calc/general/wavelength.h"
#include "ui/calculator.h"
#include "ui/controls.h"

#include <QPushButton>

class QSlider;

namespace tw {

struct Context;

// Wavelength, or a fraction of it, in a dielectric from a period or a frequency.
class WavelengthCalculator final : public Calculator {
public:
    WavelengthCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox22; }
    void compute() override { CalcWavelength(); }

    void CalcWavelength();
    void RadioGroup22Click();
    void RadioGroup21Click();
    void TrackBar4Change();
    void Button4Click();
    // The Er Effective calculator hands over a frequency in MHz and an Er effective, as texts
    // of its boxes; they are read as a frequency in MHz whatever the input method was.
    void receiveFromErEffective(const QString &frequencyMHz, const QString &erEffective);

    QGroupBox *GroupBox22;
    RadioGroup *RadioGroup22;
    RadioGroup *RadioGroup21;
    QLabel *Label220;
    Edit *Edit103;
    Edit *Edit280;
    QLabel *Label117;
    Edit *Edit150;
    QLabel *Label163;
    QLabel *Label221;
    QSlider *TrackBar4;
    QLabel *Label222;
    QLabel *Edit104Caption; // no name of its own in the designed window
    Edit *Edit104;
    QPushButton *Button4;
    LinkLabel *Label160;
    LinkLabel *Label33;
    LinkLabel *Label164;

private:
    // The unit the signal box is read in, from the input method and the unit selection.
    wavelength::SignalUnit signalUnit() const;
    // Captions, unit list and hints of the input method, without recalculating.
    void showInputMethod();
    void showUnit();

    Context &context_;
};

} // namespace tw
