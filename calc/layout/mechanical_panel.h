#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

class QPlainTextEdit;

namespace tw {

struct Context;

// Reference page: wire-gauge lookup with the power-transmission current, the drill chart and
// the screw threads of the unit system.
class MechanicalCalculator final : public Calculator {
public:
    MechanicalCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox11; }
    void compute() override { CalcMechanical(); }
    void declareUnits(UnitSwitch &units) override;

    void CalcMechanical();

    QGroupBox *GroupBox11;
    QGroupBox *GroupBox12;
    QLabel *Label74;
    ComboBox *ComboBox3;
    QLabel *Label75;
    Edit *Edit41;
    QLabel *Label200;
    Edit *Edit95;
    QLabel *Label201;
    Edit *Edit102;
    QLabel *Label99;
    Edit *Edit141;
    QGroupBox *GroupBox14;
    QLabel *Label202;
    QLabel *Label203;
    QLabel *Label204;
    QPlainTextEdit *Memo1;
    QGroupBox *GroupBox19;
    QLabel *Label217;
    QLabel *Label218;
    QLabel *Label219;
    QLabel *Label205;
    QLabel *Label206;
    QLabel *Label209;
    QLabel *Label207;
    QLabel *Label208;
    QLabel *Label213;
    QLabel *Label214;
    QLabel *Label215;
    QLabel *Label216;
    QPlainTextEdit *Memo2;
    QGroupBox *GroupBox46;
    QLabel *Label300;
    QLabel *Label296;
    QLabel *Label298;
    QLabel *Label299;
    QPlainTextEdit *Memo4;

private:
    void showThreads(UnitSystem units);

    Context &context_;
    UnitEntries units_;
    // The row last looked up; its diameter in the unit system shown feeds the current.
    int wireRow_ = -1;
};

} // namespace tw
