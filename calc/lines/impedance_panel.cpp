#include "calc/lines/impedance_panel.h"

#include "ui/background_solve.h"
#include "ui/context.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/info_panel.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"
#include "ui/second_opinion.h"

#include <algorithm>
#include <utility>

namespace tw {

using lines::LineTopology;

namespace {

enum Topology {
    Microstrip = 0,
    MicrostripEmbed = 1,
    Stripline = 2,
    StriplineAsym = 3,
    DualStripline = 4,
    CoplanarWave = 5,
};

const char *const heightMessage = "Conductor height cannot be less less than or equal to zero.";
const char *const errorText = "Error";

const QColor normalBlack(0, 0, 0);

} // namespace

ImpedanceCalculator::ImpedanceCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox15 = new QGroupBox(" Conductor Impedance ", parent);
    GroupBox15->setObjectName("GroupBox15");
    const auto [leftColumn, rightColumn] = twoColumns(GroupBox15);

    // Hidden rows take no room in a grid, so the visible inputs close up.
    Form form(
        leftColumn, [this] { context_.recalculate(); }, &units_);
    form.input({"Label100", "Conductor Width (W)", "Edit67", "5",
                "Enter the total width of the conductor.", "Edit71", "mils", "mm", 15})
        .to(Label100, Edit67, Edit71);
    form.input({"Label101", "Conductor Height (H)", "Edit68", "10",
                "Enter the conductor's height above its reference plane.", "Edit72", "mils", "mm",
                16})
        .to(Label101, Edit68, Edit72);
    form.input({"Label104", "Conductor Height (H2)", "Edit74", "8",
                "Enter the conductor's distance above its reference plane.", "Edit75", "mils", "mm",
                17})
        .to(Label104, Edit74, Edit75);
    form.input({"Label288", "Frequency (MHz)", "Edit226", "500", "Enter the frequency in MHz."})
        .to(Label288, Edit226);
    form.input({"TargetZoLabel", "Target Zo", "TargetZo", "50",
                "Enter the impedance the conductor width should give.", "TargetZoUnit", "Ohms"})
        .to(TargetZoLabel, TargetZo);
    TargetZo->onEnter = [this] { SolveForWClick(); };
    SolveForW = new QPushButton("Solve for W", leftColumn);
    SolveForW->setObjectName("SolveForW");
    setHint(SolveForW, "Find the conductor width that gives the target Zo.");
    form.field({}, {}, SolveForW);
    QObject::connect(SolveForW, &QPushButton::clicked, SolveForW,
                     [this] { guardEvent([this] { SolveForWClick(); }); });
    form.addSpacing(14);

    form.result({"Label103", "Zo", "Edit70", {}, "Characteristic impedance of the conductor."})
        .to(Label103, Edit70);
    const RowEntry fieldSolver{
        "FieldSolverLabel",
        "Field Solver Zo",
        "FieldSolverZo",
        {},
        "Characteristic impedance of the cross-section by a 2-D field solver, "
        "and the closed form's difference from it."};
    form.result(fieldSolver).to(FieldSolverLabel, FieldSolverZo);
    form.result({"Label115", "Tpd", "Edit77", {}, "Propagation delay per unit length."})
        .to(Label115, Edit77);
    form.result({"Label114", "Co", "Edit76", {}, "Capacitance per unit length."})
        .to(Label114, Edit76);
    form.result({"Label54", "Lo", "Edit73", {}, "Inductance per unit length."}).to(Label54, Edit73);
    form.resultLabel({"Label289", "Er Effective = ", "Label290"}).to(Label289, Label290);
    Label116 = form.note("Label116", QString());
    Label188 = form.note("Label188", "Attention!");
    Label191 = form.note("Label191", "Please use Stripline Calculator if H1 = H2");
    setFontColour(Label188, warningRed);
    form.addStretch();

