#include "calc/current/bandwidth_panel.h"

#include "calc/current/bandwidth.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/form.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <QHBoxLayout>
#include <QSlider>

#include <algorithm>

namespace tw {

using namespace bandwidth;

namespace {

const char *const speedOfLightArticle = "https://en.wikipedia.org/wiki/Speed_of_light";

const char *const risetimeHint = "Enter the signal risetime.";
const char *const frequencyHint = "Enter the signal frequency.";
const char *const erMessage = "Minimum dielectric constant value can't be less than 1";

template <std::size_t N> QStringList divisorTexts(const std::array<Divisor, N> &divisors)
{
    QStringList texts;
    for (const Divisor &d : divisors)
        texts << d.text;
    return texts;
}

template <std::size_t N> double factorAt(const std::array<Divisor, N> &divisors, int position)
{
    return divisors[static_cast<std::size_t>(std::clamp(position, 0, static_cast<int>(N) - 1))]
        .factor;
}

} // namespace

BandwidthCalculator::BandwidthCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox6 = new QGroupBox(" Bandwidth && Max Conductor Length ", parent);
    GroupBox6->setObjectName("GroupBox6");
    Form panel(GroupBox6, [this] { context_.recalculate(); });

    auto *methods = new QWidget(GroupBox6);
    auto *methodRow = new QHBoxLayout(methods);
    methodRow->setContentsMargins(0, 0, 0, 0);
    RadioGroup12 = new RadioGroup(methods, "RadioGroup12", " Input Method ",
                                  {"Signal Risetime", "Frequency"}, 0);
    setHint(RadioGroup12, "Select input method.");
    RadioGroup20 = new RadioGroup(methods, "RadioGroup20", " f Units ", {"MHz", "KHz", "Hz"}, 0, 3);
    setHint(RadioGroup20, "Select units for frequency.");
    // The input method keeps its place while the frequency units come and go.
    QSizePolicy keepPlace = RadioGroup20->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    RadioGroup20->setSizePolicy(keepPlace);
    RadioGroup20->hide();
    methodRow->addWidget(RadioGroup12);
    methodRow->addWidget(RadioGroup20);
    methodRow->addStretch(1);
    panel.addWide(methods);
    panel.addSpacing();

    const FormRow entry =
        panel.input({"Label30", "Signal Risetime", "Edit19", "1", risetimeHint, "Edit279", "ns"});
    Label30 = entry.caption;
    Edit19 = entry.box;
    Edit19->setMaxLength(12);
    Edit279 = entry.unit;
    Edit279->setFixedWidth(unitBoxWidth(Edit279, "KHz"));

    Edit43 = panel.result({"", "Propagation Speed (C/Sqrt(Er))", "Edit43"}).box;
    Label124 = new LinkLabel(GroupBox6, "Label124", "Speed of Light", context_.desktop,
                             speedOfLightArticle);
    panel.grid()->addWidget(Label124, panel.nextRow() - 1, 3, Qt::AlignLeft);
    panel.addSpacing();

    GroupBox41 = panel.section("GroupBox41", " IPC-2251 Method ");
    Form ipc = panel.nested(GroupBox41);
    Edit22 = ipc.result({"", "Bandwidth", "Edit22"}).box;
    SrDivisor = new TrackBar(
        GroupBox41, "TrackBar2", "Edit44", divisorTexts(riseDistanceDivisors), riseDistanceDefault,
        "Amount to divide Sr (Rise Distance) by for maximum conductor length.");
    TrackBar2 = SrDivisor->slider();
    Edit44 = SrDivisor->box();
    ipc.field("", "", TrackBar2, Edit44);
    Edit24 = ipc.result({"", "Maximum Conductor Length", "Edit24"}).box;

    GroupBox42 = panel.section("GroupBox42", " Frequency Domain Method ");
    Form domain = panel.nested(GroupBox42);
    Edit23 = domain.result({"", "Full Wavelength (In Air)", "Edit23"}).box;
    WavelengthDivisor =
        new TrackBar(GroupBox42, "TrackBar3", "Edit47", divisorTexts(wavelengthDivisors),
                     wavelengthDefault, "Amount to divide Lambda by for maximum conductor length.");
    TrackBar3 = WavelengthDivisor->slider();
    Edit47 = WavelengthDivisor->box();
    domain.field("", "", TrackBar3, Edit47);
    Edit45 = domain.result({"", "Maximum Conductor Length", "Edit45"}).box;
    panel.addStretch();

