#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

#include <QPushButton>

namespace tw {

struct Context;
class ErEffectivePicture;

// Effective dielectric constant of a surface microstrip at a frequency, with a hand-over of the
// frequency and the result to the wavelength calculator.
class ErEffectiveCalculator final : public Calculator {
public:
    ErEffectiveCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox43; }
    void compute() override { CalcErEffective(); }
    void configureTrailing() override;
    void prepareRecalculation() override;
    void declareUnits(UnitSwitch &units) override { units_.declareTo(units); }

    void CalcErEffective();
    void Button5Click();
    // The wavelength calculator hands over a frequency in MHz, written with the active separator.
    void receiveFromWavelength(const QString &frequencyMHz);

    QGroupBox *GroupBox43;
    QLabel *Label60;
    Edit *Edit25;
    Edit *Edit222;
    QLabel *Label79;
    Edit *Edit46;
    Edit *Edit223;
    QLabel *Label262;
    Edit *Edit224;
    QLabel *Label109;
    Edit *Edit221;
    QPushButton *Button5;
    LinkLabel *Label113;
    ErEffectivePicture *Image56;
    QLabel *Label81;
    QLabel *Label263;
    QLabel *Label264;
    QLabel *Label265;

private:
    bool manualCopperOn() const;

    Context &context_;
    UnitEntries units_;
};

} // namespace tw
