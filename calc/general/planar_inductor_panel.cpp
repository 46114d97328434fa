#include "calc/general/planar_inductor_panel.h"

#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/form.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

const char *const paperAddress =
    "https://web.stanford.edu/~boyd/papers/pdf/inductance_expressions.pdf";

bool sameGeometry(const SpiralGeometry &a, const SpiralGeometry &b)
{
    auto near = [](double x, double y) {
        return std::abs(x - y) <= 1e-9 * std::max(std::abs(x), std::abs(y));
    };
    return near(a.turns, b.turns) && near(a.width, b.width) && near(a.spacing, b.spacing) &&
           near(a.outerDiameter, b.outerDiameter);
}

} // namespace

PlanarInductorCalculator::PlanarInductorCalculator(QWidget *parent, Context &context)
    : context_(context)
{
    GroupBox20 = new QGroupBox(" Planar Inductors Calculator ", parent);
    GroupBox20->setObjectName("GroupBox20");
    auto *columns = new QHBoxLayout(GroupBox20);
    auto *entries = new QWidget(GroupBox20);
    entries->setObjectName("PlanarInductorEntries");
    // The picture takes what the rows leave, never the rows' room.
    entries->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    columns->addWidget(entries);
    auto *pictureColumn = new QVBoxLayout;
    columns->addLayout(pictureColumn, 1);

    Form form(
        entries, [this] { context_.recalculate(); }, &units_);
    FormRow row = form.input({"Label193", "Turns (n)", "Edit88", "5",
                              "Enter the number of turns that comprise the planar inductor."});
    Label193 = row.caption;
    Edit88 = row.box;
    row = form.input({"Label194", "Conductor Width (w)", "Edit89", "10",
                      "Enter the conductor width of the planar inductor.", "Edit96", "mils", "um",
                      26, Quantity::Thickness});
    Label194 = row.caption;
    Edit89 = row.box;
    Edit96 = row.unit;
    row = form.input({"Label196", "Conductor Spacing (s)", "Edit91", "10",
                      "Enter the conductor spacing within the planar inductor.", "Edit97", "mils",
                      "um", 27, Quantity::Thickness});
    Label196 = row.caption;
    Edit91 = row.box;
    Edit97 = row.unit;
    row = form.input({"Label197", "Outer Diameter (dout)", "Edit92", "350",
                      "Enter the outer diameter of the planar inductor.", "Edit98", "mils", "um",
                      28, Quantity::Thickness});
    Label197 = row.caption;
    Edit92 = row.box;
    Edit98 = row.unit;
    form.addSpacing(8);
    row = form.result({"Label199",
                       "Inner Diameter",
                       "Edit94",
                       {},
                       "Calculated inner diameter of the planar inductor.",
                       "Edit101",
                       "mils",
                       "um"});
    Label199 = row.caption;
    Edit94 = row.box;
    Edit101 = row.unit;
    row = form.result({"Label198",
                       "Fill Factor",
                       "Edit93",
                       {},
                       "Calculated fill factor of the planar inductor.",
                       "Edit100",
                       "mils",
                       "um"});
    Label198 = row.caption;
    Edit93 = row.box;
    Edit100 = row.unit;
    Edit100->hide();
    row = form.result({"Label195",
                       "Inductance",
                       "Edit90",
                       {},
                       "Calculated inductance of the planar inductor.",
                       "Edit99",
                       "nH"});
    Label195 = row.caption;
    Edit90 = row.box;
    Edit99 = row.unit;

    form.addSpacing(12);
    Image36 = makeLabel(entries, "Image36",
                        "L<sub>mw</sub> = K<sub>1</sub> µ<sub>0</sub> n<sup>2</sup> "
                        "d<sub>avg</sub> / (1 + K<sub>2</sub> ρ)");
    Image36->setTextFormat(Qt::RichText);
    Image36->setFrameShape(QFrame::StyledPanel);
    Image36->setMargin(8);
    Image36->setAlignment(Qt::AlignCenter);
    QFont formula = Image36->font();
    formula.setPointSizeF(formula.pointSizeF() * 1.2);
    Image36->setFont(formula);
    form.addWide(Image36);
    Label161 =
        new LinkLabel(entries, "Label161", "Planar Inductances", context_.desktop, paperAddress);
    form.addWide(Label161);
    form.addStretch();

    const char *names[] = {"Image13", "Image33", "Image34", "Image35"};
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        pictures_[i] = new SpiralPicture(GroupBox20, names[i], planar::SpiralShape(int(i)));
        pictures_[i]->setVisible(i == 0);
        pictureColumn->addWidget(pictures_[i]);
    }
    pictureColumn->addStretch(1);
    Image13 = pictures_[0];
    Image33 = pictures_[1];
    Image34 = pictures_[2];
    Image35 = pictures_[3];

    // The unit switch reads the boxes the way the calculation does.
    for (ConvertedInput &input : units_.inputs)
        input.commasAsPoints = context_.decimalMode == DecimalMode::Point;
}

void PlanarInductorCalculator::layerSelected(int itemIndex)
{
    for (std::size_t i = 0; i < pictures_.size(); ++i)
        pictures_[i]->setVisible(static_cast<int>(i) == itemIndex);
}

double PlanarInductorCalculator::number(const Edit *box) const
{
    QString text = box->text();
    if (context_.decimalMode == DecimalMode::Point)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return context_.parse(text);
}

void PlanarInductorCalculator::CalcPlanarInductors()
{
    const bool metric = context_.metric();
    const bool commas = context_.decimalMode == DecimalMode::Point;
    const EntryLimit limits[] = {
        {Edit88, Refuse::AtOrBelow, 0, "Number of turns can't be <= 0", "1", commas},
        {Edit89, Refuse::AtOrBelow, 0, "Conductor width can't be <= 0", metric ? "254" : "10",
         commas},
        {Edit91, Refuse::Below, 0, "Conductor spacing can't be less than 0", "0", commas},
        {Edit92, Refuse::AtOrBelow, 0, "Outer diameter can't be <= 0", metric ? "8890" : "350",
         commas},
    };
    applyLimits(limits, *context_.messages, context_.decimalMode);

    const int item = context_.options->RadioGroup3->itemIndex();
    const auto shape = planar::SpiralShape(std::clamp(item, 0, 3));
    // Lengths in micrometres whatever the unit system.
    const double toMicrometres = metric ? 1.0 : 25.4;
    SpiralGeometry g;
    g.turns = number(Edit88);
    g.width = number(Edit89) * toMicrometres;
    g.spacing = number(Edit91) * toMicrometres;
    g.outerDiameter = number(Edit92) * toMicrometres;
    for (SpiralPicture *picture : pictures_)
        picture->setSpiral(g);

    const double inner = planar::innerDiameter(g.turns, g.width, g.spacing, g.outerDiameter);
    if (inner > 0) {
        reported_.reset();
    } else if (!reported_ || !sameGeometry(*reported_, g)) {
        reported_ = g;
        context_.messages->information("Inner diameter too small");
    }
    showResult(Edit94, "%.3f", metric ? inner : inner * 0.03937007874015748);

    // Overlapping turns have no inductance to speak of.
    if (inner < 0) {
        Edit93->setText("N/A");
        Edit90->setText("N/A");
        return;
    }
    showResult(Edit93, "%.4f", planar::fillFactor(g.outerDiameter, inner));
    showResult(Edit90, "%.4f", planar::inductance(shape, g.turns, g.outerDiameter, inner));
}

} // namespace tw
