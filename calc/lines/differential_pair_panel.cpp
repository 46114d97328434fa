#include "calc/lines/differential_pair_panel.h"

#include "ui/info_panel.h"
#include "ui/context.h"
#include "ui/event_guard.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

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

// Drawing in a 100 x 50 frame scaled to the widget.
class Sketch {
public:
    Sketch(QPainter &painter, const QRect &area)
        : p_(painter), sx_(area.width() / 100.0), sy_(area.height() / 50.0)
    {
    }

    QRectF box(double x1, double y1, double x2, double y2) const
    {
        return {x1 * sx_, y1 * sy_, (x2 - x1) * sx_, (y2 - y1) * sy_};
    }
    void plane(double y1, double y2) { fill(box(4, y1, 96, y2), QColor(150, 150, 150)); }
    void dielectric(double y1, double y2) { fill(box(4, y1, 96, y2), QColor(205, 230, 195)); }
    void conductor(double x1, double y1, double x2, double y2)
    {
        fill(box(x1, y1, x2, y2), QColor(205, 127, 50));
    }

    // Dimension line between two heights, its name beside it.
    void vertical(double x, double y1, double y2, const QString &name, bool nameLeft = false)
    {
        const QPointF a(x * sx_, y1 * sy_);
        const QPointF b(x * sx_, y2 * sy_);
        dimension(a, b);
        const QRectF label = nameLeft ? QRectF(a.x() - 26, (a.y() + b.y()) / 2 - 8, 22, 16)
                                      : QRectF(a.x() + 3, (a.y() + b.y()) / 2 - 8, 26, 16);
        p_.drawText(label, (nameLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, name);
    }
    // Dimension line between two abscissas, its name above it.
    void horizontal(double x1, double x2, double y, const QString &name)
    {
        const QPointF a(x1 * sx_, y * sy_);
        const QPointF b(x2 * sx_, y * sy_);
        dimension(a, b);
        p_.drawText(QRectF((a.x() + b.x()) / 2 - 15, a.y() - 16, 30, 14), Qt::AlignCenter, name);
    }

private:
    void fill(const QRectF &r, const QColor &color)
    {
        p_.setPen(color.darker(140));
        p_.setBrush(color);
        p_.drawRect(r);
    }
    void dimension(QPointF a, QPointF b)
    {
        p_.setPen(QColor(0, 0, 128));
        p_.drawLine(a, b);
        const bool upright = a.x() == b.x();
        const double s = 3.0;
        for (const auto &[tip, sign] : {std::pair{a, 1.0}, std::pair{b, -1.0}}) {
            if (upright) {
                p_.drawLine(tip, tip + QPointF(-s, sign * s));
                p_.drawLine(tip, tip + QPointF(s, sign * s));
            } else {
                p_.drawLine(tip, tip + QPointF(sign * s, -s));
                p_.drawLine(tip, tip + QPointF(sign * s, s));
            }
        }
        p_.setPen(kBlack);
    }

    QPainter &p_;
    double sx_;
    double sy_;
};

// Two conductors side by side at one height, with W, S and T marked.
void edgePair(Sketch &k, double top, double bottom)
{
    k.conductor(28, top, 44, bottom);
    k.conductor(54, top, 70, bottom);
    k.horizontal(28, 44, top - 2, "W");
    k.horizontal(44, 54, top - 2, "S");
    k.vertical(25, top, bottom, "T", true);
}

// Two conductors one above the other, with W, S and T marked.
void broadsidePair(Sketch &k, double upperTop, double lowerTop, double thickness)
{
    k.conductor(36, upperTop, 58, upperTop + thickness);
    k.conductor(36, lowerTop, 58, lowerTop + thickness);
    k.horizontal(36, 58, upperTop - 2, "W");
    k.vertical(62, upperTop + thickness, lowerTop, "S");
    k.vertical(33, lowerTop, lowerTop + thickness, "T", true);
}

} // namespace

PairCrossSection::PairCrossSection(QWidget *parent, const QString &name,
                                   PairArrangement arrangement)
    : QWidget(parent), arrangement_(arrangement)
{
    setObjectName(name);
    setMinimumSize(240, 120);
}

