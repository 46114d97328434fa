#pragma once

#include "calc/layout/padstack.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

#include <array>

namespace tw {

struct Context;
class PadstackPicture;

// Pads around a drilled hole, BGA lands, conductors between pads and lands, and the drill for a
// rectangular pin: five types on one panel whose boxes change meaning with the type.
class PadstackCalculator final : public Calculator {
public:
    PadstackCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox10; }
    void compute() override { CalcPadstack(); }
    void configureTrailing() override;
    void declareUnits(UnitSwitch &units) override;

    void CalcPadstack();
    void RadioGroup14Click();
    void RadioGroup7Click();
    void ComboBox2Change();
    void ComboBox4Change();

    padstack::PadType type() const;

    QGroupBox *GroupBox10;
    RadioGroup *RadioGroup14;
    RadioGroup *RadioGroup7;
    QLabel *Label73;
    ComboBox *ComboBox2;
    QLabel *Label61;
    Edit *Edit33;
    Edit *Edit59;
    ComboBox *ComboBox4;
    QLabel *Label62;
    Edit *Edit34;
    Edit *Edit60;
    QLabel *Label63;
    Edit *Edit35;
    Edit *Edit61;
    QLabel *Label76;
    Edit *Edit211;
    Edit *Edit212;
    QLabel *Label174;
    Edit *Edit213;
    Edit *Edit214;
    QLabel *Label68;
    QLabel *Label70;
    Edit *Edit36;
    QLabel *Label67;
    QLabel *Label71;
    Edit *Edit37;
    QLabel *Label66;
    QLabel *Label69;
    Edit *Edit38;
    QLabel *Label65;
    Edit *Edit39;
    QLabel *Label64;
    Edit *Edit40;
    QLabel *Label175;
    QLabel *Label176;
    QLabel *Label177;
    QLabel *Label271;
    QLabel *Label272;
    QLabel *Label273;
    QLabel *Label274;
    QLabel *Memo3;
    PadstackPicture *Image5;
    PadstackPicture *Image12;
    PadstackPicture *Image45;
    PadstackPicture *Image10;
    PadstackPicture *Image48;

private:
    void buildTypeSelection(QWidget *area);
    void buildResults(class Form &form);
    void configureType(padstack::PadType type);
    void writeDefaults(padstack::PadType type);
    void applyPadStyle();
    void applyHoleType(int index);
    void showWarning(bool shown);
    void convertRetained(UnitSystem to);
    QString savedText(const QString &box) const;

    void calcThruHole(bool metric);
    void calcConductorPad(bool metric);
    void calcConductorPadBga(bool metric);
    void calcCornerToCorner(bool metric);

    Context &context_;
    UnitEntries units_;
    std::array<PadstackPicture *, 5> pictures_{};
    // What the thru-hole pad uses while its ring and isolation boxes show "N/A".
    double retainedRing_ = 0.0;
    double retainedIsolation_ = 0.0;
    // The plated ring and isolation, put back when the pad style returns to Plated.
    QString savedRing_;
    QString savedIsolation_;
    // The hole type whose drill and pad style are in place.
    int appliedHole_ = 0;
};

} // namespace tw
