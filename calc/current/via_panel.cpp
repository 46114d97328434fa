#include "calc/current/via_panel.h"

#include "calc/current/current_capacity.h"
#include "calc/current/via_model.h"
#include "ui/context.h"
#include "ui/form.h"
#include "ui/info_panel.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <QHBoxLayout>

namespace tw {

// The checks of one unit system: limits, their messages (point variants) and replacements.
struct ViaCalculator::Limits {
    struct Check {
        double limit;
        const char *message;
        const char *replacement;
    };
    Check holeMax, holeMin, padMax, openingMax, heightMax, heightMin, platingMax, platingMin;
    double margin;
    const char *holeMarginMessage;
    const char *padMarginMessage;
    const char *areaFormat;
};

namespace {

// clang-format off
const ViaCalculator::Limits imperialLimits = {
    {250, "Maximum via hole diameter can't be greater than 250mils", "250"},
    {1, "Minimum via hole diameter can't be less than 1mil", "1"},
    {500, "Maximum via pad diameter can't be greater than 500mils", "500"},
    {1000, "Maximum reference plane opening diameter can't be greater than 1000mils", "1000"},
    {1000, "Maximum via length can't be greater than 1000mils", "1000"},
    {1, "Minimum via length can't be less than 1mil", "1"},
    {3, "Maximum plating thickness can't be greater than 3mils", "3"},
    {0.1, "Minimum plating thickness can't be less than 0.1mils", "0.1"},
    2,
    "Minimum reference plane opening diameter can't be less than via hole diameter + 2mils",
    "Minimum reference plane opening diameter can't be less than internal pad diameter + 2mils",
    "%.4f Sq.mils",
};

const ViaCalculator::Limits metricLimits = {
    {9.8425, "Maximum via hole diameter can't be greater than 9.8425mm", "9.8425"},
    {0.0394, "Minimum via hole diameter can't be less than 0.0394mm", "0.0394"},
    {19.685, "Maximum via pad diameter can't be greater than 19.685mm", "19.685"},
    {39.37, "Maximum reference plane opening diameter can't be greater than 39.37mm", "39.37"},
    {25.4, "Maximum via length can't be greater than 25.4mm", "25.4"},
    {0.0394, "Minimum via length can't be less than 0.0394mm", "0.0394"},
    {0.1182, "Maximum plating thickness can't be greater than 0.1182mm", "0.1182"},
    {0.0025, "Minimum plating thickness can't be less than 0.0025mm", "0.0025"},
    0.051,
    "Minimum reference plane opening diameter can't be less than via hole diameter + 0.051mm",
    "Minimum reference plane opening diameter can't be less than internal pad diameter + 0.051mm",
    "%.4f Sq.mm",
};
// clang-format on

} // namespace

ViaCalculator::ViaCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox1 = new QGroupBox(" Via Characteristics ", parent);
    GroupBox1->setObjectName("GroupBox1");
    const auto [entries, pictures] = twoColumns(GroupBox1);

    Form form(
        entries, [this] { context_.recalculate(); }, &units_);
    const auto input = [&form](QLabel *&caption, Edit *&box, Edit *&unit, const RowEntry &entry) {
        form.input(entry).to(caption, box, unit)->setMaxLength(8);
    };
    input(Label51, Edit3, Edit52,
          {"Label51", "Via Hole Diameter", "Edit3", "10",
           "Enter the finished hole diameter of the via.", "Edit52", "mils", "mm", 1});
    input(Label6, Edit4, Edit53,
          {"Label6", "Internal Pad Diameter", "Edit4", "20",
           "Enter the internal layer pad diameter of the via.", "Edit53", "mils", "mm", 2});
    input(Label7, Edit5, Edit54,
          {"Label7", "Ref Plane Opening Diam", "Edit5", "40",
           "Enter the total internal reference plane opening diameter of the via.", "Edit54",
           "mils", "mm", 3});
    input(Label8, Edit6, Edit55,
          {"Label8", "Via Height", "Edit6", "62", "Enter the total length of the via.", "Edit55",
           "mils", "mm", 4});
    input(Label11, Edit9, Edit56,
          {"Label11", "Via Plating Thickness", "Edit9", "1",
           "Enter the plating thickness of the via. Contact your PCB manufacturer for the exact "
           "depth.",
           "Edit56", "mils", "mm", 5});
    form.addSpacing(10);

