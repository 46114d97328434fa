#include "calc/general/ohms_law_panel.h"

#include "calc/general/ohms_law.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/info_panel.h"
#include "ui/messages.h"
#include "ui/result_text.h"

#include <QFrame>
#include <QGridLayout>

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

enum Tab { LedBiasTab, DividerTab, PiPadTab, TPadTab };

struct BoxText {
    const char *caption;
    const char *unit;
    const char *hint;
};

// What the top, middle and result boxes mean for each choice of Solve For.
struct EirTexts {
    BoxText top;
    BoxText middle;
    BoxText result;
};

const BoxText current{"Current", "Amps", "Enter the amperage."};
const BoxText voltage{"Voltage", "Volts", "Enter the voltage."};
const BoxText resistance{"Resistance", "Ohms", "Enter the resistance."};

const EirTexts eirTexts[] = {
    {current, resistance, {"Voltage", "Volts", "Calculated voltage based on inputs."}},
    {voltage, resistance, {"Current", "Amps", "Calculated amperage based on inputs."}},
    {voltage, current, {"Resistance", "Ohms", "Calculated resistance based on inputs."}},
};

const char *const resistorMessages[] = {
    "R1 must be greater than 0 Ohms, using 330 Ohms",
    "R2 must be greater than 0 Ohms, using 330 Ohms",
    "R3 must be greater than 0 Ohms, using 330 Ohms",
    "R4 must be greater than 0 Ohms, using 330 Ohms",
};

struct PadTexts {
    const char *name;
    const char *attenuation;
    const char *zin;
    const char *zout;
    const char *captions[3]; // rows R1, R2, R3
};

const PadTexts piTexts{"PI pad",
                       "PI pad attenuation must be greater than 0 dB, using 3 dB",
                       "PI pad Zin must be greater than 0 Ohms, using 50 Ohms",
                       "PI pad Zout must be greater than 0 Ohms, using 50 Ohms",
                       {"R1 Shunt", "R2 Shunt", "R3 Series"}};
const PadTexts tTexts{"T pad",
                      "T pad attenuation must be greater than 0 dB, using 3 dB",
                      "T pad Zin must be greater than 0 Ohms, using 50 Ohms",
                      "T pad Zout must be greater than 0 Ohms, using 50 Ohms",
                      {"R1 Series", "R2 Series", "R3 Shunt"}};

QFrame *makePage(QWidget *parent, const QString &name)
{
    auto *page = new QFrame(parent);
    page->setObjectName(name);
    page->setFrameShape(QFrame::StyledPanel);
    return page;
}

int gridRow(QGridLayout *grid, QWidget *widget)
{
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
    return row;
}

// The R1 row belongs to the input side, so the two side resistors change rows with the ends.
void placeSides(const OhmsLawCalculator::Pad &pad, bool inputIsHigh)
{
    Edit *r1 = inputIsHigh ? pad.high : pad.low;
    Edit *r2 = inputIsHigh ? pad.low : pad.high;
    if (gridRow(pad.grid, r1) == pad.r1Row)
        return;
    pad.grid->removeWidget(r1);
    pad.grid->removeWidget(r2);
    pad.grid->addWidget(r1, pad.r1Row, 1);
    pad.grid->addWidget(r2, pad.r2Row, 1);
    setHint(r1, "R1 value based on inputs.");
    setHint(r2, "R2 value based on inputs.");
}

} // namespace

