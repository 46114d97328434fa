#include "calc/general/ppm_panel.h"

#include "calc/general/ppm.h"
#include "ui/context.h"
#include "ui/result_text.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace tw {

namespace {

// One row of a section: caption, box and fixed unit box.
Edit *addRow(QGroupBox *section, QGridLayout *grid, int row, const QString &caption, Edit *box,
             const QString &unitName, const QString &unit)
{
    grid->addWidget(new QLabel(caption, section), row, 0);
    grid->addWidget(box, row, 1);
    Edit *unitBox = makeReadOnly(section, unitName, unit);
    unitBox->setMaximumWidth(40);
    grid->addWidget(unitBox, row, 2);
    return box;
}

} // namespace

PpmCalculator::PpmCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox36 = new QGroupBox(" PPM Calculator ", parent);
    GroupBox36->setObjectName("GroupBox36");
    GroupBox37 = new QGroupBox(" PPM to Hertz ", GroupBox36);
    GroupBox37->setObjectName("GroupBox37");
    GroupBox38 = new QGroupBox(" Hertz to PPM ", GroupBox36);
    GroupBox38->setObjectName("GroupBox38");

    auto *toHertz = new QGridLayout(GroupBox37);
    Edit170 = addRow(GroupBox37, toHertz, 0, "Center Frequency",
                     new Edit(GroupBox37, "Edit170", "32000", "Enter the center frequency."),
                     "Edit185", "Hz");
    Edit171 =
        addRow(GroupBox37, toHertz, 1, "PPM Value",
               new Edit(GroupBox37, "Edit171", "25", "Enter the PPM value."), "Edit186", "PPM");
    Edit172 = addRow(
        GroupBox37, toHertz, 2, "Variation of Frequency",
        makeReadOnly(GroupBox37, "Edit172", {}, "Variation of frequency per the given PPM value."),
        "Edit189", "Hz");
    Edit173 = addRow(
        GroupBox37, toHertz, 3, "Maximum Frequency",
        makeReadOnly(GroupBox37, "Edit173", {}, "Maximum frequency per the given PPM value."),
        "Edit190", "Hz");
    Edit180 = addRow(
        GroupBox37, toHertz, 4, "Minimum Frequency",
        makeReadOnly(GroupBox37, "Edit180", {}, "Minimum frequency per the given PPM value."),
        "Edit191", "Hz");

    auto *toPpm = new QGridLayout(GroupBox38);
    Edit181 = addRow(GroupBox38, toPpm, 0, "Center Frequency",
                     new Edit(GroupBox38, "Edit181", "32000", "Enter the center frequency."),
                     "Edit187", "Hz");
    Edit182 = addRow(GroupBox38, toPpm, 1, "Maximum Frequency",
                     new Edit(GroupBox38, "Edit182", "32001", "Enter the maximum frequency."),
                     "Edit188", "Hz");
    Edit183 = addRow(GroupBox38, toPpm, 2, "Variation of Frequency",
                     makeReadOnly(GroupBox38, "Edit183", {},
                                  "Variation of frequency per the given frequency values."),
                     "Edit192", "Hz");
    Edit184 = addRow(
        GroupBox38, toPpm, 3, "PPM Value",
        makeReadOnly(GroupBox38, "Edit184", {}, "Calculated PPM value per the given frequencies."),
        "Edit193", "PPM");

    auto *column = new QVBoxLayout(GroupBox36);
    column->addWidget(GroupBox37);
    column->addWidget(GroupBox38);
    column->addStretch(1);

    for (Edit *e : {Edit170, Edit171, Edit181, Edit182})
        e->onEnter = [this] { context_.recalculate(); };
}

void PpmCalculator::CalcPPM()
{
    const double fc = context_.parse(Edit170->text());
    const double ppm = context_.parse(Edit171->text());
    const ppm::PpmToHertz band = ppm::ppmToHertz(fc, ppm);
    showResult(Edit172, "%0.5f", band.variation);
    showResult(Edit173, "%0.5f", band.maximum);
    showResult(Edit180, "%0.5f", band.minimum);

    const double fc2 = context_.parse(Edit181->text());
    const double fmax = context_.parse(Edit182->text());
    const double variation = ppm::hertzVariation(fc2, fmax);
    showResult(Edit183, "%0.5f", variation);
    showResult(Edit184, "%0.5f", ppm::hertzToPpm(fc2, variation));
}

} // namespace tw
