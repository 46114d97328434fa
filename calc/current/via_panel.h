#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"

namespace tw {

struct Context;

// The kinds of via the layer selector offers, in its item order.
enum class ViaLayerSet { TwoLayer = 0, MultiLayer = 1, Microvia = 2 };

// A drawn cross-section of one kind of via, labelled with the entries that size it.
class ViaPicture final : public QWidget {
public:
    ViaPicture(QWidget *parent, const QString &name, ViaLayerSet kind);
    ViaLayerSet kind() const { return kind_; }
    QSize sizeHint() const override { return {270, 300}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ViaLayerSet kind_;
};

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