    Form right = form.nested(rightColumn);
    const std::pair<const char *, LineTopology> pictures[] = {
        {"Image8", LineTopology::Microstrip},     {"Image16", LineTopology::MicrostripEmbed},
        {"Image22", LineTopology::Stripline},     {"Image9", LineTopology::StriplineAsym},
        {"Image47", LineTopology::DualStripline}, {"Image19", LineTopology::CoplanarWave}};
    for (std::size_t i = 0; i < images_.size(); ++i) {
        const auto [name, topology] = pictures[i];
        images_[i] =
            new CrossSectionPicture(rightColumn, name, lineCrossSection(topology, 5, 10, 8, 1.4));
        right.addWide(images_[i], Qt::AlignLeft);
    }
    Image8 = images_[0];
    Image16 = images_[1];
    Image22 = images_[2];
    Image9 = images_[3];
    Image47 = images_[4];
    Image19 = images_[5];

    SpeedButton1 = new QToolButton(rightColumn);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("?");
    setHint(SpeedButton1, "Why is the conductor thickness disabled?");
    Label57 = right.field("Label57", "Formula Restrictions:", SpeedButton1);
    right.grid()->setAlignment(SpeedButton1, Qt::AlignLeft);
    Label85 = right.note("Label85", QString());
    Label86 = right.note("Label86", QString());
    Label246 = right.note("Label246", QString());
    right.resultLabel({"Label107", "(W) = ", "Label108"}).to(Label107, Label108);
    right.resultLabel({"Label111", "(H) = ", "Label112"}).to(Label111, Label112);
    right.resultLabel({"Label260", "Ohm = ", "Label261"}).to(Label260, Label261);
    Label281 = right.note("Label281", "Note:");
    Label282 = right.note("Label282", "This calculator uses a complex formula, not the simplified");
    Label283 =
        right.note("Label283", "formula. Its results closely track a commercial 3D field solver.");
    right.addStretch();

    QObject::connect(SpeedButton1, &QToolButton::clicked, SpeedButton1,
                     [this] { guardEvent([this] { SpeedButton1Click(); }); });

    fieldSolve_ = std::make_unique<SolveAside<lines::FieldLineResult>>(GroupBox15);
    layerSelected(Microstrip);
}

ImpedanceCalculator::~ImpedanceCalculator() = default;

void ImpedanceCalculator::solveField(LineTopology topology, const lines::LineGeometry &geometry,
                                     double zo, bool zoValid)
{
    if (!zoValid) {
        fieldSolve_->cancel();
        showNoSecondOpinion(FieldSolverZo);
        return;
    }
    std::function<lines::FieldLineResult()> solve = [topology, geometry] {
        return lines::FieldSolveLine(topology, geometry);
    };
    std::function<void(const lines::FieldLineResult &)> show =
        [this, zo](const lines::FieldLineResult &r) {
            if (r.valid)
                showSecondOpinion(FieldSolverZo, r.z0, zo);
            else
                showNoSecondOpinion(FieldSolverZo);
        };
    // A window nobody sees (a batch run) gets its results before the recalculation returns.
    fieldSolve_->show(
        {double(topology), geometry.w, geometry.h, geometry.second, geometry.t, geometry.er, 0.0},
        context_.solveInBackground && GroupBox15->isVisible(), std::move(solve), std::move(show),
        [this] { showSolving(FieldSolverZo); });
}

void ImpedanceCalculator::declareUnits(UnitSwitch &units)
{
    units_.declareTo(units);
}

void ImpedanceCalculator::drawCrossSection(LineTopology topology, double w, double h, double second,
                                           double t)
{
    images_[static_cast<std::size_t>(topology)]->setCrossSection(
        lineCrossSection(topology, w, h, second, t));
}

void ImpedanceCalculator::SpeedButton1Click()
{
    context_.messages->information(
        "Conductor thickness is disabled for this calculator due to formula restrictions.");
}

