#include "calc/lines/er_effective_panel.h"

#include "calc/general/wavelength_panel.h"
#include "calc/lines/er_effective_picture_panel.h"
#include "calc/lines/transmission_lines.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/info_panel.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <array>

namespace tw {

namespace {

constexpr int WavelengthIndex = 16;
constexpr int ErEffectiveIndex = 17;
constexpr double MillimetresPerMil = 0.001 * 25.4;

const char *const widthMessage = "Minimum conductor width can't be less than or equal to 0";
const char *const erMessage = "Minimum Er value can't be less than or equal to 1";
const char *const heightMessage = "Minimum conductor height can't be less than or equal to 0";
const char *const frequencyMessage = "Minimum frequency can't be less than 0";
const char *const copperMessage = "Minimum copper weight can't be less than or equal to 0";
const char *const platingMessage = "Minimum plating thickness can't be less than 0";

// The corrections of a unit system: the designed entries in that system.
struct Corrections {
    const char *width;
    const char *height;
    const char *copper;
};
constexpr Corrections imperialCorrections{"5", "10", "0.7"};
constexpr Corrections metricCorrections{"0.127", "0.254", "18"};

} // namespace

ErEffectiveCalculator::ErEffectiveCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox43 = new QGroupBox(" Er Effective ", parent);
    GroupBox43->setObjectName("GroupBox43");
    Form form(
        GroupBox43, [this] { context_.recalculate(); }, &units_);

    FormRow width =
        form.input({"Label60", "Conductor Width (W)", "Edit25", "5",
                    "Enter the total width of the conductor.", "Edit222", "mils", "mm", 35});
    Label60 = width.caption;
    Edit25 = width.box;
    Edit222 = width.unit;
    FormRow height = form.input({"Label79", "Conductor Height (H)", "Edit46", "10",
                                 "Enter the conductor's distance above its reference plane.",
                                 "Edit223", "mils", "mm", 36});
    Label79 = height.caption;
    Edit46 = height.box;
    Edit223 = height.unit;
    FormRow frequency = form.input(
        {"Label262", "Frequency (MHz)", "Edit224", "500", "Enter the frequency in MHz."});
    Label262 = frequency.caption;
    Edit224 = frequency.box;
    form.addSpacing();
    FormRow result =
        form.result({"Label109", "Er Effective", "Edit221", {}, "Er Effective based on inputs."});
    Label109 = result.caption;
    setHint(Label109, "Er Effective based on inputs.");
    Edit221 = result.box;

    Button5 = new QPushButton("Send to Wavelength Calculator", GroupBox43);
    Button5->setObjectName("Button5");
    setHint(Button5, "Send results to Wavelength Calculator.");
    QObject::connect(Button5, &QPushButton::clicked, Button5,
                     [this] { guardEvent([this] { Button5Click(); }); });
    form.addSpacing();
    form.addWide(Button5, Qt::AlignLeft);

    form.addSpacing();
    Image56 = new ErEffectivePicture(GroupBox43, "Image56");
    form.addWide(Image56);
    Label113 = new LinkLabel(GroupBox43, "Label113", "Er Effective Information", context_.desktop,
                             "https://en.wikipedia.org/wiki/Microstrip");
    form.addWide(Label113, Qt::AlignLeft);

    form.addSpacing();
    Label81 = form.note("Label81", "Note:");
    Label263 = form.note("Label263", "This calculator uses a complex formula");
    Label264 = form.note("Label264", "published by E. Hammerstad and O. Jensen and not");
    Label265 = form.note("Label265", "the simplified formula presented by the IPC-2141A.");
    form.addStretch();
}

// The shell shows the copper boxes typed by hand for the calculators of the first thirteen tabs
// only. This result depends on both boxes, so while copper is typed by hand they are shown and
// open here as there: on the switch to this calculator, and when the option is switched on or
// applied at start-up while it is shown.
bool ErEffectiveCalculator::manualCopperOn() const
{
    return context_.programOptions && context_.programOptions->manualCopperWeight();
}

void ErEffectiveCalculator::configureTrailing()
{
    if (!manualCopperOn())
        return;
    context_.options->showManualCopper(true);
    context_.options->setManualCopperEnabled(true, true);
}

void ErEffectiveCalculator::prepareRecalculation()
{
    if (!context_.activeCalculator || context_.activeCalculator() != ErEffectiveIndex ||
        !manualCopperOn() || context_.options->manualCopperShown())
        return;
    configureTrailing();
    context_.options->presetManualCopper(context_.metric() ? UnitSystem::Metric
                                                           : UnitSystem::Imperial);
}

void ErEffectiveCalculator::CalcErEffective()
{
    OptionsPanel &o = *context_.options;
    const bool metric = context_.metric();
    const UnitSystem units = metric ? UnitSystem::Metric : UnitSystem::Imperial;
    const Corrections &c = metric ? metricCorrections : imperialCorrections;

    if (o.manualCopperShown()) {
        // The model has no value without copper.
        const std::array<EntryLimit, 2> copper{{
            {o.Edit136, Refuse::AtOrBelow, 0, copperMessage, c.copper},
            {o.Edit138, Refuse::Below, 0, platingMessage, "0"},
        }};
        applyLimits(copper, *context_.messages, context_.decimalMode);
    }
    const double t = o.baseCopperThickness(units) + o.platingThickness(units);
    if (metric)
        showResult(context_.info->Label56, "%3.0f um", t * 1000);
    else
        showResult(context_.info->Label56, "%.2f mils", t);
    context_.info->Label110->setText("N/A");
    context_.info->Label285->setText("N/A");

    // An Er of 1 is refused with the rest, so the result shown always belongs to the Er shown.
    const std::array<EntryLimit, 4> entries{{
        {Edit25, Refuse::AtOrBelow, 0, widthMessage, c.width},
        {o.Edit7, Refuse::AtOrBelow, 1, erMessage, "1.001"},
        {Edit46, Refuse::AtOrBelow, 0, heightMessage, c.height},
        {Edit224, Refuse::Below, 0, frequencyMessage, "0"},
    }};
    applyLimits(entries, *context_.messages, context_.decimalMode);
    const double w = context_.parse(Edit25->text());
    const double er = context_.parse(o.Edit7->text());
    const double h = context_.parse(Edit46->text());
    const double ghz = context_.parse(Edit224->text()) * 0.001;
    Image56->setSketch({w, h, t});

    const double toMm = metric ? 1.0 : MillimetresPerMil;
    const lines::MicrostripResult line =
        lines::MicrostripLine(w * toMm, h * toMm, t * toMm, er, ghz, h * toMm);
    if (!line.valid) {
        // A geometry the model has no finite value for, even within the limits.
        Edit221->setText("N/A");
        return;
    }
    showResult(Edit221, "%.4f", line.erEff);
    if (context_.decimalMode == DecimalMode::Comma)
        Edit221->setText(Edit221->text().replace(QLatin1Char('.'), QLatin1Char(',')));
}

void ErEffectiveCalculator::Button5Click()
{
    // What is sent belongs to the entries shown, not to an earlier pass.
    context_.recalculate();
    // A result the model could not give stops here with the conversion error.
    context_.parse(Edit221->text());
    auto *wavelength = dynamic_cast<WavelengthCalculator *>(context_.calculatorAt(WavelengthIndex));
    if (!wavelength)
        return;
    wavelength->receiveFromErEffective(Edit224->text(), Edit221->text());
    context_.selectCalculator(WavelengthIndex);
}

void ErEffectiveCalculator::receiveFromWavelength(const QString &frequencyMHz)
{
    Edit224->setText(frequencyMHz);
}

} // namespace tw