    // Low frequencies give long wavelengths; the boxes hold the one of 100 Hz.
    for (Edit *box : {Edit22, Edit23, Edit24, Edit43, Edit45})
        box->setMinimumWidth(boxWidth(box, "118028526.77165 Inches"));

    RadioGroup12->onClick = [this] { RadioGroup12Click(); };
    RadioGroup20->onClick = [this] { RadioGroup20Click(); };
    SrDivisor->onChange = [this] { context_.recalculate(); };
    WavelengthDivisor->onChange = [this] { context_.recalculate(); };
}

void BandwidthCalculator::configureTrailing()
{
    // The layer type only sizes the rise distance, which a frequency does not have.
    if (frequencyInput())
        context_.options->RadioGroup3->setEnabled(false);
}

void BandwidthCalculator::RadioGroup12Click()
{
    const bool frequency = frequencyInput();
    Edit19->setText(frequency ? "100" : "1");
    if (frequency) {
        RadioGroup20->show();
        RadioGroup20->setItemIndex(0);
    } else {
        RadioGroup20->hide();
    }
    Label30->setText(frequency ? "Frequency" : "Signal Risetime");
    Edit279->setText(frequency ? "MHz" : "ns");
    GroupBox41->setVisible(!frequency);
    context_.options->RadioGroup3->setEnabled(!frequency);
    setHint(Edit19, frequency ? frequencyHint : risetimeHint);
    context_.recalculate();
}

void BandwidthCalculator::RadioGroup20Click()
{
    Edit279->setText(RadioGroup20->itemText());
    context_.recalculate();
}

void BandwidthCalculator::CalcBandwidth()
{
    const double srFactor = factorAt(riseDistanceDivisors, SrDivisor->position());
    const double lambdaFactor = factorAt(wavelengthDivisors, WavelengthDivisor->position());

    // A risetime or frequency of zero or less has no bandwidth and no length: it is refused and
    // replaced by the input method's default.
    Edit *er = context_.options->Edit7;
    const EntryLimit risetimeLimits[] = {
        {er, Refuse::Below, 1, erMessage, "1"},
        {Edit19, Refuse::AtOrBelow, 0, "Signal risetime can't be less than or equal to 0ns", "1"},
    };
    const EntryLimit frequencyLimits[] = {
        {er, Refuse::Below, 1, erMessage, "1"},
        {Edit19, Refuse::AtOrBelow, 0, "Frequency can't be less than or equal to 0", "100"},
    };
    const bool frequency = frequencyInput();
    applyLimits(frequency ? std::span<const EntryLimit>(frequencyLimits)
                          : std::span<const EntryLimit>(risetimeLimits),
                *context_.messages, context_.decimalMode);

    const double dielectric = context_.parse(er->text());
    const double entry = context_.parse(Edit19->text());
    const bool metric = context_.metric();
    const LengthUnit unit = metric ? LengthUnit::Centimetres : LengthUnit::Inches;
    const char *lengthFormat = metric ? "%.5f cm" : "%.5f Inches";

    if (frequency) {
        const auto fUnit = static_cast<FrequencyUnit>(std::clamp(RadioGroup20->itemIndex(), 0, 2));
        const double lambda = wavelength(toMHz(entry, fUnit), unit);
        showResult(Edit23, lengthFormat, lambda);
        showResult(Edit43, metric ? "%.5f m/s" : "%.3f m/s", propagationSpeed(dielectric));
        showResult(Edit45, lengthFormat, wavelengthLength(lambda, lambdaFactor));
        return;
    }

    const double bw = bandwidthMHz(entry);
    showResult(Edit22, "%.5f MHz", bw);
    const double lambda = wavelength(bw, unit);
    showResult(Edit23, lengthFormat, lambda);
    const Circuit circuit =
        context_.options->RadioGroup3->itemIndex() == 1 ? Circuit::Stripline : Circuit::Microstrip;
    const double sr = riseDistance(entry, dielectric, circuit);
    showResult(Edit24, lengthFormat, riseDistanceLength(sr, srFactor, unit));
    showResult(Edit43, "%.3f m/s", propagationSpeed(dielectric));
    showResult(Edit45, lengthFormat, wavelengthLength(lambda, lambdaFactor));
}

} // namespace tw
