#pragma once

#include <QGroupBox>

namespace tw {

class UnitSwitch;

// One calculator of the window: its group box, its compute operation, its branch of the layer
// selector and its entries of the unit switch. The shell configures the shared panels from the
// calculator table; a calculator adds only what is its own.
class Calculator {
public:
    virtual ~Calculator() = default;

    virtual QGroupBox *groupBox() const = 0;
    // The compute operation: read the boxes, validate, call the model, write the results.
    virtual void compute() = 0;

    // Steps of the panel configuration that belong to the calculator: before the shared panels
    // are set, and after the layer selector has been loaded.
    virtual void configureLeading() {}
    virtual void configureTrailing() {}
    // The calculator's branch of the layer selector, run before the recalculation that ends it.
    virtual void layerSelected(int /*itemIndex*/) {}
    virtual void declareUnits(UnitSwitch & /*units*/) {}
    // Runs after the copper selections were reloaded by a unit switch.
    virtual void unitsSwitched() {}
    // Runs at the start of every recalculation, whichever calculator is active.
    virtual void prepareRecalculation() {}
    // The material-temperature warning colours the current results red.
    virtual void showMaterialWarning(bool /*exceeded*/) {}
    // Start-up writes the designed inputs again before the first recalculation.
    virtual void writeStartupDefaults() {}

    // Effects of the Program Options on the calculators that use the current-capacity models.
    virtual void applyIpcVersion(int /*version*/) {}
    virtual void applyEtchFactor(int /*etchFactor*/) {}
    virtual void enableSolveFor(bool /*enabled*/) {}
};

// A calculator not built yet: its group box with its caption, and nothing to compute.
class EmptyCalculator final : public Calculator {
public:
    EmptyCalculator(QWidget *parent, const QString &name, const QString &caption)
        : box_(new QGroupBox(caption, parent))
    {
        box_->setObjectName(name);
    }
    QGroupBox *groupBox() const override { return box_; }
    void compute() override {}

private:
    QGroupBox *box_;
};

} // namespace tw
