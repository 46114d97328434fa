#pragma once

#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <array>

namespace tw {

struct Context;

// Ohm's law solved for the missing quantity, and the circuit of the selected tab: LED series
// resistor, series divider, PI pad or T pad.
class OhmsLawCalculator final : public Calculator {
public:
    OhmsLawCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox47; }
    void compute() override { CalcOhmsLaw(); }
    void CalcOhmsLaw();

    void RadioGroup13Click();
    void TabControl3Change();
    void RadioGroup16Click();

    QGroupBox *GroupBox47;

    // E - I - R
    QGroupBox *GroupBox49;
    RadioGroup *RadioGroup13;
    QLabel *Label307;
    Edit *Edit245;
    Edit *Edit248;
    QLabel *Label308;
    Edit *Edit246;
    Edit *Edit247;
    QLabel *Label306;
    Edit *Edit244;
    Edit *Edit249;
    QLabel *Label309;
    Edit *Edit250;
    Edit *Edit251;

    TabControl *TabControl3;

    // LED Bias
    QWidget *Panel17;
    Edit *Edit236;
    Edit *Edit238;
    Edit *Edit239;
    Edit *Edit237;
    Edit *Edit299;

    // R Divider. The rows of R1 to R4: values Edit253 to Edit256 with their captions (R3 Label313,
    // R4 Label314) and unit boxes (R3 Edit257, R4 Edit258); drops Edit262 to Edit265 and
    // wattages Edit301 to Edit304 with their captions (R3 Label317, R4 Label318) and unit boxes.
    QWidget *Panel15;
    RadioGroup *RadioGroup16;
    Edit *Edit252;
    std::array<FormRow, 4> resistorRows{};
    std::array<FormRow, 4> dropRows{};
    std::array<FormRow, 4> wattageRows{};

    // PI Pad
    QWidget *Panel20;
    Edit *Edit288;
    Edit *Edit281;
    Edit *Edit282;
    Edit *Edit283;
    Edit *Edit284;
    Edit *Edit285;

    // T Pad
    QWidget *Panel21;
    Edit *Edit290;
    Edit *Edit292;
    Edit *Edit294;
    Edit *Edit295;
    Edit *Edit296;
    Edit *Edit297;

    // The pad's panel and boxes, in the order of the pad's inputs and results.
    struct Pad {
        QWidget *panel;
        Edit *attenuation;
        Edit *zin;
        Edit *zout;
        Edit *high; // the resistor on the side of the higher impedance
        Edit *low;
        Edit *middle;
        QGridLayout *grid;
        int r1Row;
        int r2Row;
    };

private:
    Pad buildPad(const QString &name, bool pi);
    void buildLedBias(const Handler &enter);
    void buildDivider(const Handler &enter);

    void calcEir();
    void calcLedBias();
    void calcDivider();
    void calcPad(const Pad &pad, bool pi);
    int dividerCount() const;
    void showDividerRows();

    Context &context_;
    Pad pi_{};
    Pad t_{};
    // What the information panel showed for the divider, for a return to its tab.
    QString lastTotal_ = QStringLiteral("N/A");
    QString lastCurrent_ = QStringLiteral("N/A");
};

} // namespace tw
