#include "calc/current/conductor_panel.h"

#include "calc/current/conductor_model.h"
#include "calc/current/current_capacity.h"
#include "ui/context.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/info_panel.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace tw {

using namespace current;

namespace {

// Entry limits of one unit system; the texts with a decimal follow the decimal mode.
struct Limits {
    double maxLength;
    QString maxLengthText;
    QString maxLengthMessage;
    double minLength; // also the least board thickness and plane distance
    QString minLengthText;
    QString minLengthMessage;
    QString boardMessage;
    QString planeMessage;
    QString baseCopperText;
    QString baseCopperMessage;
    QString platingMessage;
};

Limits limits(bool metric, DecimalMode mode)
{
    if (!metric)
        return {30000,
                "30000",
                "Max conductor length can't be greater than 30000mils",
                1,
                "1",
                "Minimum conductor length can't be less than 1mil",
                "PCB Thickness can't be less than 1mil",
                "Plane distance can't be less than 1mil",
                literal(mode, "0.7"),
                "Base copper thickness can't be less than or equal to 0mils",
                "Plating thickness can't be less than 0mils"};
    return {762,
            "762",
            "Max conductor length can't be greater than 762mm",
            0.0254,
            literal(mode, "0.0254"),
            literal(mode, "Minimum conductor length can't be less than 0.0254mm"),
            literal(mode, "PCB Thickness can't be less than 0.0254mm"),
            literal(mode, "Plane distance can't be less than 0.0254mm"),
            "18",
            "Base copper thickness can't be less than or equal to 0um",
            "Plating thickness can't be less than 0um"};
}

QToolButton *makeHelpButton(QWidget *parent, const QString &name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText("?");
    return button;
}

} // namespace

