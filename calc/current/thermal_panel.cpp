#include "calc/current/thermal_panel.h"

#include "calc/current/thermal.h"
#include "ui/context.h"
#include "ui/form.h"
#include "ui/info_panel.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

namespace tw {

ThermalCalculator::ThermalCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox27 = new QGroupBox(" Thermal Management ", parent);
    GroupBox27->setObjectName("GroupBox27");
    Form panel(GroupBox27, [this] { context_.recalculate(); });

    GroupBox28 = panel.section("GroupBox28", " Device Junction Temperature ");
    Form device = panel.nested(GroupBox28);
    FormRow row = device.input({"", "Device Thermal Resistance", "Edit116", "3",
                                "Enter the thermal resistance of the device.", "Edit118", "°C/W"});
    Edit116 = row.box;
    Edit118 = row.unit;
    row = device.input({"", "Device Power Dissipation", "Edit117", "5",
                        "Enter the power being dissipated by the device.", "Edit120", "Watts"});
    Edit117 = row.box;
    Edit120 = row.unit;
    Edit119 = device
                  .result({"", "Device Junction Temp", "Edit119", " ",
                           "Device junction temperature per the given inputs."})
                  .box;

    GroupBox29 = panel.section("GroupBox29", " Heat Sink Selection ");
    Form sink = panel.nested(GroupBox29);
    row = sink.input({"", "Heat Sink Thermal Resistance", "Edit121", "25",
                      "Enter the thermal resistance of the heatsink.", "Edit122", "°C/W"});
    Edit121 = row.box;
    Edit122 = row.unit;
    row = sink.input({"", "Device Power Dissipation", "Edit124", "5",
                      "Enter the power being dissipated by the device.", "Edit125", "Watts"});
    Edit124 = row.box;
    Edit125 = row.unit;
    Edit123 = sink.result({"",
                           "Heat Sink Junction Temp",
                           "Edit123",
                           {},
                           "Heatsink junction temperature per the given inputs."})
                  .box;
    sink.addSpacing(8);
    sink.note({}, "Thermal resistance value is based");
    sink.note({}, "on a 75°C rise in natural convection.");
    panel.addStretch();

    for (Edit *box : {Edit116, Edit117, Edit121, Edit124})
        box->setMaxLength(8);
}

void ThermalCalculator::CalcThermal()
{
    context_.options->CheckAmbientTemp();
    context_.info->Label27->setText("N/A");
    context_.info->Label28->setText("N/A");
    const double ambient = context_.AmbientTemp;

    const double deviceResistance = context_.parse(Edit116->text());
    const double devicePower = context_.parse(Edit117->text());
    showResult(Edit119, "%.3f °C",
               thermal::junctionTemperature(deviceResistance, devicePower, ambient));

    const double sinkResistance = context_.parse(Edit121->text());
    const double sinkPower = context_.parse(Edit124->text());
    showResult(Edit123, "%.3f °C",
               thermal::junctionTemperature(sinkResistance, sinkPower, ambient));
}

} // namespace tw
