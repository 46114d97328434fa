#pragma once

#include "calc/general/embedded_resistor_picture_panel.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

#include <array>

namespace tw {

struct Context;

// Resistors printed in the board: a rectangle of film (two processes) or a ring around a hole.
class EmbeddedResistorCalculator final : public Calculator {
public:
    EmbeddedResistorCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox34; }
    void compute() override { CalcEmbeddedResistors(); }
    void declareUnits(UnitSwitch &units) override { units_.declareTo(units); }

    void CalcEmbeddedResistors();
    void RadioGroup11Click();

    QGroupBox *GroupBox34;
    RadioGroup *RadioGroup11;
    QLabel *Label250;
    Edit *Edit154;
    QLabel *Label251;
    Edit *Edit157;
    Edit *Edit164;
    QLabel *Label252;
    Edit *Edit158;
    Edit *Edit165;
    QLabel *Label253;
    Edit *Edit161;
    QLabel *Label254;
    Edit *Edit162;
    QLabel *Label255;
    Edit *Edit163;
    QFrame *Shape3;
    QLabel *Label247;
    QFrame *Shape4;
    QLabel *Label248;
    QFrame *Shape5;
    QLabel *Label249;
    ResistorPicture *Image25;
    ResistorPicture *Image26;
    ResistorPicture *Image27;
    QLabel *Label256;

private:
    bool annular() const { return RadioGroup11->itemIndex() == 2; }

    Context &context_;
    UnitEntries units_;
    std::array<ResistorPicture *, 3> pictures_{};
};

} // namespace tw