    const auto result = [&form](QLabel *&caption, Edit *&box, const RowEntry &entry) {
        form.result(entry).to(caption, box)->setFocusPolicy(Qt::NoFocus);
    };
    result(Label10, Edit8, {"Label10", "Conductor Cross Section", "Edit8"});
    result(Label12, Edit10, {"Label12", "Via Current", "Edit10"});
    setFontColour(Edit10, resultNavy);
    result(Label13, Edit11, {"Label13", "Via Capacitance", "Edit11"});
    result(Label14, Edit12, {"Label14", "Via Inductance", "Edit12"});
    result(Label15, Edit13,
           {"Label15",
            "Step Response",
            "Edit13",
            {},
            "T10-90% step response. Impact on the rise time of a 50 Ohm transmission line."});
    result(Label16, Edit14, {"Label16", "Resonant Frequency", "Edit14"});
    result(Label42, Edit42, {"Label42", "Via Impedance", "Edit42"});
    result(Label83, Edit49, {"Label83", "Via DC Resistance", "Edit49"});
    result(Label84, Edit50, {"Label84", "Power Dissipation", "Edit50"});
    form.addSpacing(8);
    Label187 =
        form.note("Label187", current::ruleSetModeText(current::RuleSet::Ipc2152WithModifiers));
    Label187->setStyleSheet("color: maroon;");
    form.addStretch();

    Form drawn = form.nested(pictures);
    Image2 = new ViaPicture(pictures, "Image2", ViaLayerSet::TwoLayer);
    Image7 = new ViaPicture(pictures, "Image7", ViaLayerSet::MultiLayer);
    Image20 = new ViaPicture(pictures, "Image20", ViaLayerSet::Microvia);
    for (ViaPicture *picture : {Image2, Image7, Image20})
        drawn.addWide(picture);
    Image2->hide();
    Image20->hide();
    drawn.addStretch();
}

ViaLayerSet ViaCalculator::layerSet() const
{
    switch (context_.options->RadioGroup3->itemIndex()) {
    case 0:
        return ViaLayerSet::TwoLayer;
    case 2:
        return ViaLayerSet::Microvia;
    default:
        return ViaLayerSet::MultiLayer;
    }
}

void ViaCalculator::configureLeading()
{
    const int ruleSet = context_.programOptions ? context_.programOptions->currentRuleSet() : 0;
    Label187->setText(current::ruleSetModeText(current::RuleSet(ruleSet)));
}

void ViaCalculator::layerSelected(int itemIndex)
{
    if (itemIndex < 0 || itemIndex > 2)
        return;
    const auto set = ViaLayerSet(itemIndex);
    const bool multi = set == ViaLayerSet::MultiLayer;
    const bool micro = set == ViaLayerSet::Microvia;

    for (QWidget *w : std::initializer_list<QWidget *>{Label6, Edit4, Edit53, Label7, Edit5, Edit54,
                                                       Label13, Edit11, Label15, Edit13, Label16,
                                                       Edit14, Label42, Edit42})
        w->setVisible(multi);
    for (QWidget *w : std::initializer_list<QWidget *>{Label14, Edit12, Label83, Edit49})
        w->setVisible(!micro);

    Label8->setText("Via Height");
    Label10->setText("Conductor Cross Section");
    Label11->setText("Via Plating Thickness");
    Label12->setText("Via Current");
    if (set == ViaLayerSet::TwoLayer)
        Label6->setText("External Pad Diameter");
    else if (multi)
        Label6->setText("Internal Pad Diameter");
    Image2->setVisible(set == ViaLayerSet::TwoLayer);
    Image7->setVisible(multi);
    Image20->setVisible(micro);

    const DecimalMode mode = context_.decimalMode;
    if (context_.metric()) {
        Edit6->setText(literal(mode, micro ? "0.127" : "1.575"));
        Edit3->setText(literal(mode, micro ? "0.127" : "0.254"));
        Edit9->setText(literal(mode, micro ? "0.01778" : "0.0254"));
        Edit56->setText("mm");
    } else {
        Edit6->setText(micro ? "5" : "62");
        Edit3->setText(micro ? "5" : "10");
        Edit9->setText(micro ? literal(mode, "0.7") : QStringLiteral("1"));
        Edit56->setText("mils");
    }
}