void ImpedanceCalculator::layerSelected(int itemIndex)
{
    if (itemIndex < Microstrip || itemIndex > CoplanarWave)
        return;
    const auto index = static_cast<std::size_t>(itemIndex);
    const auto is = [itemIndex](std::initializer_list<int> topologies) {
        return std::find(topologies.begin(), topologies.end(), itemIndex) != topologies.end();
    };

    Label101->setText(is({MicrostripEmbed, StriplineAsym}) ? "Conductor Height (H1)"
                                                           : "Conductor Height (H)");
    static const char *const secondCaptions[] = {nullptr,
                                                 "Conductor Height (H2)",
                                                 nullptr,
                                                 "Conductor Height (H2)",
                                                 "Conductor Spacing (C)",
                                                 "Conductor Gap (G)"};
    if (secondCaptions[index])
        Label104->setText(secondCaptions[index]);
    const bool second = secondCaptions[index] != nullptr;
    for (QWidget *w : std::initializer_list<QWidget *>{Label104, Edit74, Edit75})
        w->setVisible(second);
    Edit226->setVisible(itemIndex == Microstrip);
    Label288->setVisible(itemIndex == Microstrip);

    static const char *const heightHints[] = {
        "Enter the conductor's distance above its reference plane.",
        "Enter the total thickness of the substrate.",
        "Enter the conductor's distance above and/or below its reference plane.",
        "Enter the conductor's distance below its reference plane.",
        "Enter the conductor's distance above and/or below its reference plane.",
        "Enter the conductor's distance below its reference plane."};
    setHint(Edit68, heightHints[index]);
    static const char *const secondHints[] = {
        nullptr,
        "Enter the conductor's distance above its reference plane.",
        nullptr,
        "Enter the conductor's distance above its reference plane.",
        "Enter the conductor to conductor distance.",
        "Enter the conductor to conductor distance."};
    if (secondHints[index])
        setHint(Edit74, secondHints[index]);

    for (std::size_t i = 0; i < images_.size(); ++i)
        images_[i]->setVisible(i == index);

    const bool restricted = is({MicrostripEmbed, Stripline, CoplanarWave});
    const bool heightChecked = is({MicrostripEmbed, Stripline});
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label107, Label108, Label57, Label85, Label86})
        w->setVisible(restricted);
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label111, Label112, Label246, Label260, Label261})
        w->setVisible(heightChecked);
    Label116->setVisible(itemIndex == StriplineAsym);
    Label188->hide();
    Label191->hide();
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label289, Label290, Label281, Label282, Label283})
        w->setVisible(itemIndex == Microstrip);
    for (QWidget *w :
         std::initializer_list<QWidget *>{Edit73, Edit76, Edit77, Label54, Label114, Label115})
        w->setVisible(itemIndex != CoplanarWave);
    SpeedButton1->setVisible(itemIndex == CoplanarWave);

    OptionsPanel *o = context_.options;
    if (!o)
        return;
    // The coplanar model ignores the thickness, so the copper is fixed at its usual stack.
    if (itemIndex == CoplanarWave)
        o->RadioGroup1->setItemIndex(2);
    const bool plating = itemIndex == Microstrip;
    for (QWidget *w :
         std::initializer_list<QWidget *>{o->RadioGroup1, o->GroupBox32, o->Edit138, o->Edit139})
        w->setEnabled(plating);
    if (itemIndex == CoplanarWave)
        o->RadioGroup4->setItemIndex(1);
    const bool base = itemIndex != CoplanarWave;
    for (QWidget *w :
         std::initializer_list<QWidget *>{o->RadioGroup4, o->GroupBox31, o->Edit136, o->Edit137})
        w->setEnabled(base);
}

QString ImpedanceCalculator::replacementLength() const
{
    return context_.metric() ? literal(context_.decimalMode, "0.0254") : QStringLiteral("1");
}

ImpedanceCalculator::Entry ImpedanceCalculator::checkPositive(Edit *box, double value,
                                                              const char *message)
{
    if (value > 0)
        return Entry::Accepted;
    context_.messages->information(message);
    box->setText(replacementLength());
    // The recalculation with the replaced entry writes every result, so this run stops here.
    context_.recalculate();
    return Entry::Corrected;
}