ConductorCalculator::ConductorCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox5 = new QGroupBox(" Conductor Characteristics ", parent);
    GroupBox5->setObjectName("GroupBox5");
    auto *leftColumn = new QWidget(GroupBox5);
    auto *rightColumn = new QWidget(GroupBox5);
    auto *bottom = new QWidget(GroupBox5);

    Form form(
        leftColumn, [this] { context_.recalculate(); }, &units_);
    const auto input = [&form](QLabel *&caption, Edit *&box, const RowEntry &entry) {
        const FormRow row = form.input(entry);
        row.to(caption, box)->setMaxLength(8);
        return row.unit;
    };
    // While solving for the width the box holds a current.
    Edit57 = input(Label17, Edit15,
                   {"Label17",
                    "Conductor Width",
                    "Edit15",
                    "10",
                    "Enter the total width of the conductor.",
                    "Edit57",
                    "mils",
                    {},
                    6,
                    Quantity::Length,
                    [this] { return RadioGroup8->itemIndex() == 0; }});
    Edit58 = input(Label22, Edit18,
                   {"Label22", "Conductor Length", "Edit18", "1000",
                    "Enter the total length of the conductor.", "Edit58", "mils", "mm", 9});
    Edit127 = input(Label235, Edit126,
                    {"Label235", "PCB Thickness", "Edit126", "62", "Enter the total PCB thickness.",
                     "Edit127", "mils", "mm", 19});
    input(Label236, Edit128,
          {"Label236", "Parallel Conductor Count", "Edit128", "16",
           QStringLiteral("Enter the number of parallel conductors. Spacing < 25.4mm (1.00\")")});
    Edit131 = input(Label238, Edit130,
                    {"Label238", "Frequency", "Edit130", "1",
                     "Enter the signal frequency in the conductor.", "Edit131", "MHz"});
    CheckBox1 = new CheckBox(leftColumn, "CheckBox1", "DC");
    setHint(CheckBox1, "Click here for DC currents.");
    form.grid()->addWidget(CheckBox1, form.nextRow() - 1, 3);
    Edit133 = input(Label37, Edit132,
                    {"Label37", "Distance to Plane", "Edit132", "10",
                     "Enter the distance to the plane.", "Edit133", "mils", "mm", 20});

    RadioGroup8 = new RadioGroup(leftColumn, "RadioGroup8", " Solve For ",
                                 {"Amperage", "Conductor Width"}, 0);
    // Only the rule sets without modifiers solve for the width.
    RadioGroup8->setEnabled(false);
    SpeedButton4 = makeHelpButton(leftColumn, "SpeedButton4");
    SpeedButton3 = makeHelpButton(leftColumn, "SpeedButton3");
    Label339 = makeLabel(leftColumn, "Label339", "Etch Factor should be set");
    Label340 = makeLabel(leftColumn, "Label340", "to None for accuracy.");
    RadioGroup15 =
        new RadioGroup(leftColumn, "RadioGroup15", "  Parallel Conductors? ", {"No", "Yes"}, 0, 2);
    setHint(RadioGroup15, QStringLiteral("Select between a single conductor or parallel "
                                         "conductors. (Spacing <= 25.4mm, 1.00\")"));
    RadioGroup2 =
        new RadioGroup(leftColumn, "RadioGroup2", " Plane Present? ", {"No", "Yes"}, 0, 2);
    setHint(RadioGroup2, "Select this option if the PCB has a plane to help dissipate heat.");

    auto *solveFor = new QGridLayout;
    solveFor->addWidget(RadioGroup8, 0, 0, 3, 1);
    solveFor->addWidget(SpeedButton4, 0, 1);
    solveFor->addWidget(Label339, 0, 2);
    solveFor->addWidget(Label340, 1, 2);
    solveFor->addWidget(SpeedButton3, 2, 2, Qt::AlignLeft);
    solveFor->setColumnStretch(2, 1);

    auto *selections = new QHBoxLayout;
    selections->addWidget(RadioGroup15);
    selections->addWidget(RadioGroup2);
    auto *choices = new QWidget(leftColumn);
    auto *choiceRows = new QVBoxLayout(choices);
    choiceRows->setContentsMargins(0, 0, 0, 0);
    choiceRows->addLayout(solveFor);
    choiceRows->addLayout(selections);
    form.addWide(choices);
    form.addStretch();

    Form right = form.nested(rightColumn);
    const auto addPicture = [&](const QString &name, bool external, bool plane, bool parallel) {
        auto *picture = new ConductorPicture(rightColumn, name, {external, plane, parallel});
        right.addWide(picture);
        picture->hide();
        pictures_[static_cast<std::size_t>((external ? 4 : 0) + (parallel ? 2 : 0) +
                                           (plane ? 1 : 0))] = picture;
        return picture;
    };
    Image51 = addPicture("Image51", false, false, false);
    Image52 = addPicture("Image52", false, true, false);
    Image54 = addPicture("Image54", false, false, true);
    Image53 = addPicture("Image53", false, true, true);
    Image49 = addPicture("Image49", true, false, false);
    Image15 = addPicture("Image15", true, true, false);
    Image50 = addPicture("Image50", true, false, true);
    Image3 = addPicture("Image3", true, true, true);
    Label243 = right.note("Label243", ruleSetModeText(RuleSet::Ipc2152WithModifiers));
    Label126 = makeLabel(rightColumn, "Label126", "1:1");
    Label125 = right.field("Label125", "Etch Factor:", Label126);
    right.addStretch();

    Form results = form.nested(bottom);
    const auto result = [&results](QLabel *&caption, Edit *&box, const RowEntry &entry) {
        results.result(entry).to(caption, box);
    };
    result(Label18, Edit16, {"Label18", "Conductor Cross Section", "Edit16"});
    result(Label19, Edit17, {"Label19", "Conductor Current", "Edit17"});
    result(Label25, Edit20, {"Label25", "Conductor DC Resistance", "Edit20"});
    result(Label59, Edit48, {"Label59", "Power Dissipation", "Edit48"});
    result(Label98, Edit135, {"Label98", "Power Dissipation in dBm", "Edit135"});
    result(Label20, Edit78, {"Label20", "Voltage Drop", "Edit78"});
    result(Label237, Edit129, {"Label237", "Skin Depth", "Edit129"});
    result(Label239, Edit134, {"Label239", "Skin Depth Percentage", "Edit134"});
    setFontColour(Edit17, resultNavy);
    setFontColour(Edit134, resultNavy);

    auto *top = new QHBoxLayout;
    top->addWidget(leftColumn, 1, Qt::AlignTop);
    top->addWidget(rightColumn, 0, Qt::AlignTop);
    auto *column = new QVBoxLayout(GroupBox5);
    column->addLayout(top);
    column->addWidget(bottom);
    column->addStretch(1);

    for (QWidget *w : {static_cast<QWidget *>(Label236), static_cast<QWidget *>(Edit128),
                       static_cast<QWidget *>(Label37), static_cast<QWidget *>(Edit132),
                       static_cast<QWidget *>(Edit133), static_cast<QWidget *>(Label339),
                       static_cast<QWidget *>(Label340), static_cast<QWidget *>(SpeedButton3)})
        w->hide();
    showPicture();

    RadioGroup8->onClick = [this] { RadioGroup8Click(); };
    RadioGroup15->onClick = [this] { RadioGroup15Click(); };
    RadioGroup2->onClick = [this] { RadioGroup2Click(); };
    CheckBox1->onClick = [this] { CheckBox1Click(); };
    QObject::connect(SpeedButton4, &QToolButton::clicked, GroupBox5,
                     [this] { guardEvent([this] { SpeedButton4Click(); }); });
    QObject::connect(SpeedButton3, &QToolButton::clicked, GroupBox5,
                     [this] { guardEvent([this] { SpeedButton3Click(); }); });
}

