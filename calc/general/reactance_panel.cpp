#include "calc/general/reactance_panel.h"

#include "calc/general/reactance.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/form.h"
#include "ui/result_text.h"

namespace tw {

ReactanceCalculator::ReactanceCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox48 = new QGroupBox(" XC XL Reactance ", parent);
    GroupBox48->setObjectName("GroupBox48");
    Form panel(GroupBox48, [this] { context_.recalculate(); });

    auto units = [&](const QString &name, const QStringList &items, const QString &hint) {
        auto *group = new RadioGroup(GroupBox48, name, "Units ", items, 0, 3);
        setHint(group, hint);
        panel.field({}, {}, group);
        return group;
    };
    FormRow row =
        panel.input({"", "Frequency", "Edit270", "1", "Enter the frequency.", "Edit278", "MHz"});
    Edit270 = row.box, Edit278 = row.unit;
    RadioGroup19 = units("RadioGroup19", {"MHz", "KHz", "Hz"}, "Select units for frequency.");
    panel.addSpacing();
    row =
        panel.input({"", "Capacitance", "Edit271", "1", "Enter the capacitance.", "Edit276", "uF"});
    Edit271 = row.box, Edit276 = row.unit;
    RadioGroup17 = units("RadioGroup17", {"uF", "nF", "pF"}, "Select units for capacitance.");
    panel.addSpacing();
    row = panel.input({"", "Inductance", "Edit272", "1", "Enter the inductance.", "Edit277", "mH"});
    Edit272 = row.box, Edit277 = row.unit;
    RadioGroup18 = units("RadioGroup18", {"mH", "uH", "nH"}, "Select units for inductance.");
    panel.addSpacing(12);

    Edit273 = panel.result({"", "Xc", "Edit273", {}, "Capacitive reactance based on inputs."}).box;
    Edit274 = panel.result({"", "Xl", "Edit274", {}, "Inductive reactance based on inputs."}).box;
    Edit275 =
        panel
            .result(
                {"", "Resonant Frequency", "Edit275", {}, "Resonant frequency based on inputs."})
            .box;
    panel.addStretch();

    RadioGroup17->onClick = [this] { RadioGroup17Click(); };
    RadioGroup18->onClick = [this] { RadioGroup18Click(); };
    RadioGroup19->onClick = [this] { RadioGroup19Click(); };
}

void ReactanceCalculator::RadioGroup17Click()
{
    Edit276->setText(RadioGroup17->itemText());
    context_.recalculate();
}

void ReactanceCalculator::RadioGroup18Click()
{
    Edit277->setText(RadioGroup18->itemText());
    context_.recalculate();
}

void ReactanceCalculator::RadioGroup19Click()
{
    Edit278->setText(RadioGroup19->itemText());
    context_.recalculate();
}

void ReactanceCalculator::CalcReactance()
{
    // The correction keeps the unit chosen beside the box.
    const EntryLimit rows[] = {
        {Edit270, Refuse::AtOrBelow, 0.0, "Frequency must be greater than 0, using 1", "1"},
        {Edit271, Refuse::AtOrBelow, 0.0, "Capacitance must be greater than 0, using 1", "1"},
        {Edit272, Refuse::AtOrBelow, 0.0, "Inductance must be greater than 0, using 1", "1"},
    };
    applyLimits(rows, *context_.messages, context_.decimalMode);

    auto factor = [](const auto &factors, const RadioGroup *group) {
        return factors[static_cast<std::size_t>(std::max(0, group->itemIndex()))];
    };
    const double f =
        context_.parse(Edit270->text()) * factor(reactance::frequencyFactors, RadioGroup19);
    const double c =
        context_.parse(Edit271->text()) * factor(reactance::capacitanceFactors, RadioGroup17);
    const double l =
        context_.parse(Edit272->text()) * factor(reactance::inductanceFactors, RadioGroup18);

    showResult(Edit273, "%.2f Ohms", reactance::capacitiveReactance(f, c));
    showResult(Edit274, "%.2f Ohms", reactance::inductiveReactance(f, l));
    showResult(Edit275, "%.2f Hz", reactance::resonantFrequency(c, l));
}

} // namespace tw
