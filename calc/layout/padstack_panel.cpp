#include "calc/layout/padstack_panel.h"

#include "calc/layout/padstack_picture_panel.h"
#include "calc/layout/padstack_tables.h"
#include "calc/layout/padstack_types_panel.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/errors.h"
#include "ui/form.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <initializer_list>
#include <vector>

namespace tw {

using padstack::PadType;

namespace {

const QString notApplicable = QStringLiteral("N/A");

// The drill limits of the thru-hole pad, in the order they are checked.
EntryLimit drillBelow(Edit *box, bool metric)
{
    return metric ? EntryLimit{box, Refuse::Below, 0.0254,
                               "Drill diameter can't be less than 0.0254mm", "0.0254"}
                  : EntryLimit{box, Refuse::Below, 1, "Drill diameter can't be less than 1mil...",
                               "1"};
}

EntryLimit drillAbove(Edit *box, bool metric)
{
    return metric ? EntryLimit{box, Refuse::Above, 6.35,
                               "Drill diameter can't be greater than 6.35mm. Holes larger the "
                               "6.35mm need to be routed out",
                               "6.35"}
                  : EntryLimit{box, Refuse::Above, 250,
                               "Drill diameter can't be greater than 250mils. Holes larger the "
                               "250mils need to be routed out",
                               "250"};
}

QLabel *heading(Form &form, const QString &name, const QString &text)
{
    QLabel *label = form.note(name, text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

PadstackCalculator::PadstackCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox10 = new QGroupBox(" Padstack Calculator ", parent);
    GroupBox10->setObjectName("GroupBox10");

    auto *selections = new QWidget(GroupBox10);
    buildTypeSelection(selections);

    auto *entries = new QWidget(GroupBox10);
    Form form(
        entries, [this] { context_.recalculate(); }, &units_);
    auto input = [&](RowEntry entry) {
        FormRow row = form.input(entry);
        row.box->setMaxLength(8);
        return row;
    };
    // A box the type hides follows the unit switch only while it holds a number: a text left
    // there never blocks the switch.
    auto whileShownOrNumber = [this](Edit *const &box) {
        return [this, &box] {
            return !box->isHidden() || isNumber(box->text(), context_.decimalMode);
        };
    };
    RowEntry drillEntry{
        "Label61", "Drill Diameter", "Edit33", "32", "Enter the finished drill hole diameter.",
        "Edit59",  "mils",           "mm",     14};
    drillEntry.convertWhen = whileShownOrNumber(Edit33);
    const FormRow drill = input(drillEntry);
    Label61 = drill.caption;
    Edit33 = drill.box;
    Edit59 = drill.unit;
    // The ball diameter takes the drill's place.
    ComboBox4 = new ComboBox(entries, "ComboBox4", {}, false);
    setHint(ComboBox4, "Select nominal ball diameter - see part datasheet");
    form.grid()->addWidget(ComboBox4, form.nextRow() - 1, 1, 1, 2);
    ComboBox4->onChange = [this] { ComboBox4Change(); };

    RowEntry ring{"Label62",
                  "Annular Ring",
                  "Edit34",
                  "12",
                  "Enter the minimum annular ring for the padstack.",
                  "Edit60",
                  "mils",
                  "mm",
                  38};
    ring.keepNotApplicable = true;
    ring.convertWhen = whileShownOrNumber(Edit34);
    const FormRow ringRow = input(ring);
    Label62 = ringRow.caption;
    Edit34 = ringRow.box;
    Edit60 = ringRow.unit;
    RowEntry isolation{"Label63",
                       "Isolation Width",
                       "Edit35",
                       "12",
                       "Enter the desired isolation width for the thermal relief.",
                       "Edit61",
                       "mils",
                       "mm",
                       39};
    isolation.keepNotApplicable = true;
    isolation.convertWhen = whileShownOrNumber(Edit35);
    const FormRow isolationRow = input(isolation);
    Label63 = isolationRow.caption;
    Edit35 = isolationRow.box;
    Edit61 = isolationRow.unit;
    RowEntry hole{
        "Label76", "Drill Diameter", "Edit211", "32", "Enter the finished drill hole diameter.",
        "Edit212", "mils",           "mm",      22};
    hole.convertWhen = whileShownOrNumber(Edit211);
    const FormRow holeRow = input(hole);
    Label76 = holeRow.caption;
    Edit211 = holeRow.box;
    Edit212 = holeRow.unit;
    RowEntry minRing{"Label174",
                     "Minimum Annular Ring",
                     "Edit213",
                     "7",
                     "Enter the desired minimum annular ring of the padstack.",
                     "Edit214",
                     "mils",
                     "mm",
                     23};
    minRing.convertWhen = whileShownOrNumber(Edit213);
    const FormRow minRingRow = input(minRing);
    Label174 = minRingRow.caption;
    Edit213 = minRingRow.box;
    Edit214 = minRingRow.unit;
    form.addSpacing();
    buildResults(form);
    form.addStretch();

    auto *stack = new QWidget(GroupBox10);
    auto *stackGrid = new QGridLayout(stack);
    stackGrid->setContentsMargins(0, 0, 0, 0);
    Image5 = new PadstackPicture(stack, "Image5", PadType::ThruHole);
    Image12 = new PadstackPicture(stack, "Image12", PadType::BgaLand);
    Image45 = new PadstackPicture(stack, "Image45", PadType::ConductorPad);
    Image10 = new PadstackPicture(stack, "Image10", PadType::ConductorPadBga);
    Image48 = new PadstackPicture(stack, "Image48", PadType::CornerToCorner);
    pictures_ = {Image5, Image12, Image45, Image10, Image48};
    for (PadstackPicture *picture : pictures_)
        stackGrid->addWidget(picture, 0, 0);

    auto *right = new QVBoxLayout;
    right->addWidget(stack);
    right->addStretch(1);
    auto *columns = new QHBoxLayout;
    columns->addWidget(entries, 1);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(GroupBox10);
    layout->addWidget(selections);
    layout->addLayout(columns, 1);

    RadioGroup14->onClick = [this] { RadioGroup14Click(); };
    RadioGroup7->onClick = [this] { RadioGroup7Click(); };
    ComboBox2->onChange = [this] { ComboBox2Change(); };
    configureType(PadType::ThruHole);
    showWarning(false);
}

void PadstackCalculator::buildTypeSelection(QWidget *area)
{
    RadioGroup14 = new RadioGroup(
        area, "RadioGroup14", " Pad Calculator Type ",
        {"Thru-Hole Pad", "BGA Land", "Conductor / Pad", "Conductor / Pad BGA", "Corner to Corner"},
        0, 2);
    setHint(RadioGroup14, "Switch between thru-hole style pads,  SMT BGA lands or calculate the "
                          "conductor width vs. pad diameter.");
    RadioGroup7 = new RadioGroup(area, "RadioGroup7", " Pad Style ", {"Plated", "Non-Plated"}, 0);
    setHint(RadioGroup7, "Switch between plated and non-plated padstacks.");
    QStringList holes;
    for (const padstack::HoleType &holeType : padstack::holeTypes())
        holes.append(QString::fromUtf8(holeType.item));
    ComboBox2 = new ComboBox(area, "ComboBox2", holes, true);
    ComboBox2->setEditText("Custom");
    setHint(ComboBox2, "Select a hole type.");
    Label73 = makeLabel(area, "Label73", "Hole Type");
    Label73->setBuddy(ComboBox2);

    auto *holeColumn = new QVBoxLayout;
    holeColumn->addWidget(Label73);
    holeColumn->addWidget(ComboBox2);
    holeColumn->addStretch(1);
    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(RadioGroup14, 2);
    row->addWidget(RadioGroup7, 1);
    row->addLayout(holeColumn, 1);
}

void PadstackCalculator::buildResults(Form &form)
{
    auto result = [&](const char *label, const char *caption, const char *box, const char *hint) {
        FormRow row = form.result({label, caption, box, {}, hint});
        setFontColour(row.box, resultNavy);
        return row;
    };
    Label68 = heading(form, "Label68", "External Layers");
    FormRow row = result("Label70", "Pad Diameter", "Edit36",
                         "Outer layer pad diameter for the given drill diameter.");
    Label70 = row.caption;
    Edit36 = row.box;
    Label67 = heading(form, "Label67", "Internal Signal Layers");
    row = result("Label71", "Pad Diameter", "Edit37",
                 "Internal signal layer pad diameter for the given drill diameter.");
    Label71 = row.caption;
    Edit37 = row.box;
    Label66 = heading(form, "Label66", "Internal Plane Layers");
    row = result("Label69", "Outer Diameter", "Edit38", "Outer diameter of the thermal refief.");
    Label69 = row.caption;
    Edit38 = row.box;
    row = result("Label65", "Inner Diameter", "Edit39", "Inner diameter of the thermal relief.");
    Label65 = row.caption;
    Edit39 = row.box;
    row = result("Label64", "Spoke Width", "Edit40", "Spoke width for the thermal relief.");
    Label64 = row.caption;
    Edit40 = row.box;

    form.addSpacing();
    Label175 = heading(form, "Label175", "Warning!");
    Label176 = form.note("Label176", "Calculated pad diameter smaller than");
    Label177 = form.note("Label177", "desired annular ring + finished hole diameter.");
    for (QLabel *label : {Label175, Label176, Label177})
        setFontColour(label, warningRed);

    Label271 = heading(form, "Label271", "Note:");
    Label272 = form.note("Label272", "When sizing a hole for a square pin, use the corner ");
    Label273 = form.note("Label273", "to corner distance as the pin diameter.");
    Label274 = form.note("Label274", "c = sqrt(a^2+b^2)");
    Memo3 = form.note("Memo3", "Note:\nIPC-7351A uses the larger land variation number \nfor BGA "
                               "pad size, not the nominal size.");
}

PadType PadstackCalculator::type() const
{
    return static_cast<PadType>(std::max(0, RadioGroup14->itemIndex()));
}

void PadstackCalculator::configureTrailing()
{
    const PadType t = type();
    context_.options->Button1->setEnabled(t == PadType::ThruHole || t == PadType::ConductorPad);
}

void PadstackCalculator::declareUnits(UnitSwitch &units)
{
    units_.declareTo(units);
    units.addLeadingStep([this](UnitSystem to) { convertRetained(to); });
}

// The retained and saved values follow the unit switch, so "Custom" or a hole type restores
// the same physical pad after a switch.
void PadstackCalculator::convertRetained(UnitSystem to)
{
    retainedRing_ = convertQuantity(retainedRing_, Quantity::Length, to);
    retainedIsolation_ = convertQuantity(retainedIsolation_, Quantity::Length, to);
    for (QString *saved : {&savedRing_, &savedIsolation_})
        if (!saved->isEmpty())
            *saved = generalFloatText(convertQuantity(context_.parse(*saved), Quantity::Length, to),
                                      context_.decimalMode);
}

void PadstackCalculator::configureType(PadType t)
{
    const auto index = static_cast<std::size_t>(t);
    auto shownFor = [&](const char *mask) { return mask[index] == 'Y'; };
    struct Shown {
        std::vector<QWidget *> widgets;
        const char *mask;
    };
    const Shown shown[] = {
        {{Edit33, Edit59, Edit34, Edit60, Label62}, "Y-YYY"},
        {{Edit35, Edit61, Label63}, "Y-YY-"},
        {{Edit211, Edit212, Edit213, Edit214, Label76, Label174}, "--Y--"},
        {{ComboBox2, Label73}, "Y----"},
        {{ComboBox4, Memo3}, "-Y---"},
        {{Edit37, Label67}, "YYY-Y"},
        {{Edit38, Label66}, "Y---Y"},
        {{Edit39, Edit40, Label64, Label65, Label69, Label70, Label71}, "Y----"},
        {{Label271, Label272, Label273, Label274}, "----Y"},
    };
    for (const auto &[widgets, mask] : shown)
        for (QWidget *widget : widgets)
            widget->setVisible(shownFor(mask));
    for (std::size_t i = 0; i < pictures_.size(); ++i)
        pictures_[i]->setVisible(i == index);

    const padstack::TypeRow &row = padstack::typeRow(t);
    const std::array<QLabel *, 6> captions{Label61, Label62, Label63, Label68, Label67, Label66};
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (row.captions[i])
            captions[i]->setText(row.captions[i]);
    const std::array<Edit *, 6> hinted{Edit33, Edit34, Edit35, Edit36, Edit37, Edit38};
    for (std::size_t i = 0; i < hinted.size(); ++i)
        if (row.hints[i])
            setHint(hinted[i], row.hints[i]);

    RadioGroup7->setEnabled(t == PadType::ThruHole);
    if (t != PadType::ThruHole && t != PadType::BgaLand)
        for (Edit *box : {Edit33, Edit34, Edit35})
            box->setEnabled(true);
}

void PadstackCalculator::writeDefaults(PadType t)
{
    const bool metric = context_.metric();
    const std::array<Edit *, 5> boxes{Edit33, Edit34, Edit35, Edit211, Edit213};
    const padstack::TypeRow &row = padstack::typeRow(t);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const char *text = metric ? row.defaults[i].metric : row.defaults[i].imperial;
        if (text)
            boxes[i]->setText(literal(context_.decimalMode, text));
    }
    if (t == PadType::BgaLand) {
        QStringList balls;
        for (const padstack::BgaLand &land : padstack::bgaLands())
            balls.append(localDecimals(QString::fromUtf8(land.ball), context_.decimalMode));
        ComboBox4->clear();
        ComboBox4->addItems(balls);
        ComboBox4->setItemIndexSilently(0);
    }
}

void PadstackCalculator::RadioGroup14Click()
{
    const PadType t = type();
    configureType(t);
    writeDefaults(t);
    if (t != PadType::ConductorPad)
        showWarning(false);
    context_.options->Button1->setEnabled(t != PadType::BgaLand);
    if (context_.enableUnitSwitch)
        context_.enableUnitSwitch(t != PadType::BgaLand);

    if (t == PadType::BgaLand) {
        ComboBox4Change();
        return;
    }
    // Back on the thru-hole pad, the hole type shown is the one applied.
    if (t == PadType::ThruHole && ComboBox2->itemIndex() > 0)
        applyHoleType(ComboBox2->itemIndex());
    context_.recalculate();
}

QString PadstackCalculator::savedText(const QString &box) const
{
    return localDecimals(formatResult("%0.4f", context_.parse(box)), context_.decimalMode);
}

void PadstackCalculator::RadioGroup7Click()
{
    applyPadStyle();
    context_.recalculate();
}

void PadstackCalculator::applyPadStyle()
{
    if (RadioGroup7->itemIndex() != 1) {
        Edit34->setText(savedRing_);
        Edit35->setText(savedIsolation_);
        return;
    }
    QString ring;
    QString isolation;
    try {
        ring = savedText(Edit34->text());
        isolation = savedText(Edit35->text());
    } catch (const ConversionError &) {
        // Nothing was saved: the style stays plated, the boxes keep what the user typed.
        RadioGroup7->setItemIndexSilently(0);
        throw;
    }
    savedRing_ = ring;
    savedIsolation_ = isolation;
}

// The hole type's drill and pad style; the caller recalculates once.
void PadstackCalculator::applyHoleType(int index)
{
    const padstack::HoleType &hole = padstack::holeTypes().at(static_cast<std::size_t>(index));
    const QString drill =
        literal(context_.decimalMode, context_.metric() ? hole.drillMetric : hole.drillImperial);
    // The style changes first, so the plated values are saved while the boxes still hold them.
    const int style = hole.plated ? 0 : 1;
    if (RadioGroup7->itemIndex() != style) {
        RadioGroup7->setItemIndexSilently(style);
        try {
            applyPadStyle();
        } catch (const ConversionError &) {
            // The hole type shown stays the one whose drill is in place.
            ComboBox2->setItemIndexSilently(appliedHole_);
            throw;
        }
    }
    appliedHole_ = index;
    RadioGroup7->setEnabled(hole.plated);
    Edit33->setEnabled(hole.plated);
    Edit33->setText(drill);
    if (!hole.plated) {
        Edit34->setText(notApplicable);
        Edit35->setText(notApplicable);
    }
}

void PadstackCalculator::ComboBox2Change()
{
    const int index = ComboBox2->itemIndex();
    if (index >= 0)
        applyHoleType(index);
    context_.recalculate();
}

void PadstackCalculator::ComboBox4Change()
{
    const int index = ComboBox4->currentIndex();
    if (index < 0)
        return;
    const padstack::BgaLand &land = padstack::bgaLands().at(static_cast<std::size_t>(index));
    Edit36->setText(localDecimals(QString::fromUtf8(land.land), context_.decimalMode));
    Edit37->setText(localDecimals(QString::fromUtf8(land.variation), context_.decimalMode));
}

void PadstackCalculator::showWarning(bool shown)
{
    for (QLabel *label : {Label175, Label176, Label177})
        label->setVisible(shown);
    for (Edit *box : {Edit36, Edit37})
        setFontColour(box, shown ? warningRed : resultNavy);
}

void PadstackCalculator::CalcPadstack()
{
    const bool metric = context_.metric();
    switch (type()) {
    case PadType::ThruHole:
        calcThruHole(metric);
        break;
    case PadType::BgaLand:
        // The ball-diameter choice writes the land; there is nothing to compute.
        break;
    case PadType::ConductorPad:
        calcConductorPad(metric);
        break;
    case PadType::ConductorPadBga:
        calcConductorPadBga(metric);
        break;
    case PadType::CornerToCorner:
        calcCornerToCorner(metric);
        break;
    }
}

void PadstackCalculator::calcThruHole(bool metric)
{
    if (Edit34->text() != notApplicable)
        retainedRing_ = context_.parse(Edit34->text());
    if (Edit35->text() != notApplicable)
        retainedIsolation_ = context_.parse(Edit35->text());
    const EntryLimit limits[] = {drillBelow(Edit33, metric), drillAbove(Edit33, metric)};
    applyLimits(limits, *context_.messages, context_.decimalMode);
    const double drill = context_.parse(Edit33->text());

    const bool plated = RadioGroup7->itemIndex() != 1;
    Label69->setText(plated ? "Outer Diameter" : "Pad Diameter");
    for (QWidget *widget : std::initializer_list<QWidget *>{Edit39, Edit40, Label64, Label65})
        widget->setVisible(plated);
    const char *format = metric ? "%.3f mm" : "%.1f mils";
    PadstackShape shape = Image5->shape();
    shape.plated = plated;
    shape.drill = drill;
    if (plated) {
        Edit34->setEnabled(true);
        Edit35->setEnabled(true);
        const padstack::PlatedPad pad =
            padstack::platedPad(drill, retainedRing_, retainedIsolation_);
        showResult(Edit36, format, pad.pad);
        showResult(Edit37, format, pad.pad);
        showResult(Edit39, format, pad.pad);
        showResult(Edit38, format, pad.reliefOuter);
        const QString spoke = QString::fromUtf8(padstack::spokeWidth(drill, metric));
        Edit40->setText(spoke);
        shape.spoke = spoke.section(' ', 0, 0).toDouble();
        shape.pad = pad.pad;
        shape.reliefOuter = pad.reliefOuter;
    } else {
        Edit34->setText(notApplicable);
        Edit35->setText(notApplicable);
        Edit34->setEnabled(false);
        Edit35->setEnabled(false);
        const padstack::NonPlatedPad pad =
            padstack::nonPlatedPad(drill, retainedRing_, retainedIsolation_);
        showResult(Edit36, format, pad.hole);
        showResult(Edit37, format, pad.pad);
        showResult(Edit38, format, pad.clearance);
        shape.pad = pad.pad;
        shape.reliefOuter = pad.clearance;
    }
    Image5->setShape(shape);
}

void PadstackCalculator::calcConductorPad(bool metric)
{
    const double pitch = context_.parse(Edit33->text());
    const double width = context_.parse(Edit34->text());
    const double spacing = context_.parse(Edit35->text());
    const double hole = context_.parse(Edit211->text());
    const double minRing = context_.parse(Edit213->text());
    const padstack::ConductorBetweenPads fit =
        padstack::conductorBetweenPads(pitch, width, spacing, hole, minRing);
    showResult(Edit36, metric ? "%.3f mm" : "%.2f mils", fit.maxPad);
    showWarning(fit.padTooSmall);
    showResult(Edit37, metric ? "%.4f mm" : "%.2f mils", fit.ring);

    PadstackShape shape = Image45->shape();
    shape.pitch = pitch;
    shape.conductor = width;
    shape.spacing = spacing;
    shape.padDiameter = fit.maxPad;
    shape.hole = hole;
    Image45->setShape(shape);
}

void PadstackCalculator::calcConductorPadBga(bool metric)
{
    const double pitch = context_.parse(Edit33->text());
    const double land = context_.parse(Edit34->text());
    const double spacing = context_.parse(Edit35->text());
    const double width = padstack::conductorBetweenLands(pitch, land, spacing);
    showResult(Edit36, metric ? "%.4f mm" : "%.3f mils", width);

    PadstackShape shape = Image10->shape();
    shape.pitch = pitch;
    shape.padDiameter = land;
    shape.spacing = spacing;
    shape.conductor = width;
    Image10->setShape(shape);
}

void PadstackCalculator::calcCornerToCorner(bool metric)
{
    const double a = context_.parse(Edit33->text());
    const double b = context_.parse(Edit34->text());
    const padstack::CornerDrill drill = padstack::cornerToCorner(a, b, metric);
    showResult(Edit36, metric ? "%.3f mm" : "%.2f mils", drill.diagonal);
    showResult(Edit37, metric ? "%0.3f mm" : "%0.2f mils", drill.minDrill);
    showResult(Edit38, metric ? "%0.3f mm" : "%0.2f mils", drill.maxDrill);

    PadstackShape shape = Image48->shape();
    shape.sideA = a;
    shape.sideB = b;
    Image48->setShape(shape);
}

} // namespace tw
