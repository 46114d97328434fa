#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

class QToolButton;

namespace tw {

struct Context;

// Six small converters recalculated together: distance, temperature, decibels, complex
// numbers, angles, and links to reference charts.
class ConversionCalculator final : public Calculator {
public:
    ConversionCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox7; }
    void compute() override { CalcConversion(); }
    void declareUnits(UnitSwitch &units) override { units_.declareTo(units); }
    void prepareRecalculation() override;

    void CalcConversion();
    void CheckBox3Click();
    void CheckBox2Click();
    void SpeedButton2Click();

    QGroupBox *GroupBox7;
    QGroupBox *DistanceGroup;
    QLabel *Label183;
    Edit *Edit80;
    Edit *Edit82;
    Edit *Edit81;
    Edit *Edit83;
    Edit *Edit142;
    Edit *Edit144;
    Edit *Edit143;
    Edit *Edit145;
    QGroupBox *TemperatureGroup;
    QLabel *Label190;
    Edit *Edit85;
    Edit *Edit86;
    QLabel *Label189;
    Edit *Edit84;
    Edit *Edit87;
    QGroupBox *DecibelGroup;
    QLabel *Label258;
    Edit *Edit167;
    Edit *Edit168;
    QLabel *Label257;
    Edit *Edit166;
    Edit *Edit169;
    QLabel *Label118;
    Edit *Edit174;
    QLabel *Label119;
    Edit *Edit175;
    QLabel *Label122;
    Edit *Edit176;
    QLabel *Label123;
    Edit *Edit177;
    QGroupBox *GroupBox21;
    CheckBox *CheckBox3;
    QLabel *Label178;
    Edit *Edit215;
    QLabel *Label179;
    Edit *Edit216;
    QLabel *Label180;
    Edit *Edit217;
    QLabel *Label181;
    Edit *Edit218;
    QToolButton *SpeedButton2;
    QGroupBox *GroupBox40;
    CheckBox *CheckBox2;
    QLabel *Label184;
    Edit *Edit219;
    QLabel *Label185;
    Edit *Edit220;
    QGroupBox *GroupBox17;
    LinkLabel *Label186;
    LinkLabel *Label159;
    LinkLabel *Label286;

private:
    Context &context_;
    UnitEntries units_;
};

} // namespace tw