void PairCrossSection::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Sketch k(painter, rect());
    switch (arrangement_) {
    case PairArrangement::EdgeCoupledExternal:
        k.dielectric(26, 42);
        k.plane(42, 46);
        edgePair(k, 22, 26);
        k.vertical(82, 26, 42, "H");
        break;
    case PairArrangement::EdgeCoupledInternalSymmetric:
        k.plane(4, 8);
        k.dielectric(8, 42);
        k.plane(42, 46);
        edgePair(k, 23, 27);
        k.vertical(84, 8, 42, "H");
        break;
    case PairArrangement::EdgeCoupledInternalAsymmetric:
        k.plane(4, 8);
        k.dielectric(8, 42);
        k.plane(42, 46);
        edgePair(k, 29, 33);
        k.vertical(78, 33, 42, "H1");
        k.vertical(78, 8, 29, "H2");
        break;
    case PairArrangement::EdgeCoupledEmbedded:
        k.dielectric(10, 42);
        k.plane(42, 46);
        edgePair(k, 25, 29);
        k.vertical(76, 29, 42, "H1");
        k.vertical(87, 10, 42, "H2");
        break;
    case PairArrangement::BroadsideCoupledShielded:
        k.plane(4, 8);
        k.dielectric(8, 42);
        k.plane(42, 46);
        broadsidePair(k, 16, 29, 4);
        k.vertical(84, 8, 42, "H");
        break;
    case PairArrangement::BroadsideCoupledUnshielded:
        k.dielectric(8, 44);
        broadsidePair(k, 16, 30, 4);
        k.vertical(84, 8, 44, "H");
        break;
    }
}

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
    auto *column = new QVBoxLayout(GroupBox8);

    auto *inputs = new QGridLayout;
    column->addLayout(inputs);
    int row = 0;
    auto inputRow = [&](QLabel *&label, const char *labelName, const char *caption, Edit *&box,
                        const char *boxName, const char *text, const char *hint, Edit *&unit,
                        const char *unitName, const char *unitText) {
        label = makeLabel(GroupBox8, labelName, caption);
        box = new Edit(GroupBox8, boxName, text, hint);
        box->onEnter = [this] { context_.recalculate(); };
        unit = makeReadOnly(GroupBox8, unitName, unitText);
        unit->setMaximumWidth(44);
        inputs->addWidget(label, row, 0);
        inputs->addWidget(box, row, 1);
        inputs->addWidget(unit, row, 2);
        ++row;
    };
    inputRow(Label38, "Label38", "Conductor Width (W)", Edit21, "Edit21", "10",
             "Enter the total width of the conductor.", Edit62, "Edit62", "mils");
    inputRow(Label39, "Label39", "Conductor Spacing (S)", Edit26, "Edit26", "5",
             "Enter the distance between the conductors.", Edit63, "Edit63", "mils");
    inputRow(Label40, "Label40", "Conductor Height (H)", Edit27, "Edit27", "15",
             "Enter the conductor's distance above its reference plane.", Edit64, "Edit64", "mils");
    inputRow(Label58, "Label58", "Conductor Height (H2)", Edit32, "Edit32", "5",
             "Enter the conductor's distance below its reference plane.", Edit65, "Edit65", "mils");
    inputRow(Label240, "Label240", "Target Zdiff", Edit151, "Edit151", "100",
             "Enter the target differential impedance.", Edit152, "Edit152", "Ohms");
    for (Edit *length : {Edit21, Edit26, Edit27, Edit32})
        length->setMaxLength(8);

    auto *tolerance = new QHBoxLayout;
    column->addLayout(tolerance);
    Label45 = makeLabel(GroupBox8, "Label45", "+/- Tolerance =");
    Label46 = makeLabel(GroupBox8, "Label46", "10%");
    TrackBar1 = new QSlider(Qt::Horizontal, GroupBox8);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setRange(0, lines::kTolerancePositions - 1);
    TrackBar1->setPageStep(1);
    TrackBar1->setValue(3);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    setHint(TrackBar1, "Slide to desired tolerance.");
    tolerance->addWidget(Label45);
    tolerance->addWidget(Label46);
    tolerance->addWidget(TrackBar1, 1);
    QObject::connect(TrackBar1, &QSlider::valueChanged, TrackBar1,
                     [this] { guardEvent([this] { TrackBar1Change(); }); });

    auto *results = new QGridLayout;
    column->addLayout(results);
    Label43 = makeLabel(GroupBox8, "Label43", "Zo");
    Edit28 = makeReadOnly(GroupBox8, "Edit28");
    Label44 = makeLabel(GroupBox8, "Label44", "Zdifferential");
    Edit29 = makeReadOnly(GroupBox8, "Edit29");
    Edit30 = makeReadOnly(GroupBox8, "Edit30", {}, "+ Tolerance of Zdiff.");
    Edit31 = makeReadOnly(GroupBox8, "Edit31", {}, "- Tolerance of Zdiff.");
    Shape1 = new IndicatorShape(
        GroupBox8, "Shape1",
        "Indicates if the Zdifferential value is within tolerance of the target Zdiff.");
    results->addWidget(Label43, 0, 0);
    results->addWidget(Edit28, 0, 1, 1, 2);
    results->addWidget(Label44, 1, 0);
    results->addWidget(Edit29, 1, 1, 1, 2);
    results->addWidget(Edit30, 2, 1);
    results->addWidget(Edit31, 2, 2);
    results->addWidget(Shape1, 2, 3);

    auto *ratios = new QGridLayout;
    column->addLayout(ratios);
    Label47 = makeLabel(GroupBox8, "Label47", "W/H = ");
    Label49 = makeLabel(GroupBox8, "Label49", QString());
    Label48 = makeLabel(GroupBox8, "Label48", "S/H = ");
    Label50 = makeLabel(GroupBox8, "Label50", QString());
    Label87 = makeLabel(GroupBox8, "Label87", "Formula Restrictions:");
    Label88 = makeLabel(GroupBox8, "Label88", "0.1 < W/H < 3.0");
    Label89 = makeLabel(GroupBox8, "Label89", "0.1 < S/H < 3.0");
    ratios->addWidget(Label47, 0, 0);
    ratios->addWidget(Label49, 0, 1);
    ratios->addWidget(Label87, 0, 2);
    ratios->addWidget(Label48, 1, 0);
    ratios->addWidget(Label50, 1, 1);
    ratios->addWidget(Label88, 1, 2);
    ratios->addWidget(Label89, 2, 2);
    ratios->setColumnStretch(3, 1);

    Label192 = makeLabel(GroupBox8, "Label192", "Attention!");
    setFontColour(Label192, kRed);
    Label259 =
        makeLabel(GroupBox8, "Label259", "Please use Edge Cpld Int Sym Calculator if H1 = H2");
    Label192->hide();
    Label259->hide();
    column->addWidget(Label192);
    column->addWidget(Label259);

    const std::array<std::pair<const char *, PairArrangement>, 6> pictures{{
        {"Image1", PairArrangement::EdgeCoupledExternal},
        {"Image4", PairArrangement::EdgeCoupledInternalSymmetric},
        {"Image23", PairArrangement::EdgeCoupledInternalAsymmetric},
        {"Image21", PairArrangement::EdgeCoupledEmbedded},
        {"Image17", PairArrangement::BroadsideCoupledShielded},
        {"Image18", PairArrangement::BroadsideCoupledUnshielded},
    }};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        images_[i] = new PairCrossSection(GroupBox8, pictures[i].first, pictures[i].second);
        images_[i]->setVisible(i == 0);
        column->addWidget(images_[i]);
    }
    Image1 = images_[0];
    Image4 = images_[1];
    Image23 = images_[2];
    Image21 = images_[3];
    Image17 = images_[4];
    Image18 = images_[5];
    column->addStretch(1);
}

