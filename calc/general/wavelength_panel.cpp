#include "calc/general/wavelength_panel.h"

#include "calc/lines/er_effective_panel.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/messages.h"
#include "ui/result_text.h"

#include <QHBoxLayout>
#include <QSlider>

#include <algorithm>
#include <array>

namespace tw {

namespace {

constexpr int ErEffectiveIndex = 17;
constexpr int PeriodMethod = 0;
constexpr int FrequencyMethod = 1;

const std::array<const char *, wavelength::kFractions.size()> fractionCaptions{
    "Full Wave Length", "3/4 Wave Length",  "5/8 Wave Length",
    "1/2 Wave Length",  "1/4 Wave Length",  "1/10 Wave Length",
    "1/15 Wave Length", "1/16 Wave Length", "1/20 Wave Length"};

const QStringList periodUnits{"ns", "ps"};
const QStringList frequencyUnits{"MHz", "KHz", "Hz"};

} // namespace

WavelengthCalculator::WavelengthCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox22 = new QGroupBox(" Wavelength Calculator ", parent);
    GroupBox22->setObjectName("GroupBox22");
    Form form(GroupBox22, [this] { context_.recalculate(); });

    auto *selections = new QWidget(GroupBox22);
    auto *row = new QHBoxLayout(selections);
    row->setContentsMargins(0, 0, 0, 0);
    RadioGroup22 =
        new RadioGroup(selections, "RadioGroup22", " Input Method ", {"Period", "Frequency"}, 0);
    setHint(RadioGroup22, "Select input method.");
    RadioGroup21 = new RadioGroup(selections, "RadioGroup21", " Units ", periodUnits, 0);
    setHint(RadioGroup21, "Select units for time.");
    row->addWidget(RadioGroup22);
    row->addWidget(RadioGroup21);
    row->addStretch(1);
    // Room for the three frequency units, so the form does not jump when the method changes.
    RadioGroup21->setMinimumHeight(
        RadioGroup(nullptr, {}, " Units ", frequencyUnits, 0).sizeHint().height());
    form.addWide(selections);
    form.addSpacing();

    FormRow signal = form.input(
        {"Label220", "Period", "Edit103", "10", "Enter the signal period.", "Edit280", "ns"});
    Label220 = signal.caption;
    Edit103 = signal.box;
    Edit280 = signal.unit;
    Edit280->setMinimumWidth(unitBoxWidth(Edit280, "MHz"));
    Edit280->setFixedWidth(Edit280->minimumWidth());
    FormRow er =
        form.input({"Label117", "Er Eff", "Edit150", "4",
                    "Enter effective dielectric constant; this may not always be the Er of the PCB "
                    "substrate."});
    Label117 = er.caption;
    Edit150 = er.box;
    Label163 = form.note("Label163", "Enter an Er Eff of 1 for wavelength in air.");
    form.addSpacing();

    TrackBar4 = new QSlider(Qt::Horizontal, GroupBox22);
    TrackBar4->setObjectName("TrackBar4");
    TrackBar4->setRange(0, static_cast<int>(wavelength::kFractions.size()) - 1);
    TrackBar4->setPageStep(1);
    TrackBar4->setTickPosition(QSlider::TicksBelow);
    TrackBar4->setTickInterval(1);
    setHint(TrackBar4, "Amount to divide by for wavelength.");
    Label221 = form.field("Label221", "Wavelength Divide", TrackBar4);
    Label222 = makeLabel(GroupBox22, "Label222", fractionCaptions[0]);
    form.field({}, {}, Label222);
    QObject::connect(TrackBar4, &QSlider::valueChanged, TrackBar4,
                     [this] { guardEvent([this] { TrackBar4Change(); }); });
    form.addSpacing();

    FormRow result = form.result({"Edit104Caption",
                                  "Wavelength",
                                  "Edit104",
                                  {},
                                  "Wavelength for given frequency in substrate."});
    Edit104Caption = result.caption;
    Edit104 = result.box;

    Button4 = new QPushButton("Er Eff Calculator", GroupBox22);
    Button4->setObjectName("Button4");
    QObject::connect(Button4, &QPushButton::clicked, Button4,
                     [this] { guardEvent([this] { Button4Click(); }); });
    form.addSpacing();
    form.addWide(Button4, Qt::AlignLeft);
    form.addSpacing();

    Label160 = new LinkLabel(GroupBox22, "Label160", "Wavelength Information", context_.desktop,
                             "https://en.wikipedia.org/wiki/Wavelength");
    Label33 = new LinkLabel(GroupBox22, "Label33", "Speed of Light", context_.desktop,
                            "https://en.wikipedia.org/wiki/Speed_of_light");
    Label164 = new LinkLabel(GroupBox22, "Label164", "Er Effective Information", context_.desktop,
                             "https://www.microwaves101.com/encyclopedias/microstrip");
    for (QLabel *link : {static_cast<QLabel *>(Label160), static_cast<QLabel *>(Label33),
                         static_cast<QLabel *>(Label164)})
        form.addWide(link, Qt::AlignLeft);
    form.addStretch();