void ViaCalculator::declareUnits(UnitSwitch &units)
{
    units_.declareTo(units);
}

void ViaCalculator::showMaterialWarning(bool exceeded)
{
    setFontColour(Edit10, exceeded ? warningRed : resultNavy);
}

void ViaCalculator::writeStartupDefaults()
{
    Edit3->setText("10");
    Edit4->setText("20");
    Edit5->setText("40");
    Edit6->setText("62");
    Edit9->setText("1");
}

void ViaCalculator::applyIpcVersion(int version)
{
    Label187->setText(current::ruleSetModeText(current::RuleSet(version)));
    // The height still counts for the parasitics, resistance and heat, but no longer for the
    // current.
    for (QWidget *w : std::initializer_list<QWidget *>{Label8, Edit6, Edit55})
        w->setEnabled(version == 0);
}

void ViaCalculator::inform(const char *message) const
{
    context_.messages->information(literal(context_.decimalMode, message));
}

void ViaCalculator::limitAbove(double value, double limit, const char *message,
                               const char *replacement, Edit *box) const
{
    if (value > limit) {
        inform(message);
        box->setText(literal(context_.decimalMode, replacement));
    }
}

void ViaCalculator::limitBelow(double value, double limit, const char *message,
                               const char *replacement, Edit *box) const
{
    if (value < limit) {
        inform(message);
        box->setText(literal(context_.decimalMode, replacement));
    }
}

void ViaCalculator::validate(const Limits &l, ViaLayerSet set)
{
    const DecimalMode mode = context_.decimalMode;
    // The relations compare the entries as corrected: a refused value never sizes another box.
    const auto parse = [this](const Edit *box) { return context_.parse(box->text()); };
    limitAbove(parse(Edit3), l.holeMax.limit, l.holeMax.message, l.holeMax.replacement, Edit3);
    limitBelow(parse(Edit3), l.holeMin.limit, l.holeMin.message, l.holeMin.replacement, Edit3);
    const double hole = parse(Edit3);

    limitAbove(parse(Edit4), l.padMax.limit, l.padMax.message, l.padMax.replacement, Edit4);
    // The advice on equal diameters is about the pad as entered, not as raised to the hole.
    const double padEntered = parse(Edit4);
    if (set != ViaLayerSet::TwoLayer && padEntered < hole) {
        inform("Minimum via pad diameter can't be less than via hole diameter");
        Edit4->setText(generalFloatText(hole, mode));
    }
    const double pad = parse(Edit4);

    if (set == ViaLayerSet::MultiLayer) {
        if (padEntered == hole)
            inform("The PTH via pad diameter should be larger than via hole diameter");
        const double opening = parse(Edit5);
        limitAbove(opening, l.openingMax.limit, l.openingMax.message, l.openingMax.replacement,
                   Edit5);
        if (hole + l.margin > parse(Edit5)) {
            inform(l.holeMarginMessage);
            Edit5->setText(generalFloatText(hole + l.margin, mode));
        }
        if (pad + l.margin > parse(Edit5)) {
            inform(l.padMarginMessage);
            Edit5->setText(generalFloatText(pad + l.margin, mode));
        }
    }

    const double height = context_.parse(Edit6->text());
    limitAbove(height, l.heightMax.limit, l.heightMax.message, l.heightMax.replacement, Edit6);
    limitBelow(height, l.heightMin.limit, l.heightMin.message, l.heightMin.replacement, Edit6);

    const double plating = context_.parse(Edit9->text());
    limitAbove(plating, l.platingMax.limit, l.platingMax.message, l.platingMax.replacement, Edit9);
    limitBelow(plating, l.platingMin.limit, l.platingMin.message, l.platingMin.replacement, Edit9);

    Edit *erBox = context_.options->Edit7;
    const double er = context_.parse(erBox->text());
    limitAbove(er, 350, "Maximum dielectric constant value can't be greater than 350", "350",
               erBox);
    limitBelow(er, 1, "Minimum dielectric constant value can't be less than 1", "1", erBox);
}

