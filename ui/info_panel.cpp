#include "ui/info_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace tw {

InfoPanel::InfoPanel(QWidget *parent)
{
    GroupBox30 = new QGroupBox(" Information ", parent);
    GroupBox30->setObjectName("GroupBox30");
    auto *grid = new QGridLayout(GroupBox30);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(1);
    auto value = [&](const QString &name) {
        QLabel *label = makeLabel(GroupBox30, name, "N/A");
        label->setStyleSheet("color: navy;");
        return label;
    };
    Label55 = makeLabel(GroupBox30, "Label55", "Total Copper Thickness");
    Label56 = value("Label56");
    Label23 = makeLabel(GroupBox30, "Label23", "Conductor Temperature");
    Label24 = makeLabel(GroupBox30, "Label24", "Temp in (°C) =");
    Label27 = value("Label27");
    Label26 = makeLabel(GroupBox30, "Label26", "Temp in (°F) =");
    Label28 = value("Label28");
    Label106 = makeLabel(GroupBox30, "Label106", "Via Thermal Resistance");
    Label110 = value("Label110");
    Label284 = makeLabel(GroupBox30, "Label284", "Via Count:");
    Label285 = value("Label285");
    Edit227 = new Edit(GroupBox30, "Edit227", "10");
    Edit227->setMaximumWidth(50);
    UpDown6 = new UpDown(GroupBox30, "UpDown6", Edit227, 1, 999, 10);
    Label41 = makeLabel(GroupBox30, "Label41", "Via Voltage Drop");
    Label72 = value("Label72");
    Label319 = makeLabel(GroupBox30, "Label319", "Series Current");
    Label320 = value("Label320");
    Label319->hide();
    Label320->hide();

    int row = 0;
    grid->addWidget(Label55, row, 0);
    grid->addWidget(Label56, row++, 1);
    grid->addWidget(Label23, row++, 0, 1, 2);
    grid->addWidget(Label24, row, 0);
    grid->addWidget(Label27, row++, 1);
    grid->addWidget(Label26, row, 0);
    grid->addWidget(Label28, row++, 1);
    grid->addWidget(Label106, row, 0);
    grid->addWidget(Label110, row++, 1);
    auto *count = new QHBoxLayout;
    count->addWidget(Label284);
    count->addWidget(Edit227);
    count->addWidget(UpDown6);
    count->addStretch(1);
    grid->addLayout(count, row, 0);
    grid->addWidget(Label285, row++, 1);
    grid->addWidget(Label41, row, 0);
    grid->addWidget(Label72, row++, 1);
    grid->addWidget(Label319, row, 0);
    grid->addWidget(Label320, row++, 1);
}

void InfoPanel::setNotApplicable(unsigned labels)
{
    const std::pair<unsigned, QLabel *> lines[] = {
        {tw::Label56, Label56},  {tw::Label110, Label110}, {tw::Label285, Label285},
        {tw::Label72, Label72},  {tw::Label27, Label27},   {tw::Label28, Label28},
        {tw::Label320, Label320}};
    for (const auto &[bit, label] : lines)
        if (labels & bit)
            label->setText("N/A");
}

void InfoPanel::showOhmsLawLines(bool ohmsLaw)
{
    for (QLabel *l : {Label23, Label24, Label26, Label27, Label28})
        l->setVisible(!ohmsLaw);
    Label319->setVisible(ohmsLaw);
    Label320->setVisible(ohmsLaw);
}

} // namespace tw
