#include "calc/lines/differential_pair_panel.h"

#include "calc/lines/width_solver.h"
#include "ui/background_solve.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/info_panel.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"
#include "ui/second_opinion.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace tw {

using lines::PairArrangement;

namespace {

const QColor &kRed = warningRed;
const QColor kGreen(0, 255, 0);
const QColor kBlack(0, 0, 0);

const char *const kToleranceTexts[lines::kTolerancePositions] = {
    "2.5%", "5%", "7.5%", "10%", "12.5%", "15%", "17.5%", "20%", "22.5%", "25%"};

// The single-line models and the shielding term take mils.
constexpr double kMillimetresToMils = 1000.0 / 25.4;

// The model of one arrangement, in the units each closed form takes; used by the compute
// operation and by the width and spacing search alike.
lines::CoupledPairResult pairImpedance(PairArrangement arrangement, double w, double s, double h,
                                       double h2, double t, double er, bool metric)
{
    const double toMils = metric ? kMillimetresToMils : 1.0;
    switch (arrangement) {
    case PairArrangement::EdgeCoupledExternal:
        return lines::EdgeCoupledMicrostrip(w, s, h, t, er);
    case PairArrangement::EdgeCoupledInternalSymmetric:
        return lines::EdgeCoupledStripline(
            w, s, h, t, er, metric ? lines::StriplineForm::Rounded : lines::StriplineForm::PiForm);
    case PairArrangement::EdgeCoupledInternalAsymmetric:
        return lines::EdgeCoupledOffsetStripline(w * toMils, s * toMils, h * toMils, h2 * toMils,
                                                 t * toMils, er);
    case PairArrangement::EdgeCoupledEmbedded:
        return lines::EdgeCoupledEmbeddedMicrostrip(w * toMils, s * toMils, h * toMils, h2 * toMils,
                                                    t * toMils, er);
    case PairArrangement::BroadsideCoupledShielded:
        return lines::BroadsideCoupledShielded(w * toMils, s * toMils, h * toMils, t * toMils, er);
    case PairArrangement::BroadsideCoupledUnshielded:
        return lines::BroadsideCoupledUnshielded(w, s, t, er);
    }
    return {};
}

} // namespace

IndicatorShape::IndicatorShape(QWidget *parent, const QString &name, const QString &hint)
    : QWidget(parent), color_(kRed)
{
    setObjectName(name);
    setHint(this, hint);
    setFixedSize(22, 22);
}