void ImpedanceCalculator::showCopper(double t)
{
    if (context_.metric())
        showResult(context_.info->Label56, "%3.0f um", t * 1000);
    else
        showResult(context_.info->Label56, "%.2f mils", t);
}

void ImpedanceCalculator::showPerLength(double tpd, double z, bool zValid,
                                        bool errorWhenNotPositive)
{
    const bool metric = context_.metric();
    auto show = [errorWhenNotPositive](Edit *box, const char *format, double value) {
        if (errorWhenNotPositive && !(value > 0))
            box->setText(errorText);
        else
            showResult(box, format, value);
    };
    show(Edit77, metric ? "%.4f ps/cm" : "%.4f ps/in", tpd);
    const lines::PerLengthResult perLength =
        zValid ? lines::LinePerLength(z, tpd) : lines::PerLengthResult{};
    if (!perLength.valid) {
        Edit76->setText(errorText);
        Edit73->setText(errorText);
        return;
    }
    show(Edit76, metric ? "%.4f pF/cm" : "%.4f pF/in", perLength.c0);
    show(Edit73, metric ? "%.4f nH/cm" : "%.4f nH/in", perLength.l0);
}

void ImpedanceCalculator::showRangeCheck(QLabel *label, double value, double low, double high)
{
    if (value >= low && value <= high) {
        label->setText(generalFloatText(value, context_.decimalMode));
        setFontColour(label, normalBlack);
    } else {
        label->setText(formatResult("%.1f", value) + " Warning!");
        setFontColour(label, warningRed);
    }
}

void ImpedanceCalculator::showImpedanceCheck(double z, bool valid)
{
    if (!valid) {
        Label261->setText(errorText);
        setFontColour(Label261, warningRed);
    } else if (z >= 40 && z <= 90) {
        showResult(Label261, "%.4f", z);
        setFontColour(Label261, normalBlack);
    } else {
        Label261->setText(formatResult("%.4f", z) + " Warning!");
        setFontColour(Label261, warningRed);
    }
}

void ImpedanceCalculator::showStriplineResult(lines::LineTopology topology, double er, double z,
                                              bool valid)
{
    if (valid)
        showResult(Edit70, "%.3f Ohms", z);
    else
        Edit70->setText(errorText);
    const lines::DelayResult delay = lines::propagationDelay(topology, er);
    showPerLength(context_.metric() ? delay.psPerCentimetre : delay.psPerInch, z, valid, true);
}

void ImpedanceCalculator::showLineError()
{
    for (Edit *e : {Edit70, Edit77, Edit76, Edit73})
        e->setText(errorText);
}

void ImpedanceCalculator::showWidthHeightChecks(const QString &heightName, double w, double h,
                                                double z, bool zValid)
{
    const bool metric = context_.metric();
    if (metric)
        setRestrictions("0.127mm < (W) < 0.381mm", "0.127mm < (" + heightName + ") < 0.381mm",
                        "40< Ohms < 90");
    else
        setRestrictions("5mils < (W) < 15mils", "5mils < (" + heightName + ") < 15mils",
                        "40< Ohms < 90");
    const double low = metric ? 0.1269 : 5;
    const double high = metric ? 0.3811 : 15;
    Label107->setText("(W) = ");
    showRangeCheck(Label108, w, low, high);
    Label111->setText("(H) = ");
    showRangeCheck(Label112, h, low, high);
    showImpedanceCheck(z, zValid);
}

void ImpedanceCalculator::setRestrictions(const QString &first, const QString &second,
                                          const QString &third)
{
    Label85->setText(first);
    Label86->setText(second);
    Label246->setText(third);
}