void ViaCalculator::CalcViaProperties()
{
    const bool metric = context_.metric();
    const Limits &limits = metric ? metricLimits : imperialLimits;
    const ViaLayerSet set = layerSet();
    const auto parse = [this](const Edit *box) { return context_.parse(box->text()); };

    if (metric && Edit3->text().isEmpty()) {
        inform("Via hole diameter can't be empty, using default of 0.3937mm");
        Edit3->setText(literal(context_.decimalMode, "0.3937"));
    }
    validate(limits, set);

    OptionsPanel &options = *context_.options;
    options.CheckTempRise();
    options.CheckAmbientTemp();
    options.UpdateConductorTemp(context_.info->Label27, context_.info->Label28);

    // Corrected entries take effect in this same pass.
    const double toInches = metric ? via::inchesPerMm : via::inchesPerMil;
    const double plating = parse(Edit9);
    const double padIn = parse(Edit4) * toInches;
    const double lengthIn = parse(Edit6) * toInches;
    const double er = parse(options.Edit7);
    const double height = parse(Edit6);
    const double heightFactor =
        metric ? current::thicknessModifierMetric(height) : current::thicknessModifier(height);
    const double hole = parse(Edit3);

    const double area = via::barrelCrossSection(hole, plating);
    showResult(Edit8, limits.areaFormat, area);
    const double areaSqMils = metric ? current::sqMmToSqMils(area) : area;
    const double chart = metric ? current::LookupChartModifierMetric(context_.TempRise, area)
                                : current::LookupChartModifier(context_.TempRise, area);

    const auto ruleSet = current::RuleSet(context_.programOptions->currentRuleSet());
    const current::ViaModifiers modifiers{chart, heightFactor, context_.MaterialModifier,
                                          context_.programOptions->viaHeightDisabled()};
    const double amps = current::viaCurrent(ruleSet, context_.TempRise, areaSqMils, modifiers);
    showResult(Edit10, "%.4f Amps", amps);

    // Only the multilayer via has a capacitance from its geometry, and the microvia shows no
    // parasitics at all.
    const double inductance = via::inductance(lengthIn, hole * toInches);
    if (set == ViaLayerSet::MultiLayer) {
        const double openingIn = parse(Edit5) * toInches;
        const double capacitance = via::capacitance(er, lengthIn, padIn, openingIn);
        showResult(Edit11, "%.4f pF", capacitance);
        showResult(Edit12, "%.4f nH", inductance);
        const via::Resonance r = via::resonance(inductance, capacitance);
        if (r.valid) {
            showResult(Edit13, "%.4f ps", r.stepResponsePs);
            showResult(Edit14, "%.3f MHz", r.frequencyMHz);
            showResult(Edit42, "%.3f Ohms", r.impedance);
        } else {
            for (Edit *undefined : {Edit13, Edit14, Edit42})
                undefined->setText("N/A");
        }
    } else if (set == ViaLayerSet::TwoLayer) {
        showResult(Edit12, "%.4f nH", inductance);
    }

    const double rho = metric ? current::resistivityMetric(context_.ConductorTemp)
                              : current::resistivity(context_.ConductorTemp);
    const double ohms = current::resistance(rho, parse(Edit6), areaSqMils);
    showResult(Edit49, "%.5f Ohms", ohms);

    const double watts = current::powerDissipation(amps, ohms);
    showResult(Edit50, "%.5f Watts", watts);
    InfoPanel &info = *context_.info;
    showResult(info.Label56, "%.4f dBm", current::powerDbm(watts));

    const double theta = via::thermalResistance(lengthIn, areaSqMils);
    showResult(info.Label110, "%.1f °C/W", theta);

    const double count = parse(info.Edit227);
    if (count > 999) {
        inform("Via count cannot be greater than 999");
        info.Edit227->setText("999");
    }
    if (count < 1) {
        inform("Via count cannot be less than 1");
        info.Edit227->setText("1");
    }
    showResult(info.Label285, "%.1f °C/W per via", theta / parse(info.Edit227));

    showResult(info.Label72, "%.4f mV", current::voltageDrop(amps, ohms) * 1000);
}

} // namespace tw
