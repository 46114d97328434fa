#pragma once

#include "calc/current/via_picture_panel.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

namespace tw {

struct Context;

// Via Properties: barrel cross-section and current, parasitics, resistance, power and heat.
class ViaCalculator final : public Calculator {
public:
    ViaCalculator(QWidget *parent, Context &context);

    QGroupBox *groupBox() const override { return GroupBox1; }
    void compute() override { CalcViaProperties(); }
    void configureLeading() override;
    void layerSelected(int itemIndex) override;
    void declareUnits(UnitSwitch &units) override;
    void showMaterialWarning(bool exceeded) override;
    void writeStartupDefaults() override;
    void applyIpcVersion(int version) override;

    void CalcViaProperties();

    // The limits, messages and replacements of one unit system.
    struct Limits;

    QGroupBox *GroupBox1;
    QLabel *Label51; // "Via Hole Diameter"
    Edit *Edit3;
    Edit *Edit52;
    QLabel *Label6;
    Edit *Edit4;
    Edit *Edit53;
    QLabel *Label7;
    Edit *Edit5;
    Edit *Edit54;
    QLabel *Label8;
    Edit *Edit6;
    Edit *Edit55;
    QLabel *Label11;
    Edit *Edit9;
    Edit *Edit56;

    QLabel *Label10;
    Edit *Edit8;
    QLabel *Label12;
    Edit *Edit10;
    QLabel *Label13;
    Edit *Edit11;
    QLabel *Label14;
    Edit *Edit12;
    QLabel *Label15;
    Edit *Edit13;
    QLabel *Label16;
    Edit *Edit14;
    QLabel *Label42;
    Edit *Edit42;
    QLabel *Label83;
    Edit *Edit49;
    QLabel *Label84;
    Edit *Edit50;
    QLabel *Label187;

    ViaPicture *Image2;
    ViaPicture *Image7;
    ViaPicture *Image20;

private:
    UnitEntries units_;
    ViaLayerSet layerSet() const;
    // Replaces an entry outside a limit after its message; the value read stays as it was.
    void limitAbove(double value, double limit, const char *message, const char *replacement,
                    Edit *box) const;
    void limitBelow(double value, double limit, const char *message, const char *replacement,
                    Edit *box) const;
    void validate(const Limits &limits, ViaLayerSet set);
    void inform(const char *message) const;

    Context &context_;
};

} // namespace tw
