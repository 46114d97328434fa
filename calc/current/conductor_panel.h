#pragma once

#include "calc/current/conductor_picture_panel.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

#include <array>

class QToolButton;

namespace tw {

struct Context;

// Current capacity of a rectangular conductor, or the width for a given current, with its DC
// resistance, power, voltage drop and skin depth.
class ConductorCalculator final : public Calculator {
public:
    ConductorCalculator(QWidget *parent, Context &context);

    QGroupBox *groupBox() const override { return GroupBox5; }
    void compute() override { CalcConductorProperties(); }
    void configureLeading() override;
    void configureTrailing() override;
    void layerSelected(int itemIndex) override;
    void declareUnits(UnitSwitch &units) override;
    void unitsSwitched() override { swap_current_width_labels(); }
    void showMaterialWarning(bool exceeded) override;
    void applyIpcVersion(int version) override;
    void applyEtchFactor(int etchFactor) override;
    void enableSolveFor(bool enabled) override;

    void CalcConductorProperties();
    void RadioGroup2Click();
    void RadioGroup8Click() { swap_current_width_labels(); }
    void RadioGroup15Click();
    void CheckBox1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void swap_current_width_labels();

    // The picture of a layer (0 internal, 1 external), parallel and plane selection.
    ConductorPicture *picture(int layer, int parallel, int plane) const;

    QGroupBox *GroupBox5;
    QLabel *Label17;
    Edit *Edit15;
    Edit *Edit57;
    QLabel *Label22;
    Edit *Edit18;
    Edit *Edit58;
    QLabel *Label235;
    Edit *Edit126;
    Edit *Edit127;
    QLabel *Label236;
    Edit *Edit128;
    QLabel *Label238;
    Edit *Edit130;
    Edit *Edit131;
    CheckBox *CheckBox1;
    QLabel *Label37;
    Edit *Edit132;
    Edit *Edit133;
    RadioGroup *RadioGroup8;
    QToolButton *SpeedButton4;
    QToolButton *SpeedButton3;
    QLabel *Label339;
    QLabel *Label340;
    RadioGroup *RadioGroup15;
    RadioGroup *RadioGroup2;
    QLabel *Label18;
    Edit *Edit16;
    QLabel *Label19;
    Edit *Edit17;
    QLabel *Label25;
    Edit *Edit20;
    QLabel *Label59;
    Edit *Edit48;
    QLabel *Label98;
    Edit *Edit135;
    QLabel *Label20;
    Edit *Edit78;
    QLabel *Label237;
    Edit *Edit129;
    QLabel *Label239;
    Edit *Edit134;
    QLabel *Label243;
    QLabel *Label125;
    QLabel *Label126;
    ConductorPicture *Image51;
    ConductorPicture *Image52;
    ConductorPicture *Image54;
    ConductorPicture *Image53;
    ConductorPicture *Image49;
    ConductorPicture *Image15;
    ConductorPicture *Image50;
    ConductorPicture *Image3;

private:
    UnitEntries units_;
    void showPicture();
    void inform(const QString &text);
    // The options-panel plane weight counts only for the modifier rule set with a plane.
    bool planeWeightApplies() const;
    bool active() const;

    Context &context_;
    std::array<ConductorPicture *, 8> pictures_{};
    int layer_ = 1;
    bool correctingWidth_ = false;
};

} // namespace tw
