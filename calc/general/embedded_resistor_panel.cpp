#include "calc/general/embedded_resistor_panel.h"

#include "calc/general/embedded_resistor.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/form.h"
#include "ui/result_text.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace tw {

EmbeddedResistorCalculator::EmbeddedResistorCalculator(QWidget *parent, Context &context)
    : context_(context)
{
    GroupBox34 = new QGroupBox("  PTF Embedded Resistors  ", parent);
    GroupBox34->setObjectName("GroupBox34");
    Form form(
        GroupBox34, [this] { context_.recalculate(); }, &units_);

    RadioGroup11 = new RadioGroup(
        GroupBox34, "RadioGroup11", " PTF Embedded Type  ",
        {"Additive screened process", "Subtractive copper nickel", "Embedded Annular Resistor"}, 0);
    setHint(RadioGroup11, "Select the type of embedded resistor.");
    form.addWide(RadioGroup11);
    form.addSpacing();

    FormRow row = form.input({"Label250", "Resistance/Sq.", "Edit154", "25",
                              "Enter the resistive value of the material per square inch."});
    Label250 = row.caption;
    Edit154 = row.box;
    row = form.input({"Label251", "Length (L)", "Edit157", "100",
                      "Enter the length of the resistive material.", "Edit164", "mils", "mm", 29});
    Label251 = row.caption;
    Edit157 = row.box;
    Edit164 = row.unit;
    // The width box becomes the target resistance of an annular resistor: its unit text and
    // its conversion follow the type.
    row = form.input({"Label252", "Width (W)", "Edit158", "50",
                      "Enter the width of the resistive material.", "Edit165", "Ohms"});
    Label252 = row.caption;
    Edit158 = row.box;
    Edit165 = row.unit;
    Edit165->setText("mils");
    auto rectangular = [this] { return !annular(); };
    auto ring = [this] { return annular(); };
    units_.texts.push_back({Edit165, "mils", "mm", rectangular});
    units_.texts.push_back({Edit165, "Ohms", "Ohms", ring});
    units_.inputs.push_back({37, Edit158, Quantity::Length, rectangular});
    form.addSpacing();

    row =
        form.result({"Label253", "Resistor Area", "Edit161", {}, "Total embedded resistor area."});
    Label253 = row.caption;
    Edit161 = row.box;
    row = form.result({"Label254",
                       "Resistor Thickness",
                       "Edit162",
                       {},
                       "Power dissipation of embedded resistor."});
    Label254 = row.caption;
    Edit162 = row.box;
    row =
        form.result({"Label255", "Ohms", "Edit163", {}, "Resistance value per given dimensions."});
    Label255 = row.caption;
    Edit163 = row.box;
    Label254->hide();
    Edit162->hide();
    form.addSpacing(10);

    auto *illustration = new QWidget(GroupBox34);
    illustration->setObjectName("EmbeddedIllustration");
    auto *beside = new QHBoxLayout(illustration);
    beside->setContentsMargins(0, 0, 0, 0);
    const char *names[] = {"Image25", "Image26", "Image27"};
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        pictures_[i] = new ResistorPicture(illustration, names[i], EmbeddedType(int(i)));
        pictures_[i]->setVisible(i == 0);
        beside->addWidget(pictures_[i]);
    }
    Image25 = pictures_[0];
    Image26 = pictures_[1];
    Image27 = pictures_[2];
    auto *legend = new QGridLayout;
    legend->setHorizontalSpacing(6);
    Shape3 = makeLegendSquare(illustration, "Shape3", contactColour());
    Label247 = makeLabel(illustration, "Label247", "Copper contact area");
    Shape4 = makeLegendSquare(illustration, "Shape4", overlapColour(EmbeddedType::Additive));
    Label248 = makeLabel(illustration, "Label248", "Material overlap area");
    Shape5 = makeLegendSquare(illustration, "Shape5", resistorColour());
    Label249 = makeLabel(illustration, "Label249", "Resistor");
    legend->addWidget(Shape3, 0, 0);
    legend->addWidget(Label247, 0, 1);
    legend->addWidget(Shape4, 1, 0);
    legend->addWidget(Label248, 1, 1);
    legend->addWidget(Shape5, 2, 0);
    legend->addWidget(Label249, 2, 1);
    legend->setRowStretch(3, 1);
    beside->addLayout(legend);
    beside->addStretch(1);
    form.addWide(illustration);

    Label256 =
        form.note("Label256", "Refer to IPC-2316 for more information on embedded resistors");
    form.addStretch();

    RadioGroup11->onClick = [this] { RadioGroup11Click(); };
}