    RadioGroup22->onClick = [this] { RadioGroup22Click(); };
    RadioGroup21->onClick = [this] { RadioGroup21Click(); };
}

wavelength::SignalUnit WavelengthCalculator::signalUnit() const
{
    using wavelength::SignalUnit;
    const int unit = std::max(RadioGroup21->itemIndex(), 0);
    if (RadioGroup22->itemIndex() == FrequencyMethod) {
        constexpr std::array<SignalUnit, 3> units{SignalUnit::Megahertz, SignalUnit::Kilohertz,
                                                  SignalUnit::Hertz};
        return units[static_cast<std::size_t>(std::min(unit, 2))];
    }
    return unit == 1 ? SignalUnit::Picoseconds : SignalUnit::Nanoseconds;
}

void WavelengthCalculator::CalcWavelength()
{
    const bool period = RadioGroup22->itemIndex() == PeriodMethod;
    // The substrate's Er plays no part here: a bad text left in it by another calculator must
    // not stop this one.
    const std::array<EntryLimit, 2> limits{{
        {Edit103, Refuse::AtOrBelow, 0,
         period ? "Minimum period can't be less than or equal to 0"
                : "Minimum frequency can't be less than or equal to 0",
         "10"},
        {Edit150, Refuse::AtOrBelow, 0, "Minimum Er Eff value can't be less than or equal to 0",
         "1"},
    }};
    applyLimits(limits, *context_.messages, context_.decimalMode);

    const auto position = static_cast<std::size_t>(
        std::clamp(TrackBar4->value(), 0, static_cast<int>(wavelength::kFractions.size()) - 1));
    const double fraction = wavelength::kFractions[position];
    const double f = wavelength::frequencyMHz(context_.parse(Edit103->text()), signalUnit());
    const double e = context_.parse(Edit150->text());
    if (context_.metric())
        showResult(Edit104, "%.5f cm", wavelength::wavelengthCm(f, e, fraction));
    else
        showResult(Edit104, "%.5f Inches", wavelength::wavelengthInches(f, e, fraction));
}

void WavelengthCalculator::showInputMethod()
{
    if (RadioGroup22->itemIndex() == FrequencyMethod) {
        Label220->setText("Frequency");
        RadioGroup21->setItems(frequencyUnits);
        setHint(RadioGroup21, "Select units for frequency.");
        setHint(Edit103, "Enter the signal frequency.");
    } else {
        Label220->setText("Period");
        RadioGroup21->setItems(periodUnits);
        setHint(RadioGroup21, "Select units for time.");
        setHint(Edit103, "Enter the signal period.");
    }
}

void WavelengthCalculator::showUnit()
{
    Edit280->setText(RadioGroup21->itemText());
}

void WavelengthCalculator::RadioGroup22Click()
{
    showInputMethod();
    // Selecting the first unit runs its own click, and with it a recalculation.
    RadioGroup21->setItemIndex(0);
    context_.recalculate();
}

void WavelengthCalculator::RadioGroup21Click()
{
    showUnit();
    context_.recalculate();
}

void WavelengthCalculator::TrackBar4Change()
{
    const int position =
        std::clamp(TrackBar4->value(), 0, static_cast<int>(fractionCaptions.size()) - 1);
    Label222->setText(fractionCaptions[static_cast<std::size_t>(position)]);
    context_.recalculate();
}

void WavelengthCalculator::Button4Click()
{
    // The entries are checked, and corrected where refused, before their frequency is sent.
    context_.recalculate();
    const double f = wavelength::frequencyMHz(context_.parse(Edit103->text()), signalUnit());
    auto *erEffective =
        dynamic_cast<ErEffectiveCalculator *>(context_.calculatorAt(ErEffectiveIndex));
    if (!erEffective)
        return;
    erEffective->receiveFromWavelength(generalFloatText(f, context_.decimalMode));
    context_.selectCalculator(ErEffectiveIndex);
}

void WavelengthCalculator::receiveFromErEffective(const QString &frequencyMHz,
                                                  const QString &erEffective)
{
    // Read as a frequency in MHz before anything is recalculated; no handler runs on the way,
    // the switch to this calculator recalculates.
    if (RadioGroup22->itemIndex() != FrequencyMethod) {
        RadioGroup22->setItemIndexSilently(FrequencyMethod);
        showInputMethod();
    }
    RadioGroup21->setItemIndexSilently(0);
    showUnit();
    Edit103->setText(frequencyMHz);
    Edit150->setText(erEffective);
}

} // namespace tw
