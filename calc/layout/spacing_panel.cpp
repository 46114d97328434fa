#include "calc/layout/spacing_panel.h"

#include "calc/layout/conductor_spacing.h"
#include "calc/layout/spacing_picture_panel.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/form.h"
#include "ui/result_text.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace tw {

namespace {

const char *const standardsBody = "https://www.ipc.org";

} // namespace

SpacingCalculator::SpacingCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox13 = new QGroupBox(" Minimum Conductor Spacing ", parent);
    GroupBox13->setObjectName("GroupBox13");
    Form panel(
        GroupBox13, [this] { context_.recalculate(); }, &units_);

    RadioGroup9 = new RadioGroup(GroupBox13, "RadioGroup9", " Voltage Between Conductors ",
                                 {"0 -15V", "16 - 30V", "31 - 50V", "51 - 100V", "101 - 150V",
                                  "151 - 170V", "171 - 250V", "251 - 300V", "301 - 500V", "> 500V"},
                                 0, 2);
    setHint(RadioGroup9, "Select the peak AC or DC voltage between conductors.");
    RadioGroup10 =
        new RadioGroup(GroupBox13, "RadioGroup10", " Device Type Selection ",
                       {"B1 - Bare PCB", "B2 - Bare PCB", "B3 - Bare PCB", "B4 - Bare PCB",
                        "A5 - Assembly", "A6 - Assembly", "A7 - Assembly"},
                       0, 2);
    setHint(RadioGroup10, "Select the type of device.");
    auto *selections = new QWidget(GroupBox13);
    auto *row = new QHBoxLayout(selections);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(RadioGroup9);
    row->addWidget(RadioGroup10);
    panel.addWide(selections);

    const FormRow voltage = panel.input({"Label21", "Voltage between conductors", "Edit79", "501",
                                         "Enter the voltage between the conductors."});
    Label21 = voltage.caption;
    Edit79 = voltage.box;
    const FormRow spacing =
        panel.result({"Label97", "Minimum Conductor Spacing", "Edit51", "0.05mm",
                      "Minimum conductor spacing for selected values."});
    Label97 = spacing.caption;
    Edit51 = spacing.box;
    setFontColour(Edit51, resultNavy);

    // The pictures share one place; "+3050m" sits over the one of B2 and B3.
    auto *scene = new QWidget(GroupBox13);
    auto *stack = new QGridLayout(scene);
    stack->setContentsMargins(0, 0, 0, 0);
    Image38 = new SpacingPicture(scene, "Image38", SpacingScene::Internal);
    Image39 = new SpacingPicture(scene, "Image39", SpacingScene::ExternalUncoated);
    Image37 = new SpacingPicture(scene, "Image37", SpacingScene::ExternalPolymer);
    Image40 = new SpacingPicture(scene, "Image40", SpacingScene::ConformalAssembly);
    Image41 = new SpacingPicture(scene, "Image41", SpacingScene::LeadUncoated);
    Image42 = new SpacingPicture(scene, "Image42", SpacingScene::LeadConformal);
    pictures_ = {Image38, Image39, Image39, Image37, Image40, Image41, Image42};
    for (SpacingPicture *picture : {Image38, Image39, Image37, Image40, Image41, Image42})
        stack->addWidget(picture, 0, 0);
    Label168 = makeLabel(scene, "Label168", "+3050m");
    QFont bold = Label168->font();
    bold.setBold(true);
    Label168->setFont(bold);
    stack->addWidget(Label168, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    panel.addWide(scene);

    Label90 = panel.note("Label90", "B1 = Internal Conductors");
    Label91 = panel.note("Label91", "B2 = External Conductors, uncoated, sea level to 3050m");
    Label92 = panel.note("Label92", "B3 = External Conductors, uncoated, over 3050m");
    Label93 = panel.note(
        "Label93", "B4 = External Conductors, with permanent polymer coating (any elevation)");
    Label94 = panel.note(
        "Label94",
        "A5 = External Conductors, with conformal coating over assembly (any elevation)");
    Label95 = panel.note("Label95", "A6 = External Component lead/termination, uncoated");
    Label96 = panel.note(
        "Label96",
        "A7 = External Component lead/termination, with conformal coating (any elevation)");
    panel.addSpacing();
    Label158 =
        new LinkLabel(GroupBox13, "Label158", "IPC-2221B Values", context_.desktop, standardsBody);
    panel.addWide(Label158, Qt::AlignLeft);
    panel.addStretch();

    RadioGroup9->onClick = [this] { RadioGroup9Click(); };
    RadioGroup10->onClick = [this] { RadioGroup10Click(); };
    // The designed start: the lowest band, B1.
    Label21->setEnabled(false);
    Edit79->setEnabled(false);
    for (SpacingPicture *picture : pictures_)
        picture->setVisible(picture == pictures_[0]);
    Label168->hide();
}

void SpacingCalculator::RadioGroup9Click()
{
    const bool perVolt = RadioGroup9->itemIndex() == spacing::kAbove500;
    Label21->setEnabled(perVolt);
    Edit79->setEnabled(perVolt);
    CalcConductorSpacing();
}

void SpacingCalculator::RadioGroup10Click()
{
    const int type = RadioGroup10->itemIndex();
    SpacingPicture *shown = pictures_.at(static_cast<std::size_t>(type));
    for (SpacingPicture *picture : pictures_)
        picture->setVisible(picture == shown);
    Label168->setVisible(type == 2);
    CalcConductorSpacing();
}

void SpacingCalculator::CalcConductorSpacing()
{
    const int band = RadioGroup9->itemIndex();
    const int type = RadioGroup10->itemIndex();
    if (band < 0 || type < 0)
        return;
    // The band and type handlers run this directly, not through the recalculation entry.
    clearFloatFaults();
    const bool metric = context_.metric();
    // Only the per-volt band reads the voltage: a table band is a look-up that a text left in
    // the disabled box cannot block.
    if (band == spacing::kAbove500) {
        const EntryLimit limits[] = {{Edit79, Refuse::Below, spacing::kLowestVoltage,
                                      "Voltage must be equal to or greater than 501V", "501"}};
        applyLimits(limits, *context_.messages, context_.decimalMode);
        const double volts = context_.parse(Edit79->text());
        showResult(Edit51, metric ? "%.4f mm" : "%.4f mils",
                   spacing::spacingAbove500(volts, type, metric));
        return;
    }
    const auto &table = metric ? spacing::metricSpacing() : spacing::imperialSpacing();
    Edit51->setText(QString::fromUtf8(
        table.at(static_cast<std::size_t>(band)).at(static_cast<std::size_t>(type))));
}

} // namespace tw