void DifferentialPairCalculator::declareUnits(UnitSwitch &units)
{
    for (Edit *unit : {Edit62, Edit63, Edit64, Edit65})
        units.addText({unit, "mils", "mm"});
    units.addInput({10, Edit21, Quantity::Length});
    units.addInput({11, Edit26, Quantity::Length});
    units.addInput({12, Edit27, Quantity::Length});
    units.addInput({13, Edit32, Quantity::Length});
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

    const double h = context_.parse(Edit27->text());
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
        // 4T + S leaves each conductor T from its plane; with no copper thickness (typed by
        // hand) no height would pass, so the results show the error instead of repeating.
        if (t > 0.0) {
            Edit27->setText(generalFloatText(4.0 * t + s, context_.decimalMode));
            context_.recalculate();
            return;
        }
    }

    if (metric)
        showResult(info.Label56, "%3.0f um", t * 1000.0);
    else
        showResult(info.Label56, "%.2f mils", t);

    const double toMils = metric ? kMillimetresToMils : 1.0;
    lines::CoupledPairResult pair;
    double hr = h;
    switch (arrangement) {
    case PairArrangement::EdgeCoupledExternal:
        pair = lines::EdgeCoupledMicrostrip(w, s, h, t, er);
        break;
    case PairArrangement::EdgeCoupledInternalSymmetric:
        pair = lines::EdgeCoupledStripline(
            w, s, h, t, er, metric ? lines::StriplineForm::Rounded : lines::StriplineForm::PiForm);
        break;
    case PairArrangement::EdgeCoupledInternalAsymmetric: {
        const bool centred = h == h2;
        Label192->setVisible(centred);
        Label259->setVisible(centred);
        pair = lines::EdgeCoupledOffsetStripline(w * toMils, s * toMils, h * toMils, h2 * toMils,
                                                 t * toMils, er);
        hr = h + h2 + t;
        break;
    }
    case PairArrangement::EdgeCoupledEmbedded:
        pair = lines::EdgeCoupledEmbeddedMicrostrip(w * toMils, s * toMils, h * toMils, h2 * toMils,
                                                    t * toMils, er);
        hr = h2;
        break;
    case PairArrangement::BroadsideCoupledShielded:
        pair = lines::BroadsideCoupledShielded(w * toMils, s * toMils, h * toMils, t * toMils, er);
        break;
    case PairArrangement::BroadsideCoupledUnshielded:
        pair = lines::BroadsideCoupledUnshielded(w, s, t, er);
        break;
    }

    if (!broadside)
        showImpedance(Edit28, pair.valid, pair.zo);
    showImpedance(Edit29, pair.valid, pair.zdiff);

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