void IndicatorShape::setBrushColor(const QColor &color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void IndicatorShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(kBlack);
    painter.setBrush(color_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

DifferentialPairCalculator::DifferentialPairCalculator(QWidget *parent, Context &context)
    : context_(context)
{
    GroupBox8 = new QGroupBox(" Differential Pairs ", parent);
    GroupBox8->setObjectName("GroupBox8");
    const auto [leftColumn, rightColumn] = twoColumns(GroupBox8);
    // The picture column takes what the entries and results leave; the picture narrows to fit.
    rightColumn->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    rightColumn->setMinimumWidth(200);
    Form form(
        leftColumn, [this] { context_.recalculate(); }, &units_);

    form.input({"Label38", "Conductor Width (W)", "Edit21", "10",
                "Enter the total width of the conductor.", "Edit62", "mils", "mm", 10})
        .to(Label38, Edit21, Edit62);
    form.input({"Label39", "Conductor Spacing (S)", "Edit26", "5",
                "Enter the distance between the conductors.", "Edit63", "mils", "mm", 11})
        .to(Label39, Edit26, Edit63);
    form.input({"Label40", "Conductor Height (H)", "Edit27", "15",
                "Enter the conductor's distance above its reference plane.", "Edit64", "mils", "mm",
                12})
        .to(Label40, Edit27, Edit64);
    form.input({"Label58", "Conductor Height (H2)", "Edit32", "5",
                "Enter the conductor's distance below its reference plane.", "Edit65", "mils", "mm",
                13})
        .to(Label58, Edit32, Edit65);
    form.input({"Label240", "Target Zdiff", "Edit151", "100",
                "Enter the target differential impedance.", "Edit152", "Ohms"})
        .to(Label240, Edit151, Edit152);
    for (Edit *length : {Edit21, Edit26, Edit27, Edit32})
        length->setMaxLength(8);

    auto *solving = new QWidget(leftColumn);
    auto *solvingRow = new QHBoxLayout(solving);
    solvingRow->setContentsMargins(0, 0, 0, 0);
    SolvePairFor =
        new RadioGroup(solving, "SolvePairFor", " Solve For ", {"Width", "Spacing"}, 0, 2);
    setHint(SolvePairFor, "Choose what the target Zdiff is solved for; the other stays as it is.");
    SolvePair = new QPushButton("Solve for Target", solving);
    SolvePair->setObjectName("SolvePair");
    setHint(SolvePair, "Find the width or spacing that gives the target Zdiff.");
    solvingRow->addWidget(SolvePairFor);
    solvingRow->addWidget(SolvePair, 0, Qt::AlignBottom);
    solvingRow->addStretch(1);
    form.addWide(solving);
    QObject::connect(SolvePair, &QPushButton::clicked, SolvePair,
                     [this] { guardEvent([this] { SolvePairClick(); }); });

    auto *tolerance = new QWidget(leftColumn);
    auto *toleranceRow = new QHBoxLayout(tolerance);
    toleranceRow->setContentsMargins(0, 0, 0, 0);
    Label46 = makeLabel(tolerance, "Label46", "10%");
    TrackBar1 = new QSlider(Qt::Horizontal, tolerance);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setRange(0, lines::kTolerancePositions - 1);
    TrackBar1->setPageStep(1);
    TrackBar1->setValue(3);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    setHint(TrackBar1, "Slide to desired tolerance.");
    toleranceRow->addWidget(Label46);
    toleranceRow->addWidget(TrackBar1, 1);
    Label45 = form.field("Label45", "+/- Tolerance =", tolerance);
    QObject::connect(TrackBar1, &QSlider::valueChanged, TrackBar1,
                     [this] { guardEvent([this] { TrackBar1Change(); }); });
    form.addSpacing();

    form.result({"Label43", "Zo", "Edit28"}).to(Label43, Edit28);
    form.result({"Label44", "Zdifferential", "Edit29"}).to(Label44, Edit29);
    Edit30 = form.result({"", "", "Edit30", {}, "+ Tolerance of Zdiff."}).box;
    Shape1 = new IndicatorShape(
        leftColumn, "Shape1",
        "Indicates if the Zdifferential value is within tolerance of the target Zdiff.");
    form.grid()->addWidget(Shape1, form.nextRow() - 1, 3, Qt::AlignLeft);
    Edit31 = form.result({"", "", "Edit31", {}, "- Tolerance of Zdiff."}).box;
    const RowEntry fieldSolver{"FieldSolverLabel",
                               "Field Solver Zdiff",
                               "FieldSolverZdiff",
                               {},
                               "Differential impedance of the cross-section by a 2-D field solver, "
                               "and the closed form's difference from it."};
    form.result(fieldSolver).to(FieldSolverLabel, FieldSolverZdiff);
    form.addStretch();

    // The cross-section beside the entries it is drawn from, its ratios and limits under it.
    Form right = form.nested(rightColumn);
    const std::array<std::pair<const char *, PairArrangement>, 6> pictures{{
        {"Image1", PairArrangement::EdgeCoupledExternal},
        {"Image4", PairArrangement::EdgeCoupledInternalSymmetric},
        {"Image23", PairArrangement::EdgeCoupledInternalAsymmetric},
        {"Image21", PairArrangement::EdgeCoupledEmbedded},
        {"Image17", PairArrangement::BroadsideCoupledShielded},
        {"Image18", PairArrangement::BroadsideCoupledUnshielded},
    }};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto [name, arrangement] = pictures[i];
        images_[i] = new CrossSectionPicture(rightColumn, name,
                                             pairCrossSection(arrangement, 10, 5, 15, 5, 1.4));
        images_[i]->setVisible(i == 0);
        right.addWide(images_[i], Qt::AlignLeft);
    }
    right.addSpacing();
    right.resultLabel({"Label47", "W/H = ", "Label49"}).to(Label47, Label49);
    right.resultLabel({"Label48", "S/H = ", "Label50"}).to(Label48, Label50);
    Label87 = right.note("Label87", "Formula Restrictions:");
    Label88 = right.note("Label88", "0.1 < W/H < 3.0");
    Label89 = right.note("Label89", "0.1 < S/H < 3.0");

    Label192 = right.note("Label192", "Attention!");
    setFontColour(Label192, kRed);
    Label259 = right.note("Label259", "Please use Edge Cpld Int Sym Calculator if H1 = H2");
    Label192->hide();
    Label259->hide();
    Image1 = images_[0];
    Image4 = images_[1];
    Image23 = images_[2];
    Image21 = images_[3];
    Image17 = images_[4];
    Image18 = images_[5];
    right.addStretch();
    fieldSolve_ = std::make_unique<SolveAside<lines::FieldPairResult>>(GroupBox8);
}

DifferentialPairCalculator::~DifferentialPairCalculator() = default;

void DifferentialPairCalculator::solveField(PairArrangement arrangement,
                                            const lines::PairGeometry &geometry, double zdiff,
                                            bool zdiffValid)
{
    if (!zdiffValid) {
        fieldSolve_->cancel();
        showNoSecondOpinion(FieldSolverZdiff);
        return;
    }
    std::function<lines::FieldPairResult()> solve = [arrangement, geometry] {
        return lines::FieldSolvePair(arrangement, geometry);
    };
    std::function<void(const lines::FieldPairResult &)> show =
        [this, zdiff](const lines::FieldPairResult &r) {
            if (r.valid)
                showSecondOpinion(FieldSolverZdiff, r.zdiff, zdiff);
            else
                showNoSecondOpinion(FieldSolverZdiff);
        };
    // A window nobody sees (a batch run) gets its results before the recalculation returns.
    fieldSolve_->show({double(arrangement), geometry.w, geometry.s, geometry.h, geometry.h2,
                       geometry.t, geometry.er},
                      context_.solveInBackground && GroupBox8->isVisible(), std::move(solve),
                      std::move(show), [this] { showSolving(FieldSolverZdiff); });
}

void DifferentialPairCalculator::declareUnits(UnitSwitch &units)
{
    units_.declareTo(units);
}

void DifferentialPairCalculator::layerSelected(int itemIndex)
{
    if (itemIndex < 0 || itemIndex >= static_cast<int>(images_.size()))
        return;
    const auto arrangement = static_cast<PairArrangement>(itemIndex);
    const bool twoHeights = arrangement == PairArrangement::EdgeCoupledInternalAsymmetric ||
                            arrangement == PairArrangement::EdgeCoupledEmbedded;
    const bool broadside = arrangement == PairArrangement::BroadsideCoupledShielded ||
                           arrangement == PairArrangement::BroadsideCoupledUnshielded;

    Label40->setText(twoHeights ? "Conductor Height (H1)" : "Conductor Height (H)");
    for (QWidget *w : std::initializer_list<QWidget *>{Label58, Edit32, Edit65})
        w->setVisible(twoHeights);
    Label43->setVisible(!broadside);
    Edit28->setVisible(!broadside);

    switch (arrangement) {
    case PairArrangement::EdgeCoupledInternalSymmetric:
    case PairArrangement::BroadsideCoupledShielded:
        setHint(Edit27, "Enter the distance between the two reference planes.");
        break;
    case PairArrangement::BroadsideCoupledUnshielded:
        setHint(Edit27, "Enter the total thickness of the substrate.");
        break;
    default:
        setHint(Edit27, "Enter the conductor's distance above its reference plane.");
        break;
    }
    if (arrangement == PairArrangement::EdgeCoupledInternalAsymmetric)
        setHint(Edit32, "Enter the conductor's distance below its reference plane.");
    else if (arrangement == PairArrangement::EdgeCoupledEmbedded)
        setHint(Edit32, "Enter the total thickness of the substrate.");

    // Only the surface pair carries plating.
    OptionsPanel &options = *context_.options;
    const bool plated = arrangement == PairArrangement::EdgeCoupledExternal;
    for (QWidget *w : std::initializer_list<QWidget *>{options.RadioGroup1, options.GroupBox32,
                                                       options.Edit138, options.Edit139})
        w->setEnabled(plated);

    for (std::size_t i = 0; i < images_.size(); ++i)
        images_[i]->setVisible(static_cast<int>(i) == itemIndex);
    Label192->hide();
    Label259->hide();
}

void DifferentialPairCalculator::SolvePairClick()
{
    // The entries are checked and corrected first, so the search starts from what is shown.
    context_.recalculate();
    const int index = context_.options->RadioGroup3->itemIndex();
    if (index < 0 || index >= static_cast<int>(images_.size()))
        return;
    const auto arrangement = static_cast<PairArrangement>(index);
    const bool metric = context_.metric();
    const UnitSystem units = metric ? UnitSystem::Metric : UnitSystem::Imperial;
    OptionsPanel &options = *context_.options;
    const double t =
        options.baseCopperThickness(units) + (arrangement == PairArrangement::EdgeCoupledExternal
                                                  ? options.platingThickness(units)
                                                  : 0.0);
    const auto parse = [this](const Edit *box) { return context_.parse(box->text()); };
    const double w = parse(Edit21);
    const double s = parse(Edit26);
    const double h = parse(Edit27);
    const bool twoHeights = arrangement == PairArrangement::EdgeCoupledInternalAsymmetric ||
                            arrangement == PairArrangement::EdgeCoupledEmbedded;
    const double h2 = twoHeights ? parse(Edit32) : 0.0;
    const double er = parse(options.Edit7);
    const double target = parse(Edit151);
    const bool spacing = SolvePairFor->itemIndex() == 1;
    const bool broadside = arrangement == PairArrangement::BroadsideCoupledShielded ||
                           arrangement == PairArrangement::BroadsideCoupledUnshielded;
    if (!(h > 0) || !(target > 0))
        return;

    const auto zdiff = [&](double x) -> std::optional<double> {
        const double trialW = spacing ? w : x;
        const double trialS = spacing ? x : s;
        // A broadside pair that leaves no dielectric to its planes is no answer.
        if (broadside && !lines::broadsideFits(h, t, trialS))
            return std::nullopt;
        const lines::CoupledPairResult r =
            pairImpedance(arrangement, trialW, trialS, h, h2, t, er, metric);
        return r.valid ? std::optional<double>(r.zdiff) : std::nullopt;
    };
    const lines::WidthSolution found = lines::solveForImpedance(zdiff, target, h * 1e-3, h * 100);
    const QString unknown = spacing ? QStringLiteral("spacing") : QStringLiteral("width");
    if (!found.reached) {
        const QString reach =
            found.anyValid ? formatResult("%.1f", found.lowest) + " to " +
                                 formatResult("%.1f", found.highest) + " Ohms for this stack-up"
                           : "no " + unknown + " gives an impedance for this stack-up";
        context_.messages->information(localDecimals("No conductor " + unknown + " gives " +
                                                         formatResult("%.1f", target) +
                                                         " Ohms: " + reach,
                                                     context_.decimalMode));
        return;
    }
    const double step = metric ? 1e6 : 1e4;
    (spacing ? Edit26 : Edit21)
        ->setText(generalFloatText(std::round(found.value * step) / step, context_.decimalMode));
    context_.recalculate();
}

void DifferentialPairCalculator::TrackBar1Change()
{
    Label46->setText(
        kToleranceTexts[std::clamp(TrackBar1->value(), 0, lines::kTolerancePositions - 1)]);
    context_.recalculate();
}

QString DifferentialPairCalculator::lengthReplacement() const
{
    return context_.metric() ? literal(context_.decimalMode, "0.0254") : QStringLiteral("1");
}

bool DifferentialPairCalculator::refuseNonPositive(double value, Edit *box, const char *message,
                                                   const QString &replacement)
{
    if (value > 0.0)
        return false;
    context_.messages->information(message);
    box->setText(replacement);
    // The nested run writes every result with the replaced value.
    context_.recalculate();
    return true;
}

void DifferentialPairCalculator::showImpedance(Edit *box, bool valid, double value)
{
    if (valid)
        showResult(box, "%.3f Ohms", value);
    else
        box->setText("Error");
}

void DifferentialPairCalculator::showRatio(QLabel *label, bool valid, double ratio)
{
    if (!valid) {
        label->setText("Error");
        setFontColour(label, kRed);
        return;
    }
    checkFloatFaults(ratio);
    const QString text = formatResult("%.3f", ratio);
    if (lines::ratioInFormulaRange(ratio)) {
        label->setText(text);
        setFontColour(label, kBlack);
    } else {
        label->setText(text + " Warning!");
        setFontColour(label, kRed);
    }
}

void DifferentialPairCalculator::CalcDifferentialPairs()
{
    InfoPanel &info = *context_.info;
    OptionsPanel &options = *context_.options;
    info.Label110->setText("N/A");
    info.Label285->setText("N/A");

    const bool metric = context_.metric();
    const UnitSystem units = metric ? UnitSystem::Metric : UnitSystem::Imperial;
    const double tb = options.baseCopperThickness(units);
    const double tp = options.platingThickness(units);

    const double er = context_.parse(options.Edit7->text());
    if (er < 1.0) {
        context_.messages->information("Minimum dielectric constant value can't be less than 1");
        options.Edit7->setText("1");
        context_.recalculate();
        return;
    }

    const double w = context_.parse(Edit21->text());
    if (refuseNonPositive(w, Edit21, "Conductor width cannot be less than or equal to zero.",
                          lengthReplacement()))
        return;
    const double s = context_.parse(Edit26->text());
    if (refuseNonPositive(s, Edit26, "Conductor spacing cannot be less than or equal to zero.",
                          lengthReplacement()))
        return;

    const int index = options.RadioGroup3->itemIndex();
    if (index < 0 || index >= static_cast<int>(images_.size()))
        return;
    const auto arrangement = static_cast<PairArrangement>(index);

    double h = context_.parse(Edit27->text());
    if (refuseNonPositive(h, Edit27, "Conductor height cannot be less than or equal to zero.",
                          lengthReplacement()))
        return;
    double h2 = 0.0;
    if (arrangement == PairArrangement::EdgeCoupledInternalAsymmetric ||
        arrangement == PairArrangement::EdgeCoupledEmbedded) {
        h2 = context_.parse(Edit32->text());
        if (refuseNonPositive(h2, Edit32, "Conductor height cannot be less than or equal to zero.",
                              lengthReplacement()))
            return;
    }

    const double t = arrangement == PairArrangement::EdgeCoupledExternal ? tb + tp : tb;
    const bool broadside = arrangement == PairArrangement::BroadsideCoupledShielded ||
                           arrangement == PairArrangement::BroadsideCoupledUnshielded;
    if (broadside && !lines::broadsideFits(h, t, s)) {
        context_.messages->information(
            "Conductor height can't be less than or equal to conductor thickness + spacing");
        // 4T + S leaves each conductor T from its plane. The correction is used as written, in
        // this pass; where it still does not fit (no copper typed by hand, or a spacing so large
        // that the sum rounds back to it) the results show the error instead of repeating.
        if (t > 0.0) {
            Edit27->setText(generalFloatText(4.0 * t + s, context_.decimalMode));
            h = context_.parse(Edit27->text());
        }
        if (!lines::broadsideFits(h, t, s)) {
            for (Edit *box : {Edit29, Edit30, Edit31})
                showImpedance(box, false, 0.0);
            solveField(arrangement, {}, 0.0, false);
            Shape1->setBrushColor(kRed);
            return;
        }
    }

    images_[static_cast<std::size_t>(index)]->setCrossSection(
        pairCrossSection(arrangement, w, s, h, h2, t));

    if (metric)
        showResult(info.Label56, "%3.0f um", t * 1000.0);
    else
        showResult(info.Label56, "%.2f mils", t);

    const lines::CoupledPairResult pair = pairImpedance(arrangement, w, s, h, h2, t, er, metric);
    double hr = h;
    if (arrangement == PairArrangement::EdgeCoupledInternalAsymmetric) {
        const bool centred = h == h2;
        Label192->setVisible(centred);
        Label259->setVisible(centred);
        hr = h + h2 + t;
    } else if (arrangement == PairArrangement::EdgeCoupledEmbedded) {
        hr = h2;
    }

    if (!broadside)
        showImpedance(Edit28, pair.valid, pair.zo);
    showImpedance(Edit29, pair.valid, pair.zdiff);
    solveField(arrangement, {w, s, h, h2, t, er}, pair.zdiff, pair.valid);

    const lines::ToleranceBand band = lines::ZdiffToleranceFactors(TrackBar1->value());
    showImpedance(Edit30, pair.valid, pair.zdiff * band.plus);
    showImpedance(Edit31, pair.valid, pair.zdiff * band.minus);

    const double target = context_.parse(Edit151->text());
    if (refuseNonPositive(target, Edit151, "Target Zdiff cannot be less than or equal to zero.",
                          QStringLiteral("100")))
        return;
    Shape1->setBrushColor(pair.valid && lines::withinTolerance(pair.zdiff, target, band) ? kGreen
                                                                                         : kRed);

    // A negative thickness typed by hand can leave no plane distance to divide by.
    const bool hasHeight = hr > 0.0;
    showRatio(Label49, hasHeight, hasHeight ? w / hr : 0.0);
    showRatio(Label50, hasHeight, hasHeight ? s / hr : 0.0);
}

} // namespace tw
