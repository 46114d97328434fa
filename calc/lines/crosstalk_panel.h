#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

namespace tw {

struct Context;
class CrosstalkPicture;

// Crosstalk coefficient and coupled voltage of two parallel conductors, microstrip or stripline.
class CrosstalkCalculator final : public Calculator {
public:
    CrosstalkCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox39; }
    void compute() override { CalcCrosstalk(); }
    void layerSelected(int itemIndex) override;
    void declareUnits(UnitSwitch &units) override { units_.declareTo(units); }

    void CalcCrosstalk();

    QGroupBox *GroupBox39;
    QLabel *Label146;
    Edit *Edit146;
    Edit *Edit147;
    QLabel *Label147;
    Edit *Edit148;
    Edit *Edit149;
    QLabel *Label148;
    Edit *Edit195;
    Edit *Edit196;
    QLabel *Label154;
    Edit *Edit203;
    Edit *Edit204;
    QLabel *Label149;
    Edit *Edit197;
    Edit *Edit198;
    QLabel *Label152;
    Edit *Edit199;
    Edit *Edit200;
    QLabel *Label153;
    Edit *Edit201;
    Edit *Edit202;
    QLabel *Label155;
    Edit *Edit205;
    QLabel *Label157;
    Edit *Edit207;
    CrosstalkPicture *Image29;
    CrosstalkPicture *Image30;

private:
    Context &context_;
    UnitEntries units_;
};

} // namespace tw