bool ConductorCalculator::active() const
{
    return context_.activeCalculator && context_.activeCalculator() == 1;
}

bool ConductorCalculator::planeWeightApplies() const
{
    return context_.programOptions->currentRuleSet() == 0 && RadioGroup2->itemIndex() == 1;
}

void ConductorCalculator::inform(const QString &text)
{
    context_.messages->information(text);
    // Whatever the box itself computed is no fault of the pass.
    clearFloatFaults();
}

ConductorPicture *ConductorCalculator::picture(int layer, int parallel, int plane) const
{
    return pictures_[static_cast<std::size_t>((layer == 1 ? 4 : 0) + (parallel == 1 ? 2 : 0) +
                                              (plane == 1 ? 1 : 0))];
}

void ConductorCalculator::showPicture()
{
    ConductorPicture *shown = picture(layer_, RadioGroup15->itemIndex(), RadioGroup2->itemIndex());
    for (ConductorPicture *p : pictures_)
        p->setVisible(p == shown);
}

void ConductorCalculator::configureLeading()
{
    Label243->setText(
        ruleSetModeText(static_cast<RuleSet>(context_.programOptions->currentRuleSet())));
    Label126->setText(context_.programOptions->etchFactor() == 0 ? "1:1" : "None");
}

void ConductorCalculator::configureTrailing()
{
    context_.options->RadioGroup5->setVisible(true);
    context_.options->RadioGroup5->setEnabled(planeWeightApplies());
}

void ConductorCalculator::layerSelected(int itemIndex)
{
    layer_ = itemIndex;
    const bool external = itemIndex == 1;
    OptionsPanel &options = *context_.options;
    options.RadioGroup1->setEnabled(external);
    options.setManualCopperEnabled(true, external);
    showPicture();
}

void ConductorCalculator::declareUnits(UnitSwitch &units)
{
    units_.declareTo(units);
}

void ConductorCalculator::showMaterialWarning(bool exceeded)
{
    setFontColour(Edit17, exceeded ? warningRed : resultNavy);
}

void ConductorCalculator::applyIpcVersion(int version)
{
    const bool modifiers = version == 0;
    Label243->setText(ruleSetModeText(static_cast<RuleSet>(version)));
    SpeedButton4->setVisible(modifiers);
    if (modifiers)
        RadioGroup8->setItemIndex(0);
    RadioGroup8->setEnabled(!modifiers);
    for (QWidget *w : {static_cast<QWidget *>(Label235), static_cast<QWidget *>(Edit126),
                       static_cast<QWidget *>(Edit127), static_cast<QWidget *>(Label37),
                       static_cast<QWidget *>(Edit132), static_cast<QWidget *>(Edit133),
                       static_cast<QWidget *>(Label236), static_cast<QWidget *>(Edit128),
                       static_cast<QWidget *>(RadioGroup2)})
        w->setEnabled(modifiers);
    if (!modifiers)
        RadioGroup15->setItemIndex(0);
    RadioGroup15->setEnabled(modifiers);
    // The options panel belongs to whichever calculator is shown.
    if (active())
        context_.options->RadioGroup5->setEnabled(modifiers && RadioGroup2->itemIndex() == 1);
    swap_current_width_labels();
}

void ConductorCalculator::applyEtchFactor(int etchFactor)
{
    Label126->setText(etchFactor == 0 ? "1:1" : "None");
    for (ConductorPicture *p : pictures_)
        p->setSloped(etchFactor == 0);
}

void ConductorCalculator::enableSolveFor(bool enabled)
{
    RadioGroup8->setEnabled(enabled);
}

void ConductorCalculator::RadioGroup2Click()
{
    const bool plane = RadioGroup2->itemIndex() == 1;
    if (active())
        context_.options->RadioGroup5->setEnabled(planeWeightApplies());
    Edit132->setVisible(plane);
    Edit133->setVisible(plane);
    Label37->setVisible(plane);
    showPicture();
    context_.recalculate();
}

