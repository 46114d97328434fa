#pragma once

#include "ui/controls.h"

namespace tw {

// The information value labels a calculator does not fill.
enum InfoLabel : unsigned {
    Label56 = 1u << 0,
    Label110 = 1u << 1,
    Label285 = 1u << 2,
    Label72 = 1u << 3,
    Label27 = 1u << 4,
    Label28 = 1u << 5,
    Label320 = 1u << 6,
    AllSix = Label56 | Label110 | Label285 | Label72 | Label27 | Label28,
};

// The information panel: result lines shared by several calculators, and the via count.
class InfoPanel {
public:
    explicit InfoPanel(QWidget *parent);
    QGroupBox *widget() const { return GroupBox30; }
    // Writes "N/A" into the value labels named by the bit set of the calculator table.
    void setNotApplicable(unsigned labels);
    void showOhmsLawLines(bool ohmsLaw);

    QGroupBox *GroupBox30;
    QLabel *Label55;
    QLabel *Label56;
    QLabel *Label23;
    QLabel *Label24;
    QLabel *Label26;
    QLabel *Label27;
    QLabel *Label28;
    QLabel *Label106;
    QLabel *Label110;
    QLabel *Label284;
    QLabel *Label285;
    Edit *Edit227;
    UpDown *UpDown6;
    QLabel *Label41;
    QLabel *Label72;
    QLabel *Label319;
    QLabel *Label320;
};

} // namespace tw