void ImpedanceCalculator::CalcConductorImpedance()
{
    OptionsPanel &o = *context_.options;
    const UnitSystem units = context_.metric() ? UnitSystem::Metric : UnitSystem::Imperial;
    const double tb = o.baseCopperThickness(units);
    const double tp = o.platingThickness(units);

    const double er = context_.parse(o.Edit7->text());
    if (er <= 1) {
        context_.messages->information("Minimum Er value can't be less than or equal to 1");
        o.Edit7->setText(literal(context_.decimalMode, "1.01"));
        context_.recalculate();
        return;
    }
    const double w = context_.parse(Edit67->text());
    if (checkPositive(Edit67, w, "Conductor width cannot be less less than or equal to zero.") ==
        Entry::Corrected)
        return;
    const double h = context_.parse(Edit68->text());
    if (checkPositive(Edit68, h, heightMessage) == Entry::Corrected)
        return;
    showResult(Label108, "%.3f", w / h);

    switch (o.RadioGroup3->itemIndex()) {
    case Microstrip:
        calcMicrostrip(w, h, tb + tp, er);
        break;
    case MicrostripEmbed:
        calcEmbedded(w, h, tb, er);
        break;
    case Stripline:
        calcStripline(w, h, tb, er);
        break;
    case StriplineAsym:
        calcOffsetStripline(w, h, tb, er);
        break;
    case DualStripline:
        calcDualStripline(w, h, tb, er);
        break;
    case CoplanarWave:
        calcCoplanar(w, h, tb + tp, er);
        break;
    default:
        break;
    }
}

void ImpedanceCalculator::calcMicrostrip(double w, double h, double t, double er)
{
    const double ghz = context_.parse(Edit226->text()) * 0.001;
    // The dispersion has no value below zero; say so and keep what the last pass showed.
    if (ghz < 0) {
        context_.messages->information("Frequency can't be negative");
        return;
    }
    drawCrossSection(LineTopology::Microstrip, w, h, 0, t);
    showCopper(t);
    const bool metric = context_.metric();
    const double wMm = metric ? w : w * 0.001 * 25.4;
    const double hMm = metric ? h : h * 0.001 * 25.4;
    const double tMm = metric ? t : t * 0.001 * 25.4;

    const lines::MicrostripResult line = lines::MicrostripLine(wMm, hMm, tMm, er, ghz, hMm);
    if (!line.valid) {
        // No conductor thickness: the model has no value there.
        Label290->setText(errorText);
        showLineError();
        solveField(LineTopology::Microstrip, {}, 0, false);
        return;
    }
    showResult(Label290, "%.4f", line.erEff);
    showResult(Edit70, "%.4f Ohms", line.z);
    solveField(LineTopology::Microstrip, {w, h, 0, t, er}, line.z, true);
    const lines::DelayResult delay = lines::propagationDelay(LineTopology::Microstrip, line.erEff);
    showPerLength(metric ? delay.psPerCentimetre : delay.psPerInch, line.z, true, false);
}

void ImpedanceCalculator::calcEmbedded(double w, double h1, double t, double er)
{
    showCopper(t);
    const bool metric = context_.metric();
    const double h2 = context_.parse(Edit74->text());
    if (checkPositive(Edit74, h2, heightMessage) == Entry::Corrected)
        return;
    drawCrossSection(LineTopology::MicrostripEmbed, w, h1, h2, t);
    // The formula wants the conductor inside the dielectric, with its thickness.
    if (t + h2 >= h1)
        context_.messages->information("Conductor Height2 can't be greater than or equal to "
                                       "Conductor Height1 + Copper Weight");

    const double toInch = metric ? 0.03937007874015748 : 0.001;
    const lines::EmbeddedMicrostripResult line =
        lines::EmbeddedMicrostripLine(w * toInch, h1 * toInch, h2 * toInch, t * toInch, er);
    if (line.valid) {
        showResult(Edit70, "%.4f Ohms", line.z);
        solveField(LineTopology::MicrostripEmbed, {w, h1, h2, t, er}, line.z, true);
        const lines::DelayResult delay =
            lines::propagationDelay(LineTopology::MicrostripEmbed, line.erPrime);
        showPerLength(metric ? delay.psPerCentimetre : delay.psPerInch, line.z, true, false);
    } else {
        showLineError();
        solveField(LineTopology::MicrostripEmbed, {}, 0, false);
    }

    showWidthHeightChecks("H1", w, h1, line.z, line.valid);
}

