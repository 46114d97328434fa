#include "calc/current/fusing_panel.h"

#include "calc/current/current_capacity.h"
#include "calc/current/fusing.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/form.h"
#include "ui/info_panel.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

namespace tw {

FusingCalculator::FusingCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox33 = new QGroupBox(" Fusing Current ", parent);
    GroupBox33->setObjectName("GroupBox33");
    Form panel(
        GroupBox33, [this] { context_.recalculate(); }, &units_);

    FormRow row = panel.input({"Label241", "Conductor Width", "Edit140", "10",
                               "Enter the width of the conductor.", "Edit155", "mils", "mm", 21});
    Label241 = row.caption;
    Edit140 = row.box;
    Edit155 = row.unit;
    row = panel.input({"Label242", "Time", "Edit153", "1",
                       "Enter the time needed to carry the fusing current before fusing.",
                       "Edit156", "Seconds"});
    Label242 = row.caption;
    Edit153 = row.box;
    Edit156 = row.unit;
    row = panel.result({"Label245",
                        "Conductor Cross Section",
                        "Edit159",
                        {},
                        "Approximated conductor cross section."});
    Label245 = row.caption;
    Edit159 = row.box;
    row = panel.result({"Label244",
                        "Conductor Current",
                        "Edit160",
                        {},
                        "Approximated current that will cause the conductor to fuse over the give "
                        "period of time."});
    Label244 = row.caption;
    Edit160 = row.box;

    panel.addSpacing(16);
    for (const char *line : {"Note:", "This calculator is based on Onderdonk's equation for",
                             "fusing current over time of a bare copper wire.",
                             "It is not intended for use of long periods of time >10", "seconds."})
        panel.note({}, line);
    panel.addSpacing(12);
    panel.note({}, "Onderdonk’s Equation:");
    panel.note({}, "I = A*(log(1 + (Tm-Ta)/(234+Ta))/33*s).5");
    panel.addSpacing(12);
    panel.note({}, "Reduced Equation:");
    panel.note({}, "I = .188*A/t.5");
    panel.addStretch();
}

void FusingCalculator::CalcFusingCurrent()
{
    const bool metric = context_.metric();
    const UnitSystem units = metric ? UnitSystem::Metric : UnitSystem::Imperial;
    const OptionsPanel &options = *context_.options;
    // The plating counts on either layer: a fusing conductor is taken as bare, plated copper.
    const double t = options.baseCopperThickness(units) + options.platingThickness(units);
    if (metric)
        showResult(context_.info->Label56, "%3.0f um", t * 1000);
    else
        showResult(context_.info->Label56, "%.2f mils", t);

    const double w = context_.parse(Edit140->text());
    // A time of zero or less has no fusing current; it is refused before anything is written,
    // so the cross-section and the current always belong to the same entries.
    const EntryLimit limits[] = {
        {Edit153, Refuse::AtOrBelow, 0, "Time can't be less than or equal to 0 seconds", "1"}};
    applyLimits(limits, *context_.messages, context_.decimalMode);
    const double s = context_.parse(Edit153->text());

    const double area = current::conductorCrossSection(current::EtchFactor::None, w, t);
    showResult(Edit159, metric ? "%.3f Sq.mm" : "%.2f Sq.mils", area);
    const double areaSqMils = metric ? current::sqMmToSqMils(area) : area;
    showResult(Edit160, "%.4f Amps", fusing::fusingCurrent(areaSqMils, s));
}

} // namespace tw
