#pragma once

#include "ui/controls.h"
#include "ui/materials.h"

#include <QPushButton>

namespace tw {

struct Context;

// How one calculator sets the fields of the options panel.
struct OptionsEnables {
    enum class Plating { Disabled, Enabled, Keep };
    bool material = false;
    bool er = false;
    bool tg = false;
    bool rise = false;
    bool ambient = false;
    bool manualCopper = false;
    Plating plating = Plating::Disabled;
    bool baseCopper = false;
    bool planeEnabled = false;
    bool planeShown = true;
    bool layer = false;
};

// The shared options panel: temperatures, substrate, copper weights and the layer selector.
class OptionsPanel {
public:
    OptionsPanel(QWidget *parent, Context &context);

    QGroupBox *widget() const { return GroupBox2; }

    // Validate and store the temperature rise and the ambient temperature, correcting an entry
    // outside its limits after a message.
    void CheckTempRise();
    void CheckAmbientTemp();
    // The conductor temperature and its lines in the information panel.
    void UpdateConductorTemp(QLabel *celsius, QLabel *fahrenheit);

    void ComboBox1Change();
    void Edit7Click();
    void Edit66Click();
    void Edit7Exit();
    void Edit66Exit();

    // Thickness of the base copper and of the plating, in mils or mm, from the selections or
    // from the boxes typed by hand while those are shown.
    double baseCopperThickness(UnitSystem units) const;
    double platingThickness(UnitSystem units) const;

    void reloadCopperLists(UnitSystem units);
    void applyEnables(const OptionsEnables &enables);
    void showManualCopper(bool manual);
    bool manualCopperShown() const { return manualShown_; }
    void setManualCopperEnabled(bool base, bool plating);
    void presetManualCopper(UnitSystem units);
    void declareUnits(UnitSwitch &units);

    QGroupBox *GroupBox2;
    QGroupBox *GroupBox3;
    Edit *Edit1;
    UpDown *UpDown1;
    QProgressBar *ProgressBar1;
    QLabel *Label1;
    QLabel *Label2;
    QGroupBox *GroupBox4;
    Edit *Edit2;
    UpDown *UpDown2;
    QProgressBar *ProgressBar2;
    QLabel *Label3;
    QLabel *Label4;
    QGroupBox *GroupBox9;
    QLabel *Label35;
    ComboBox *ComboBox1;
    QLabel *Label36;
    Edit *Edit7;
    QLabel *Label9;
    Edit *Edit66;
    RadioGroup *RadioGroup4;
    RadioGroup *RadioGroup1;
    RadioGroup *RadioGroup5;
    QGroupBox *GroupBox31;
    Edit *Edit136;
    Edit *Edit137;
    QGroupBox *GroupBox32;
    Edit *Edit138;
    Edit *Edit139;
    RadioGroup *RadioGroup3;
    QWidget *Panel2;
    QPushButton *Button1;
    QPushButton *Button2;
    QLabel *Label29;
    QProgressBar *ProgressBar3;

private:
    void restoreStandardMaterial();
    double manualThickness(Edit *box, UnitSystem units) const;

    Context &context_;
    bool manualShown_ = false;
};

// Whole degrees for a bar, limited so that no value overflows the conversion.
int barDegrees(double value);

} // namespace tw