OhmsLawCalculator::OhmsLawCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox47 = new QGroupBox(" Ohm's Law ", parent);
    GroupBox47->setObjectName("GroupBox47");
    const Handler enter = [this] { context_.recalculate(); };
    Form panel(GroupBox47, enter);

    GroupBox49 = panel.section("GroupBox49", " E - I - R ");
    Form eir = panel.nested(GroupBox49);
    RadioGroup13 =
        new RadioGroup(GroupBox49, "RadioGroup13", " Solve For ", {"Volts", "Amps", "Ohms"}, 0, 3);
    setHint(RadioGroup13, "Select the parameter to solve for.");
    eir.addWide(RadioGroup13, Qt::AlignLeft);
    const EirTexts &volts = eirTexts[0];
    FormRow row = eir.input(
        {"Label307", volts.top.caption, "Edit245", "1", volts.top.hint, "Edit248", volts.top.unit});
    Label307 = row.caption, Edit245 = row.box, Edit248 = row.unit;
    row = eir.input({"Label308", volts.middle.caption, "Edit246", "12", volts.middle.hint,
                     "Edit247", volts.middle.unit});
    Label308 = row.caption, Edit246 = row.box, Edit247 = row.unit;
    row = eir.result({"Label306", volts.result.caption, "Edit244", "12", volts.result.hint,
                      "Edit249", volts.result.unit});
    Label306 = row.caption, Edit244 = row.box, Edit249 = row.unit;
    eir.bindEnter(Edit244);
    row = eir.result({"Label309", "Wattage", "Edit250", QString(),
                      "Calculated wattgae based on inputs.", "Edit251", "Watts"});
    Label309 = row.caption, Edit250 = row.box, Edit251 = row.unit;

    TabControl3 = new TabControl(GroupBox47, "TabControl3",
                                 {"LED Bias", "R Divider", "PI Pad", "T Pad"}, 10000);
    panel.addSpacing();
    panel.addWide(TabControl3);

    buildLedBias(enter);
    buildDivider(enter);
    pi_ = buildPad("Panel20", true);
    Panel20 = pi_.panel, Edit288 = pi_.attenuation, Edit281 = pi_.zin, Edit282 = pi_.zout,
    Edit283 = pi_.high, Edit284 = pi_.low, Edit285 = pi_.middle;
    t_ = buildPad("Panel21", false);
    Panel21 = t_.panel, Edit290 = t_.attenuation, Edit292 = t_.zin, Edit294 = t_.zout,
    Edit295 = t_.high, Edit296 = t_.low, Edit297 = t_.middle;
    for (QWidget *page : {Panel17, Panel15, Panel20, Panel21}) {
        panel.addWide(page);
        page->setVisible(page == Panel17);
    }
    panel.addStretch();

    RadioGroup13->onClick = [this] { RadioGroup13Click(); };
    TabControl3->onChange = [this] { TabControl3Change(); };
    RadioGroup16->onClick = [this] { RadioGroup16Click(); };
}

void OhmsLawCalculator::buildLedBias(const Handler &enter)
{
    Panel17 = makePage(GroupBox47, "Panel17");
    Form led(Panel17, enter);
    Edit236 = led.input({"", "+V Value", "Edit236", "12", "Enter the applied voltage.",
                         "Edit236Unit", "Volts"})
                  .box;
    Edit238 = led.input({"", "LED Voltage Drop", "Edit238", "2",
                         "Enter the LED forward voltage drop.", "Edit238Unit", "Volts"})
                  .box;
    Edit239 = led.input({"", "LED Current", "Edit239", "10", "Enter the desired LED current.",
                         "Edit239Unit", "mA"})
                  .box;
    Edit237 =
        led.result({"", "Resistor Value", "Edit237", QString(),
                    "Calculated series resistor value based on inputs.", "Edit237Unit", "Ohms"})
            .box;
    Edit299 = led.result({"", "Resistor Wattage", "Edit299", QString(),
                          "Calculated resistor wattage based on inputs.", "Edit299Unit", "Watts"})
                  .box;
}

void OhmsLawCalculator::buildDivider(const Handler &enter)
{
    Panel15 = makePage(GroupBox47, "Panel15");
    Form divider(Panel15, enter);
    RadioGroup16 = new RadioGroup(Panel15, "RadioGroup16", "  R Count    ", {"2", "3", "4"}, 0, 3);
    setHint(RadioGroup16, "Select the number of series resistors.");
    divider.addWide(RadioGroup16, Qt::AlignLeft);
    Edit252 = divider
                  .input({"", "Voltage", "Edit252", "5", "Enter the applied voltage.",
                          "Edit252Unit", "Volts"})
                  .box;

    // Only R3 and R4 have designed caption and unit-box names; R1 and R2 are named after their
    // boxes.
    const char *const valueCaptions[] = {"Edit253Caption", "Edit254Caption", "Label313",
                                         "Label314"};
    const char *const valueUnits[] = {"Edit253Unit", "Edit254Unit", "Edit257", "Edit258"};
    const char *const resultCaptions[] = {"Edit262Caption", "Edit263Caption", "Label317",
                                          "Label318"};
    for (int k = 0; k < 4; ++k) {
        const QString n = QString::number(k + 1);
        resistorRows[static_cast<std::size_t>(k)] =
            divider.input({valueCaptions[k], "R" + n, QStringLiteral("Edit%1").arg(253 + k), "330",
                           "Enter the value of R" + n + ".", valueUnits[k], "Ohms"});
    }
    divider.note("Panel15Note", "Voltage drop and wattage of each resistor");
    for (int k = 0; k < 4; ++k) {
        const QString n = QString::number(k + 1);
        const QString drop = QStringLiteral("Edit%1").arg(262 + k);
        const QString wattage = QStringLiteral("Edit%1").arg(301 + k);
        dropRows[static_cast<std::size_t>(k)] =
            divider.result({resultCaptions[k], "R" + n, drop, QString(),
                            "Calculated voltage drop across R" + n + ".", drop + "Unit", "V"});
        wattageRows[static_cast<std::size_t>(k)] = divider.resultBeside(
            {"", "", wattage, QString(), "Calculated resistor wattage dissipation based on inputs.",
             wattage + "Unit", "W"});
    }
    showDividerRows();
}