void ConductorCalculator::RadioGroup15Click()
{
    const bool parallel = RadioGroup15->itemIndex() == 1;
    Label236->setVisible(parallel);
    Edit128->setVisible(parallel);
    Label18->setText(parallel ? "Total Cross Section" : "Conductor Cross Section");
    showPicture();
    context_.recalculate();
}

void ConductorCalculator::CheckBox1Click()
{
    const bool dc = CheckBox1->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(Edit129), static_cast<QWidget *>(Edit134),
                       static_cast<QWidget *>(Label237), static_cast<QWidget *>(Label239)})
        w->setVisible(!dc);
    Edit130->setText(dc ? "DC" : "1");
    Edit131->setText(dc ? "" : "MHz");
    Edit130->setEnabled(!dc);
    Edit131->setEnabled(!dc);
    if (!dc)
        context_.recalculate();
}

void ConductorCalculator::SpeedButton3Click()
{
    if (context_.showProgramOptions)
        context_.showProgramOptions();
}

void ConductorCalculator::SpeedButton4Click()
{
    context_.messages->information(
        "This selection is only enabled for the IPC-2152 Without Modifiers and the IPC-2221 "
        "options. See Program Options to change settings.");
}

void ConductorCalculator::swap_current_width_labels()
{
    const bool width = RadioGroup8->itemIndex() == 1;
    Label19->setText(width ? "Conductor Width" : "Conductor Current");
    Label17->setText(width ? "Conductor Current" : "Conductor Width");
    Edit57->setText(width ? "Amps" : context_.metric() ? "mm" : "mils");
    Label339->setVisible(width);
    Label340->setVisible(width);
    SpeedButton3->setVisible(width);
    context_.recalculate();
}

