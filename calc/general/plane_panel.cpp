#include "calc/general/plane_panel.h"

#include "calc/general/plane.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/form.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <algorithm>
#include <iterator>

namespace tw {

PlaneCalculator::PlaneCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox23 = new QGroupBox(" Plane Information ", parent);
    GroupBox23->setObjectName("GroupBox23");
    Form panel(
        GroupBox23, [this] { context_.recalculate(); }, &units_);

    GroupBox44 = panel.section("GroupBox44", " Power Delivery Network Impedance ");
    Form pdn = panel.nested(GroupBox44);

    SupplyVoltageGroup = pdn.section("SupplyVoltageGroup", " Supply Voltage ");
    Form voltage = pdn.nested(SupplyVoltageGroup);
    FormRow row = voltage.input({"Label223", "Supply Voltage", "Edit105", "5",
                                 "Enter the supply rail voltage.", "Edit111", "VDC"});
    Label223 = row.caption;
    Edit105 = row.box;
    Edit111 = row.unit;

    SupplyCurrentGroup = pdn.section("SupplyCurrentGroup", " Supply Current ");
    Form current = pdn.nested(SupplyCurrentGroup);
    row = current.input({"Label226", "Maximum Current", "Edit108", "5",
                         "Enter the maximum supply current for given rail.", "Edit112", "Amps"});
    Label226 = row.caption;
    Edit108 = row.box;
    Edit112 = row.unit;
    SpinRow spin = current.spinInput(
        {"Label228", "Transient Percentage", "Edit110", "50",
         "Enter the percentage of supply current that is considered transient.", "Edit113", "%"},
        "UpDown5", 1, 100, 50);
    Label228 = spin.caption;
    Edit110 = spin.box;
    UpDown5 = spin.spin;
    Edit113 = spin.unit;

    NoiseMarginGroup = pdn.section("NoiseMarginGroup", " Supply Noise Margin ");
    Form noise = pdn.nested(NoiseMarginGroup);
    spin = noise.spinInput({"Label224", "Total Noise margin", "Edit106", "5",
                            "Enter the PDN's total noise margin.", "Edit115", "%"},
                           "UpDown3", 0, 100, 5);
    Label224 = spin.caption;
    Edit106 = spin.box;
    UpDown3 = spin.spin;
    Edit115 = spin.unit;
    spin = noise.spinInput({"Label225", "AC Allocation of Margin", "Edit107", "80",
                            "Enter the percentage of total noise margin allocated to AC noise.",
                            "Edit114", "%"},
                           "UpDown4", 0, 100, 80);
    Label225 = spin.caption;
    Edit107 = spin.box;
    UpDown4 = spin.spin;
    Edit114 = spin.unit;

    // The three groups share one column of boxes.
    int captions = 0;
    for (QLabel *label : {Label223, Label226, Label228, Label224, Label225})
        captions = std::max(captions, label->sizeHint().width());
    for (const Form *group : {&voltage, &current, &noise})
        group->grid()->setColumnMinimumWidth(0, captions);

    row = pdn.result({"Label227",
                      "Target PDN Impedance",
                      "Edit109",
                      {},
                      "Approximated PDN impedance per the given inputs."});
    Label227 = row.caption;
    Edit109 = row.box;

    GroupBox45 = panel.section("GroupBox45", " Plane Capacitance ");
    Form plates = panel.nested(GroupBox45);
    row =
        plates.input({"Label287", "Area of plane", "Edit228", "64", "Enter the area of the plane.",
                      "Edit231", "Sq.In", "Sq.mm", 24, Quantity::Area});
    Label287 = row.caption;
    Edit228 = row.box;
    Edit231 = row.unit;
    row = plates.input({"Label291", "Distance between planes", "Edit229", "2",
                        "Enter the distance between the two planes.", "Edit232", "mils", "mm", 25});
    Label291 = row.caption;
    Edit229 = row.box;
    Edit232 = row.unit;
    row =
        plates.input({"Label294", "Frequency", "Edit234", "1",
                      "Enter the signal frequency (if any) for Xc calculation.", "Edit233", "MHz"});
    Label294 = row.caption;
    Edit234 = row.box;
    Edit233 = row.unit;
    CheckBox4 = new CheckBox(GroupBox45, "CheckBox4", "DC");
    plates.grid()->addWidget(CheckBox4, plates.nextRow() - 1, 3, Qt::AlignLeft);
    row = plates.result({"Label292",
                         "Total Plane Capacitance",
                         "Edit230",
                         {},
                         "Total plane capacitance per the given inputs."});
    Label292 = row.caption;
    Edit230 = row.box;
    row = plates.result({"Label295",
                         "Capacitive Reactance",
                         "Edit235",
                         {},
                         "Capacitive reactance of the plane per the given inputs."});
    Label295 = row.caption;
    Edit235 = row.box;
    panel.addStretch();

    const Handler recalculate = [this] { context_.recalculate(); };
    for (UpDown *updown : {UpDown3, UpDown4, UpDown5}) {
        updown->onChanging = recalculate;
        updown->onClick = recalculate;
    }
    CheckBox4->onClick = [this] { CheckBox4Click(); };
}

void PlaneCalculator::configureTrailing()
{
    context_.options->GroupBox9->show();
}

void PlaneCalculator::CheckBox4Click()
{
    const bool dc = CheckBox4->isChecked();
    Label295->setVisible(!dc);
    Edit235->setVisible(!dc);
    Edit233->setVisible(!dc);
    Edit234->setEnabled(!dc);
    Edit234->setText(dc ? "DC" : "1");
    if (!dc)
        context_.recalculate();
}

void PlaneCalculator::CalcPlane()
{
    const bool metric = context_.metric();
    const bool dc = CheckBox4->isChecked();
    Edit *er = context_.options->Edit7;
    const EntryLimit limits[] = {
        {Edit108, Refuse::AtOrBelow, 0, "Maximum current can't be <= 0", "5"},
        {Edit110, Refuse::AtOrBelow, 0, "Transient current percentage can't be <= 0", "1"},
        {er, Refuse::Below, 1, "Minimum dielectric constant value can't be less than 1", "1"},
        {Edit228, Refuse::AtOrBelow, 0, "Area of plane can't be <= 0", metric ? "41290.32" : "64"},
        {Edit229, Refuse::AtOrBelow, 0, "Distance between planes can't be <= 0",
         metric ? "0.0508" : "2"},
        // Last, so that "DC" leaves it out.
        {Edit234, Refuse::AtOrBelow, 0, "Frequency can't be <= 0", "1"},
    };
    applyLimits(std::span(limits).first(std::size(limits) - (dc ? 1 : 0)), *context_.messages,
                context_.decimalMode);

    const double volts = context_.parse(Edit105->text());
    const double amps = context_.parse(Edit108->text());
    const double margin = context_.parse(Edit106->text());
    const double ac = context_.parse(Edit107->text());
    const double transient = context_.parse(Edit110->text());
    showResult(Edit109, "%.5f Ohms", plane::targetImpedance(volts, amps, margin, ac, transient));

    const double permittivity = context_.parse(er->text());
    const double area = context_.parse(Edit228->text());
    const double distance = context_.parse(Edit229->text());
    const double capacitance = metric ? plane::capacitanceMetric(permittivity, area, distance)
                                      : plane::capacitanceImperial(permittivity, area, distance);
    showResult(Edit230, "%.2f pF", capacitance);

    if (dc)
        return;
    const double frequency = context_.parse(Edit234->text());
    showResult(Edit235, "%.4f Ohms", plane::reactance(frequency, capacitance));
}

} // namespace tw