OhmsLawCalculator::Pad OhmsLawCalculator::buildPad(const QString &name, bool pi)
{
    const PadTexts &texts = pi ? piTexts : tTexts;
    const QStringList names =
        pi ? QStringList{"Edit288", "Edit281", "Edit282", "Edit283", "Edit284", "Edit285"}
           : QStringList{"Edit290", "Edit292", "Edit294", "Edit295", "Edit296", "Edit297"};
    Pad pad{};
    pad.panel = makePage(GroupBox47, name);
    Form form(pad.panel, [this] { context_.recalculate(); });
    pad.attenuation = form.input({"", "Attenuation", names[0], "3", "Enter the attenuation in dB.",
                                  names[0] + "Unit", "dB"})
                          .box;
    pad.zin = form.input({"", "Zin", names[1], "50", "Enter the source impedance.",
                          names[1] + "Unit", "Ohms"})
                  .box;
    pad.zout = form.input({"", "Zout", names[2], "50", "Enter the load impedance.",
                           names[2] + "Unit", "Ohms"})
                   .box;
    pad.grid = form.grid();
    pad.r1Row = form.nextRow();
    pad.high =
        form.result({"", texts.captions[0], names[3], QString(), "R1 value based on inputs."}).box;
    pad.r2Row = form.nextRow();
    pad.low =
        form.result({"", texts.captions[1], names[4], QString(), "R2 value based on inputs."}).box;
    pad.middle =
        form.result({"", texts.captions[2], names[5], QString(), "R3 value based on inputs."}).box;
    return pad;
}

int OhmsLawCalculator::dividerCount() const
{
    return std::max(0, RadioGroup16->itemIndex()) + 2;
}

void OhmsLawCalculator::RadioGroup13Click()
{
    const EirTexts &texts = eirTexts[std::max(0, RadioGroup13->itemIndex())];
    const std::pair<const BoxText &, FormRow> rows[] = {
        {texts.top, {Label307, Edit245, Edit248}},
        {texts.middle, {Label308, Edit246, Edit247}},
        {texts.result, {Label306, Edit244, Edit249}},
    };
    for (const auto &[text, row] : rows) {
        row.caption->setText(text.caption);
        row.unit->setText(text.unit);
        setHint(row.box, text.hint);
    }
    context_.recalculate();
}

void OhmsLawCalculator::TabControl3Change()
{
    const int tab = TabControl3->tabIndex();
    QWidget *const pages[] = {Panel17, Panel15, Panel20, Panel21};
    for (int i = 0; i < 4; ++i)
        pages[i]->setVisible(i == tab);
    const bool divider = tab == DividerTab;
    context_.info->Label56->setText(divider ? lastTotal_ : QStringLiteral("N/A"));
    context_.info->Label320->setText(divider ? lastCurrent_ : QStringLiteral("N/A"));
    context_.recalculate();
}

void OhmsLawCalculator::RadioGroup16Click()
{
    showDividerRows();
    context_.recalculate();
}

void OhmsLawCalculator::showDividerRows()
{
    const std::size_t n = static_cast<std::size_t>(dividerCount());
    for (std::size_t k = 2; k < 4; ++k)
        for (const FormRow &r : {resistorRows[k], dropRows[k], wattageRows[k]})
            for (QWidget *w : {static_cast<QWidget *>(r.caption), static_cast<QWidget *>(r.box),
                               static_cast<QWidget *>(r.unit)})
                if (w)
                    w->setVisible(k < n);
}

void OhmsLawCalculator::CalcOhmsLaw()
{
    calcEir();
    switch (TabControl3->tabIndex()) {
    case LedBiasTab:
        calcLedBias();
        break;
    case DividerTab:
        calcDivider();
        break;
    case PiPadTab:
        calcPad(pi_, true);
        break;
    case TPadTab:
        calcPad(t_, false);
        break;
    }
}

void OhmsLawCalculator::calcEir()
{
    const auto solveFor = static_cast<ohms_law::SolveFor>(std::max(0, RadioGroup13->itemIndex()));
    // Negative currents and voltages are real circuit values; a resistor of 0 or less is no part
    // to buy, and no current leaves the resistance undefined.
    if (solveFor == ohms_law::SolveFor::Amps) {
        const EntryLimit rows[] = {{Edit246, Refuse::AtOrBelow, 0.0,
                                    "Resistance must be greater than 0 Ohms, using 1 Ohm", "1"}};
        applyLimits(rows, *context_.messages, context_.decimalMode);
    } else if (solveFor == ohms_law::SolveFor::Ohms) {
        const EntryLimit rows[] = {
            {Edit246, Refuse::Equal, 0.0, "Current must not be 0 Amps, using 1 Amp", "1"}};
        applyLimits(rows, *context_.messages, context_.decimalMode);
    }
    const double top = context_.parse(Edit245->text());
    const double middle = context_.parse(Edit246->text());
    const ohms_law::Eir eir = ohms_law::solve(solveFor, top, middle);
    showResult(Edit244, "%.3f", eir.result);
    showResult(Edit250, "%.4f", eir.power);
}