void EmbeddedResistorCalculator::RadioGroup11Click()
{
    const int type = RadioGroup11->itemIndex();
    const bool ring = annular();
    Label251->setText(ring ? "Inside Diameter" : "Length (L)");
    Label252->setText(ring ? "Target Resistance" : "Width (W)");
    setHint(Edit158, ring ? "Enter the target resistor value in ohms."
                          : "Enter the width of the resistive material.");
    Label254->setVisible(ring);
    Edit162->setVisible(ring);
    Label255->setText(ring ? "Outer Diameter" : "Ohms");

    Label248->setText(type == 1 ? "Soldermask overlap area" : "Material overlap area");
    setLegendColour(Shape4, overlapColour(EmbeddedType(std::min(type, 1))));
    // The resistor's square moves up into the place of the hidden overlap square.
    Label248->setVisible(!ring);
    Shape4->setVisible(!ring);
    for (std::size_t i = 0; i < pictures_.size(); ++i)
        pictures_[i]->setVisible(static_cast<int>(i) == type);

    if (ring) {
        Edit165->setText("Ohms");
        Edit157->setText("20");
        Edit158->setText("10");
    } else {
        Edit165->setText(context_.metric() ? "mm" : "mils");
    }
    context_.recalculate();
}

void EmbeddedResistorCalculator::CalcEmbeddedResistors()
{
    const bool metric = context_.metric();
    if (!annular()) {
        const EntryLimit limits[] = {
            {Edit154, Refuse::AtOrBelow, 0, "Resistance per square can't be <= 0", "25"},
            {Edit157, Refuse::AtOrBelow, 0, "Resistor length can't be <= 0",
             metric ? "2.54" : "100"},
            {Edit158, Refuse::AtOrBelow, 0, "Resistor width can't be <= 0", metric ? "1.27" : "50"},
        };
        applyLimits(limits, *context_.messages, context_.decimalMode);
        const double sheet = context_.parse(Edit154->text());
        const double length = context_.parse(Edit157->text());
        const double width = context_.parse(Edit158->text());
        const double toInches = metric ? 0.03937007874015748 : 0.001;
        showResult(Edit163, "%.3f Ohms",
                   embedded::rectangularResistance(sheet, length * toInches, width * toInches));
        const double sqMils = embedded::rectangleSqMils(length * toInches, width * toInches);
        if (metric)
            showResult(Edit161, "%.3f Sq.mm", sqMils * embedded::sqMmPerSqMil);
        else
            showResult(Edit161, "%.2f Sq.mils", sqMils);
        for (ResistorPicture *picture : pictures_)
            picture->setResistor({length, width, picture->resistor().insideDiameter,
                                  picture->resistor().outerDiameter});
        return;
    }

    const EntryLimit limits[] = {
        {Edit154, Refuse::AtOrBelow, 0, "Resistance per square can't be <= 0", "25"},
        {Edit157, Refuse::AtOrBelow, 0, "Inside diameter can't be <= 0", "20"},
        {Edit158, Refuse::AtOrBelow, 0, "Target resistance can't be <= 0", "10"},
    };
    applyLimits(limits, *context_.messages, context_.decimalMode);
    const double sheet = context_.parse(Edit154->text());
    const double inside = context_.parse(Edit157->text());
    const double target = context_.parse(Edit158->text());
    const embedded::AnnularResistor ring = embedded::annularResistor(sheet, inside, target);
    const char *length = metric ? "%.3f mm" : "%.3f mils";
    showResult(Edit163, length, ring.outerDiameter);
    showResult(Edit162, length, ring.ringWidth);
    showResult(Edit161, metric ? "%.2f Sq.mm" : "%.1f Sq.mils", ring.area);
    for (ResistorPicture *picture : pictures_)
        picture->setResistor(
            {picture->resistor().length, picture->resistor().width, inside, ring.outerDiameter});
}

} // namespace tw
