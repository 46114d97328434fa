#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

namespace tw {

struct Context;

// A plane pair: target impedance of a supply rail, plate capacitance and its reactance. The
// dielectric is the base material of the options panel.
class PlaneCalculator final : public Calculator {
public:
    PlaneCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox23; }
    void compute() override { CalcPlane(); }
    void configureTrailing() override;
    void declareUnits(UnitSwitch &units) override { units_.declareTo(units); }

    void CalcPlane();
    void CheckBox4Click();

    QGroupBox *GroupBox23;
    QGroupBox *GroupBox44;
    QGroupBox *SupplyVoltageGroup;
    QLabel *Label223;
    Edit *Edit105;
    Edit *Edit111;
    QGroupBox *SupplyCurrentGroup;
    QLabel *Label226;
    Edit *Edit108;
    Edit *Edit112;
    QLabel *Label228;
    Edit *Edit110;
    UpDown *UpDown5;
    Edit *Edit113;
    QGroupBox *NoiseMarginGroup;
    QLabel *Label224;
    Edit *Edit106;
    UpDown *UpDown3;
    Edit *Edit115;
    QLabel *Label225;
    Edit *Edit107;
    UpDown *UpDown4;
    Edit *Edit114;
    QLabel *Label227;
    Edit *Edit109;
    QGroupBox *GroupBox45;
    QLabel *Label287;
    Edit *Edit228;
    Edit *Edit231;
    QLabel *Label291;
    Edit *Edit229;
    Edit *Edit232;
    QLabel *Label294;
    Edit *Edit234;
    Edit *Edit233;
    CheckBox *CheckBox4;
    QLabel *Label292;
    Edit *Edit230;
    QLabel *Label295;
    Edit *Edit235;

private:
    Context &context_;
    UnitEntries units_;
};

} // namespace tw
