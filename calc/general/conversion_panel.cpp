#include "calc/general/conversion_panel.h"

#include "calc/general/conversion.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/result_text.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace tw {

namespace {

const char *const siPrefixesAddress = "https://en.wikipedia.org/wiki/Metric_prefix";
const char *const dbmChartAddress = "https://www.rfcafe.com/references/electrical/mw2dbm.htm";
const char *const ohmsLawAddress = "https://en.wikipedia.org/wiki/Ohm%27s_law";

QGroupBox *makeSection(QWidget *parent, const char *name, const char *caption)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

ConversionCalculator::ConversionCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox7 = new QGroupBox(" Units Conversion Data ", parent);
    GroupBox7->setObjectName("GroupBox7");
    const Handler enter = [this] { context_.recalculate(); };

    auto *columns = new QHBoxLayout(GroupBox7);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    DistanceGroup = makeSection(GroupBox7, "DistanceGroup", " Distance ");
    left->addWidget(DistanceGroup);
    Form distance(DistanceGroup, enter, &units_);
    FormRow row =
        distance.input({"Label183", "Input", "Edit80", "10", "Enter the distance to be converted.",
                        "Edit82", "mils", "mm", 18});
    Label183 = row.caption;
    Edit80 = row.box;
    Edit82 = row.unit;
    row = distance.result({"", "", "Edit81", {}, "Converted distnace.", "Edit83", "mm", "mils"});
    Edit81 = row.box;
    Edit83 = row.unit;
    row = distance.result({"", "", "Edit142", {}, "Converted distnace.", "Edit144", "in", "um"});
    Edit142 = row.box;
    Edit144 = row.unit;
    row = distance.result({"", "", "Edit143", {}, "Converted distnace.", "Edit145", "um", "in"});
    Edit143 = row.box;
    Edit145 = row.unit;

    TemperatureGroup = makeSection(GroupBox7, "TemperatureGroup", " Temperature ");
    left->addWidget(TemperatureGroup);
    Form temperature(TemperatureGroup, enter, &units_);
    row = temperature.input({"Label190", "Input", "Edit85", "72",
                             "Enter the temperature to be converted.", "Edit86", "°F", "°C"});
    Label190 = row.caption;
    Edit85 = row.box;
    Edit86 = row.unit;
    row = temperature.result(
        {"Label189", "Output", "Edit84", {}, "Converted temperature.", "Edit87", "°C", "°F"});
    Label189 = row.caption;
    Edit84 = row.box;
    Edit87 = row.unit;

    // Both converters follow every keystroke; text written by the program (the unit switch
    // among it) recalculates through its own caller.
    for (Edit *box : {Edit80, Edit85})
        QObject::connect(box, &QLineEdit::textEdited, box,
                         [this] { guardEvent([this] { context_.recalculate(); }); });

    DecibelGroup = makeSection(GroupBox7, "DecibelGroup", " Decibels ");
    left->addWidget(DecibelGroup);
    Form decibels(DecibelGroup, enter);
    row = decibels.input({"Label258", "Gain in dB", "Edit167", "1",
                          "Enter the dB gain to be converted.", "Edit168", "dB"});
    Label258 = row.caption;
    Edit167 = row.box;
    Edit168 = row.unit;
    row = decibels.result(
        {"Label257", "Voltage Gain", "Edit166", {}, "Converted dB gain.", "Edit169", "A"});
    Label257 = row.caption;
    Edit166 = row.box;
    Edit169 = row.unit;
    row = decibels.input(
        {"Label118", "dBm In", "Edit174", "0", "Enter the dBm level to be converted."});
    Label118 = row.caption;
    Edit174 = row.box;
    row = decibels.result({"Label119", "dBm Out", "Edit175", {}, "Converted dBm level."});
    Label119 = row.caption;
    Edit175 = row.box;
    row = decibels.input(
        {"Label122", "Volts In", "Edit176", "1", "Enter the voltage value to be converted."});
    Label122 = row.caption;
    Edit176 = row.box;
    row = decibels.result({"Label123", "Volts Out", "Edit177", {}, "Converted voltage level."});
    Label123 = row.caption;
    Edit177 = row.box;
    left->addStretch(1);

    GroupBox21 = makeSection(GroupBox7, "GroupBox21", " Rectangular to Polar Conversion ");
    right->addWidget(GroupBox21);
    Form complex(GroupBox21, enter);
    CheckBox3 = new CheckBox(GroupBox21, "CheckBox3", "swap");
    complex.addWide(CheckBox3);
    row = complex.input(
        {"Label178", "Real Value", "Edit215", "50", "Enter the real value of the complex number."});
    Label178 = row.caption;
    Edit215 = row.box;
    row = complex.input(
        {"Label179", "j Value", "Edit216", "0", "Enter the j vlaue of the complex number."});
    Label179 = row.caption;
    Edit216 = row.box;
    row = complex.result(
        {"Label180", "Magnitude", "Edit217", {}, "Converted magnitude in Polar form."});
    Label180 = row.caption;
    Edit217 = row.box;
    row = complex.result({"Label181",
                          "Angle (Degrees)",
                          "Edit218",
                          {},
                          "Converted angle, in degrees, in Polar form."});
    Label181 = row.caption;
    Edit218 = row.box;
    SpeedButton2 = new QToolButton(GroupBox21);
    SpeedButton2->setObjectName("SpeedButton2");
    SpeedButton2->setText(QStringLiteral("→"));
    setHint(SpeedButton2, "Send angular result to Radians to Degrees converter.");
    complex.grid()->addWidget(SpeedButton2, complex.nextRow() - 1, 2, Qt::AlignLeft);