void ImpedanceCalculator::calcStripline(double w, double h, double t, double er)
{
    showCopper(t);
    const bool metric = context_.metric();
    drawCrossSection(LineTopology::Stripline, w, h, 0, t);
    const lines::StriplineResult line = lines::SymmetricStriplineLine(w, h, t, er);
    solveField(LineTopology::Stripline, {w, h, 0, t, er}, line.z, line.valid);
    if (line.valid) {
        showResult(Edit70, "%.3f Ohms", line.z);
        const lines::DelayResult delay = lines::propagationDelay(LineTopology::Stripline, er);
        showPerLength(metric ? delay.psPerCentimetre : delay.psPerInch, line.z, true, false);
    } else {
        showLineError();
    }

    showWidthHeightChecks("2H", w, h, line.z, line.valid);
}

void ImpedanceCalculator::calcOffsetStripline(double w, double h1, double t, double er)
{
    showCopper(t);
    const bool metric = context_.metric();
    const double h2 = context_.parse(Edit74->text());
    if (checkPositive(Edit74, h2, heightMessage) == Entry::Corrected)
        return;
    drawCrossSection(LineTopology::StriplineAsym, w, h1, h2, t);
    const bool centred = h1 == h2;
    Label188->setVisible(centred);
    Label191->setVisible(centred);

    const double toMils = metric ? 1000 / 25.4 : 1.0;
    const lines::OffsetStriplineResult line =
        lines::OffsetStriplineLine(w * toMils, h1 * toMils, h2 * toMils, t * toMils, er);
    Label116->setText(line.mode == lines::OffsetStriplineMode::Narrow ? "Narrow calculation mode"
                                                                      : "Wide calculation mode");
    solveField(LineTopology::StriplineAsym, {w, h1, h2, t, er}, line.z, line.valid);
    showStriplineResult(LineTopology::StriplineAsym, er, line.z, line.valid);
}

void ImpedanceCalculator::calcDualStripline(double w, double h, double t, double er)
{
    showCopper(t);
    const bool metric = context_.metric();
    const double d = context_.parse(Edit74->text());
    if (checkPositive(Edit74, d, "Conductor spacing cannot be less less than or equal to zero.") ==
        Entry::Corrected)
        return;
    drawCrossSection(LineTopology::DualStripline, w, h, d, t);
    const double toMils = metric ? 1000 / 25.4 : 1.0;
    const lines::StriplineResult line =
        lines::DualStriplineLine(w * toMils, h * toMils, d * toMils, t * toMils, er);
    solveField(LineTopology::DualStripline, {w, h, d, t, er}, line.z, line.valid);
    showStriplineResult(LineTopology::DualStripline, er, line.z, line.valid);
}

void ImpedanceCalculator::calcCoplanar(double w, double h, double t, double er)
{
    // The thickness is shown, though the model does not use it.
    showCopper(t);
    const bool metric = context_.metric();
    const double g = context_.parse(Edit74->text());
    if (checkPositive(Edit74, g, "Conductor gap cannot be less less than or equal to zero.") ==
        Entry::Corrected)
        return;
    drawCrossSection(LineTopology::CoplanarWave, w, h, g, t);
    const lines::CoplanarResult line = lines::GroundedCoplanarLine(w, h, g, er);
    solveField(LineTopology::CoplanarWave, {w, h, g, t, er}, line.z, line.valid);
    if (line.valid)
        showResult(Edit70, "%.4f Ohms", line.z);
    else
        Edit70->setText(errorText);

    Label107->setText("W/H = ");
    const double ratio = w / h;
    showResult(Label108, "%.3f", ratio);
    // The ratio has no unit, so both systems share one window.
    setFontColour(Label108, ratio >= 0.1 && ratio < 2.0 ? normalBlack : warningRed);

    setRestrictions("0.1 < W/H < 2.0",
                    metric ? formatResult("T = %.0fum", t * 1000) : formatResult("T = %.2fmils", t),
                    Label246->text());
}

} // namespace tw
