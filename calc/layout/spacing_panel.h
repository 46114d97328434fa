#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

#include <array>

namespace tw {

struct Context;
class SpacingPicture;

// Minimum clearance between conductors by voltage band and board condition, and per volt above
// 500 V.
class SpacingCalculator final : public Calculator {
public:
    SpacingCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox13; }
    void compute() override { CalcConductorSpacing(); }
    void declareUnits(UnitSwitch &units) override { units_.declareTo(units); }

    void CalcConductorSpacing();
    void RadioGroup9Click();
    void RadioGroup10Click();

    QGroupBox *GroupBox13;
    RadioGroup *RadioGroup9;
    RadioGroup *RadioGroup10;
    QLabel *Label21;
    Edit *Edit79;
    QLabel *Label97;
    Edit *Edit51;
    QLabel *Label90;
    QLabel *Label91;
    QLabel *Label92;
    QLabel *Label93;
    QLabel *Label94;
    QLabel *Label95;
    QLabel *Label96;
    LinkLabel *Label158;
    QLabel *Label168;
    SpacingPicture *Image37;
    SpacingPicture *Image38;
    SpacingPicture *Image39;
    SpacingPicture *Image40;
    SpacingPicture *Image41;
    SpacingPicture *Image42;

private:
    // The picture of each device type, B1 to A7.
    std::array<SpacingPicture *, 7> pictures_{};
    Context &context_;
    UnitEntries units_;
};

} // namespace tw