    GroupBox40 = makeSection(GroupBox7, "GroupBox40", " Angular Conversion ");
    right->addWidget(GroupBox40);
    Form angle(GroupBox40, enter);
    CheckBox2 = new CheckBox(GroupBox40, "CheckBox2", "swap");
    angle.addWide(CheckBox2);
    row = angle.input({"Label184", "Degrees", "Edit219", "1",
                       "Enter the degrees value to be converted to radians"});
    Label184 = row.caption;
    Edit219 = row.box;
    row = angle.result(
        {"Label185", "Radians", "Edit220", {}, "Converted angle in degrees from radians."});
    Label185 = row.caption;
    Edit220 = row.box;

    GroupBox17 = makeSection(GroupBox7, "GroupBox17", " Charts and Conversions ");
    right->addWidget(GroupBox17);
    Form links(GroupBox17);
    Label186 =
        new LinkLabel(GroupBox17, "Label186", "SI Prefixes", context_.desktop, siPrefixesAddress);
    Label159 =
        new LinkLabel(GroupBox17, "Label159", "dBm Chart", context_.desktop, dbmChartAddress);
    Label286 = new LinkLabel(GroupBox17, "Label286", "Ohms Law", context_.desktop, ohmsLawAddress);
    for (LinkLabel *link : {Label186, Label159, Label286})
        links.addWide(link);
    right->addStretch(1);

    CheckBox3->onClick = [this] { CheckBox3Click(); };
    CheckBox2->onClick = [this] { CheckBox2Click(); };
    QObject::connect(SpeedButton2, &QToolButton::clicked, SpeedButton2,
                     [this] { guardEvent([this] { SpeedButton2Click(); }); });
}

void ConversionCalculator::prepareRecalculation()
{
    for (Edit *box : {Edit85, Edit80})
        if (box->text().isEmpty())
            box->setText("0");
}

void ConversionCalculator::CheckBox3Click()
{
    const bool polar = CheckBox3->isChecked();
    GroupBox21->setTitle(polar ? " Polar to Rectangular Conversion "
                               : " Rectangular to Polar Conversion ");
    Label178->setText(polar ? "Magnitude" : "Real Value");
    Label179->setText(polar ? "Angle (Degrees)" : "j Value");
    Label180->setText(polar ? "Real Value" : "Magnitude");
    Label181->setText(polar ? "j Value" : "Angle (Degrees)");
    setHint(Edit215, polar ? "Enter the magnitude to be converted."
                           : "Enter the real value of the complex number.");
    setHint(Edit216, polar ? "Enter the angle, in degrees, to be converted."
                           : "Enter the j vlaue of the complex number.");
    setHint(Edit217, polar ? "Converted real value in rectangular form."
                           : "Converted magnitude in Polar form.");
    setHint(Edit218, polar ? "Converted j value in rectangular form."
                           : "Converted angle, in degrees, in Polar form.");
    context_.recalculate();
}

void ConversionCalculator::CheckBox2Click()
{
    const bool toDegrees = CheckBox2->isChecked();
    Label184->setText(toDegrees ? "Radians" : "Degrees");
    Label185->setText(toDegrees ? "Degrees" : "Radians");
    setHint(Edit219, toDegrees ? "Enter the radian value to be converted to degrees."
                               : "Enter the degrees value to be converted to radians.");
    setHint(Edit220, toDegrees ? "Converted angle in degrees from radians."
                               : "Converted angle in radians from degrees.");
    context_.recalculate();
}

void ConversionCalculator::SpeedButton2Click()
{
    CheckBox2->setCheckedByProgram(false);
    // The computed angle is a result (always with a point); the entered one is the user's text.
    Edit219->setText(CheckBox3->isChecked() ? Edit216->text()
                                            : localDecimals(Edit218->text(), context_.decimalMode));
    context_.recalculate();
}

void ConversionCalculator::CalcConversion()
{
    using namespace conversion;
    const bool metric = context_.metric();

    const double x = context_.parse(Edit80->text());
    const Distance distance = metric ? fromMillimetres(x) : fromMils(x);
    showResult(Edit81, "%.4f", distance.first);
    showResult(Edit142, "%.4f", distance.second);
    showResult(Edit143, "%.4f", distance.third);

    const double t = context_.parse(Edit85->text());
    showResult(Edit84, "%0.2f", metric ? celsiusToFahrenheit(t) : fahrenheitToCelsius(t));

    const double gain = context_.parse(Edit167->text());
    const double a = voltageGain(gain);
    showResult(Edit166, "%.4f", a);
    showGeneralResult(Edit175, dbmOut(context_.parse(Edit174->text()), gain), context_.decimalMode);
    showResult(Edit177, "%.4f", context_.parse(Edit176->text()) * a);

    const double first = context_.parse(Edit215->text());
    const double second = context_.parse(Edit216->text());
    if (CheckBox3->isChecked()) {
        const Rectangular z = toRectangular(first, second);
        showResult(Edit217, "%.4f", z.real);
        showResult(Edit218, "%.4f", z.imaginary);
    } else {
        const Polar z = toPolar(first, second);
        showResult(Edit217, "%.4f", z.magnitude);
        showResult(Edit218, "%.4f", z.angleDegrees);
    }

    const double v = context_.parse(Edit219->text());
    showResult(Edit220, "%.4f", CheckBox2->isChecked() ? radiansToDegrees(v) : degreesToRadians(v));
}

} // namespace tw