void OhmsLawCalculator::calcLedBias()
{
    const EntryLimit rows[] = {{Edit239, Refuse::AtOrBelow, 0.0,
                                "LED current must be greater than 0 mA, using 10 mA", "10"}};
    applyLimits(rows, *context_.messages, context_.decimalMode);
    const double supply = context_.parse(Edit236->text());
    const double drop = context_.parse(Edit238->text());
    const double current = context_.parse(Edit239->text()) * 0.001;
    if (supply <= drop) {
        // No resistor can set the current; a negative one would look like a part to buy.
        Edit237->setText("N/A");
        Edit299->setText("N/A");
        context_.messages->information(
            "+V value must be greater than the LED voltage drop, no series resistor can set the "
            "LED current");
        return;
    }
    const ohms_law::LedBias bias = ohms_law::ledBias(supply, drop, current);
    showResult(Edit237, "%.1f", bias.resistance);
    showResult(Edit299, "%.4f", bias.power);
}

void OhmsLawCalculator::calcDivider()
{
    const int n = dividerCount();
    EntryLimit rows[4];
    for (std::size_t k = 0; k < 4; ++k)
        rows[k] = {resistorRows[k].box, Refuse::AtOrBelow, 0.0, resistorMessages[k], "330"};
    // Hidden boxes are neither checked nor read.
    applyLimits(std::span(rows).first(static_cast<std::size_t>(n)), *context_.messages,
                context_.decimalMode);
    const double voltage = context_.parse(Edit252->text());
    double values[4] = {};
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k)
        values[k] = context_.parse(resistorRows[k].box->text());
    const ohms_law::Divider d =
        ohms_law::divider(voltage, std::span(values).first(static_cast<std::size_t>(n)));

    showResult(context_.info->Label56, "%.3f Ohm's", d.total);
    lastTotal_ = context_.info->Label56->text();
    showResult(context_.info->Label320, "%.8f Amps", d.current);
    lastCurrent_ = context_.info->Label320->text();
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
        showResult(dropRows[k].box, n == 2 ? "%.3f" : "%.4f", d.drop[k]);
        showResult(wattageRows[k].box, "%.3f", d.power[k]);
    }
}

void OhmsLawCalculator::calcPad(const Pad &pad, bool pi)
{
    const PadTexts &texts = pi ? piTexts : tTexts;
    const EntryLimit rows[] = {
        {pad.attenuation, Refuse::AtOrBelow, 0.0, texts.attenuation, "3"},
        {pad.zin, Refuse::AtOrBelow, 0.0, texts.zin, "50"},
        {pad.zout, Refuse::AtOrBelow, 0.0, texts.zout, "50"},
    };
    applyLimits(rows, *context_.messages, context_.decimalMode);
    const double attenuation = context_.parse(pad.attenuation->text());
    const double zin = context_.parse(pad.zin->text());
    const double zout = context_.parse(pad.zout->text());
    placeSides(pad, zin >= zout);

    const double minimum = ohms_law::padMinimumAttenuation(zin, zout);
    if (attenuation <= minimum) {
        // Below the minimum a pad cannot match both ends: one resistor would be negative.
        for (Edit *box : {pad.high, pad.low, pad.middle})
            box->setText("N/A");
        const DecimalMode mode = context_.decimalMode;
        // Rounded up, so an attenuation above the figure shown is always accepted.
        const QString shown = formatResult("%.2f", std::ceil(minimum * 100.0) / 100.0);
        context_.messages->information(
            QStringLiteral("%1 attenuation must be greater than %2 dB to match %3 Ohms to %4 Ohms")
                .arg(QString::fromUtf8(texts.name), localDecimals(shown, mode),
                     generalFloatText(zin, mode), generalFloatText(zout, mode)));
        return;
    }
    const ohms_law::Pad r =
        pi ? ohms_law::piPad(attenuation, zin, zout) : ohms_law::tPad(attenuation, zin, zout);
    showResult(pad.high, "%.2f Ohms", r.high);
    showResult(pad.low, "%.2f Ohms", r.low);
    showResult(pad.middle, "%.2f Ohms", r.middle);
}

} // namespace tw