void ConductorCalculator::CalcConductorProperties()
{
    OptionsPanel &options = *context_.options;
    InfoPanel &info = *context_.info;
    options.CheckTempRise();
    options.CheckAmbientTemp();
    options.UpdateConductorTemp(info.Label27, info.Label28);

    const bool metric = context_.metric();
    const UnitSystem units = metric ? UnitSystem::Metric : UnitSystem::Imperial;
    const DecimalMode mode = context_.decimalMode;
    const Limits lim = limits(metric, mode);
    const double rise = context_.TempRise;
    const auto ruleSet = static_cast<RuleSet>(context_.programOptions->currentRuleSet());
    const auto etch = static_cast<EtchFactor>(context_.programOptions->etchFactor());
    const Layer layer = options.RadioGroup3->itemIndex() == 1 ? Layer::External : Layer::Internal;

    // A corrected entry is read back at once, so the results always belong to the boxes.
    double length = context_.parse(Edit18->text());
    if (length > lim.maxLength) {
        inform(lim.maxLengthMessage);
        Edit18->setText(lim.maxLengthText);
        length = context_.parse(Edit18->text());
    }
    if (length < lim.minLength) {
        inform(lim.minLengthMessage);
        Edit18->setText(lim.minLengthText);
        length = context_.parse(Edit18->text());
    }

    // Copper typed by hand must be there at all, or no width can exceed it.
    const bool manual = options.manualCopperShown();
    double baseCopper = options.baseCopperThickness(units);
    if (manual && baseCopper <= 0) {
        inform(lim.baseCopperMessage);
        options.Edit136->setText(lim.baseCopperText);
        baseCopper = options.baseCopperThickness(units);
    }
    double plating = 0;
    if (layer == Layer::External) {
        plating = options.platingThickness(units);
        if (manual && plating < 0) {
            inform(lim.platingMessage);
            options.Edit138->setText("0");
            plating = options.platingThickness(units);
        }
    }

    double boardThickness = context_.parse(Edit126->text());
    if (boardThickness < lim.minLength) {
        inform(lim.boardMessage);
        Edit126->setText(lim.minLengthText);
        boardThickness = context_.parse(Edit126->text());
    }
    double count = context_.parse(Edit128->text());
    if (count < 2) {
        inform("Parallel conductor count can't be less than 2");
        Edit128->setText("2");
        count = 2;
    }
    const double thicknessFactor =
        metric ? thicknessModifierMetric(boardThickness) : thicknessModifier(boardThickness);

    double planeFactor = 1.0;
    if (RadioGroup2->itemIndex() == 1) {
        double distance = context_.parse(Edit132->text());
        if (distance < lim.minLength) {
            inform(lim.planeMessage);
            Edit132->setText(lim.minLengthText);
            distance = context_.parse(Edit132->text());
        }
        const auto weight = options.RadioGroup5->itemIndex() == 1 ? PlaneWeight::TwoOunce
                                                                  : PlaneWeight::HalfOrOneOunce;
        planeFactor =
            metric ? planeModifierMetric(weight, distance) : planeModifier(weight, distance);
    }

    const double t = baseCopper + plating;
    if (metric)
        showResult(info.Label56, "%3.0f um", t * 1000);
    else
        showResult(info.Label56, "%.2f mils", t);
    info.Label110->setText("N/A");
    info.Label285->setText("N/A");

    const bool solveForWidth =
        ruleSet != RuleSet::Ipc2152WithModifiers && RadioGroup8->itemIndex() == 1;
    double entry = context_.parse(Edit15->text());
    // The copper is a sum of table values (0.7 + 1.4 is not exactly 2.1), so a width typed
    // equal to the thickness shown counts as equal.
    if (!solveForWidth && entry <= t * (1 + 1e-12)) {
        inform("Conductor width can't be less than or equal to conductor thickness");
        Edit15->setText(generalFloatText(1.5 * t, mode));
        // The corrected width is calculated at once; a pass that is itself the correction's
        // goes on with it rather than correcting again.
        if (!correctingWidth_) {
            correctingWidth_ = true;
            struct Reset {
                bool &flag;
                ~Reset() { flag = false; }
            } reset{correctingWidth_};
            context_.recalculate();
            return;
        }
        entry = context_.parse(Edit15->text());
    }

    const double parallelCount = RadioGroup15->itemIndex() == 1 ? count : 1.0;
    double current = 0;
    double areaSqMils = 0;
    if (!solveForWidth) {
        const double area = conductorCrossSection(etch, entry, t, parallelCount);
        showResult(Edit16, metric ? "%.3f Sq.mm" : "%.2f Sq.mils", area);
        areaSqMils = metric ? sqMmToSqMils(area) : area;
        ConductorModifiers mods;
        mods.chart =
            metric ? LookupChartModifierMetric(rise, area) : LookupChartModifier(rise, area);
        mods.thickness = thicknessFactor;
        mods.plane = planeFactor;
        mods.material = context_.MaterialModifier;
        mods.parallelCount = parallelCount;
        current = conductorCurrent(ruleSet, layer, rise, areaSqMils, mods);
        showResult(Edit17, "%.4f Amps", current);
    } else {
        current = entry;
        if (current < 0) {
            inform("Conductor current can't be negative");
            return;
        }
        const double k = relationCoefficient(ruleSet, layer);
        const double needed = areaForCurrent(k, rise, current);
        const double area = metric ? sqMilsToSqMm(needed) : needed;
        showResult(Edit16, metric ? "%.3f Sq.mm" : "%.2f Sq.mils", area);
        areaSqMils = metric ? sqMmToSqMils(area) : area;
        const double width = conductorWidth(etch, area, t);
        const char *format = !metric ? "%.4f mils"
                             : ruleSet == RuleSet::Ipc2221 && etch == EtchFactor::OneToOne
                                 ? "%.3f mm"
                                 : "%.4f mm";
        showResult(Edit17, format, width);
        if (width < t)
            inform("Conductor width is less than conductor thickess");
    }

    const double rho =
        metric ? resistivityMetric(context_.ConductorTemp) : resistivity(context_.ConductorTemp);
    // Parallel conductors: the resistance of one of them.
    const double r = resistance(rho, length, areaSqMils / parallelCount);
    showResult(Edit20, "%.5f Ohms", r);
    const double power = powerDissipation(current, r);
    showResult(Edit48, "%.5f Watts", power);
    showResult(Edit78, "%.4f Volts", voltageDrop(current, r));

    if (!CheckBox1->isChecked()) {
        const double frequency = context_.parse(Edit130->text());
        if (frequency < 0) {
            inform("Frequency can't be negative");
            return;
        }
        const double depth = metric ? skinDepthMicrometres(frequency) : skinDepthMils(frequency);
        showResult(Edit129, metric ? "%.5f um" : "%.5f mils", depth);
        const double half = metric ? t / 2 * 1000 : t / 2;
        const double share = skinDepthPercentage(depth, half);
        checkFloatFaults(share);
        Edit134->setText(share >= 100 ? QStringLiteral("100%") : formatResult("%.2f %%", share));
        clearFloatFaults();
        setFontColour(Edit134, skinDepthLimited(depth, half) ? warningRed : resultNavy);
    }

    showResult(Edit135, "%.4f dBm", powerDbm(power));
}

} // namespace tw
