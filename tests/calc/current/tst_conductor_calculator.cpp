#include "calc/current/conductor_panel.h"
#include "tests/support/window_fixture.h"

#include <QToolButton>

#include <cmath>

using namespace tw;
using namespace tw::test;

namespace {

const QColor navy(0, 0, 128);
const QColor red(255, 0, 0);

ConductorCalculator &conductor(WindowFixture &f)
{
    return dynamic_cast<ConductorCalculator &>(f.window().calculator(1));
}

// A window on Conductor Properties with the given Program Options.
void startConductor(WindowFixture &f, const QString &units = "0", const QString &ipc = "0",
                    const QString &etch = "0")
{
    f.install({{setting::Program, "1"},
               {setting::Units, units},
               {setting::IpcVersion, ipc},
               {setting::Derating, etch}});
    f.start();
}

QColor textColour(QWidget *w)
{
    return w->palette().color(QPalette::Text);
}

const QStringList resultBoxes = {"Edit16", "Edit17",  "Edit20",  "Edit48",
                                 "Edit78", "Edit129", "Edit134", "Edit135"};

QStringList results(WindowFixture &f)
{
    QStringList texts;
    for (const QString &box : resultBoxes)
        texts << f.text(box);
    return texts;
}

// The number in front of the unit of a result text.
double number(const QString &text)
{
    return text.section(' ', 0, 0).toDouble();
}

} // namespace

class ConductorCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void widthNotAboveThickness_data();
    void widthNotAboveThickness();
    void correctedEntryUsedInSamePass_data();
    void correctedEntryUsedInSamePass();
    void passStops_data();
    void passStops();
    void manualCopperRefused_data();
    void manualCopperRefused();
    void solveForWidth_data();
    void solveForWidth();
    void skinDepth_data();
    void skinDepth();
    void dcCheckBox();
    void imperialAndMetricAgree_data();
    void imperialAndMetricAgree();
    void pictureAndControls_data();
    void pictureAndControls();
    void ruleSetOptions();
    void etchFactorAndHelpButtons();
    void unitSwitch();
    void materialWarning();
};

void ConductorCalculatorTest::defaults()
{
    WindowFixture f;
    startConductor(f);
    ConductorCalculator &c = conductor(f);
    QCOMPARE(f.window().ActiveCalculator, 1);
    QCOMPARE(f.text("Label56"), "2.10 mils");
    QCOMPARE(f.text("Edit16"), "16.59 Sq.mils");
    // 0.024 * 20^0.44 * 16.59^0.725 with chart 2.28, thickness 0.95, plane 1.0, material 0.98.
    QCOMPARE(f.text("Edit17"), "1.4586 Amps");
    QCOMPARE(f.text("Edit20"), "0.04445 Ohms");
    QCOMPARE(f.text("Edit48"), "0.09456 Watts");
    QCOMPARE(f.text("Edit78"), "0.0648 Volts");
    QCOMPARE(f.text("Edit135"), "19.7572 dBm");
    QCOMPARE(f.text("Edit129"), "2.59867 mils");
    QCOMPARE(f.text("Edit134"), "100%");
    QCOMPARE(textColour(c.Edit17), navy);
    QCOMPARE(textColour(c.Edit134), navy);
    QCOMPARE(f.text("Label110"), "N/A");
    QCOMPARE(f.text("Label285"), "N/A");
    QCOMPARE(f.text("Label72"), "N/A");
    QCOMPARE(c.Label243->text(), "IPC-2152 with modifiers mode");
    QCOMPARE(c.Label126->text(), "1:1");
    QVERIFY(!c.Image49->isHidden());
    QVERIFY(!c.RadioGroup8->isEnabled());
    QVERIFY(!c.SpeedButton4->isHidden());
    QVERIFY(c.SpeedButton3->isHidden());
    QVERIFY(f.window().options()->RadioGroup1->isEnabled());
    QVERIFY(!f.window().options()->RadioGroup5->isHidden());
    QVERIFY(!f.window().options()->RadioGroup5->isEnabled());
    QCOMPARE(f.messages.take(), QStringList());
}

// clang-format off
void ConductorCalculatorTest::widthNotAboveThickness_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("corrected");
    QTest::newRow("2 mils, point") << false << "2" << "3.15";
    QTest::newRow("equal to t") << false << "2.1" << "3.15";
    QTest::newRow("negative") << false << "-4" << "3.15";
    QTest::newRow("2 mils, comma") << true << "2" << "3,15";
}
// clang-format on

void ConductorCalculatorTest::widthNotAboveThickness()
{
    QFETCH(bool, comma);
    QFETCH(QString, width);
    QFETCH(QString, corrected);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    startConductor(f);
    f.enter("Edit15", width);
    QCOMPARE(
        f.messages.take(),
        QStringList{"info: Conductor width can't be less than or equal to conductor thickness"});
    QCOMPARE(f.text("Edit15"), corrected);
    // (3.15 - 2.1) * 2.1 = 2.205 square mils, chart band below 10; t is 0.7 + 1.4, a hair
    // below 2.1, which puts the area a hair above 2.205.
    QCOMPARE(f.text("Edit16"), "2.21 Sq.mils");
    QCOMPARE(f.text("Edit17"), "0.3377 Amps");
}

// clang-format off
void ConductorCalculatorTest::correctedEntryUsedInSamePass_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<int>("parallel");
    QTest::addColumn<int>("plane");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("message");
    const QString longest = "Max conductor length can't be greater than 30000mils";
    const QString shortest = "Minimum conductor length can't be less than 1mil";
    QTest::newRow("length 50000") << "0" << false << 0 << 0 << "Edit18" << "50000" << "30000" << longest;
    QTest::newRow("length 0, no error box") << "0" << false << 0 << 0 << "Edit18" << "0" << "1" << shortest;
    QTest::newRow("length negative") << "0" << false << 0 << 0 << "Edit18" << "-3" << "1" << shortest;
    QTest::newRow("board 0.5") << "0" << false << 0 << 0 << "Edit126" << "0.5" << "1" << "PCB Thickness can't be less than 1mil";
    QTest::newRow("parallel 0, no division error") << "0" << false << 1 << 0 << "Edit128" << "0" << "2" << "Parallel conductor count can't be less than 2";
    QTest::newRow("parallel 1") << "0" << false << 1 << 0 << "Edit128" << "1" << "2" << "Parallel conductor count can't be less than 2";
    QTest::newRow("count checked without parallel") << "0" << false << 0 << 0 << "Edit128" << "0" << "2" << "Parallel conductor count can't be less than 2";
    QTest::newRow("plane 0") << "0" << false << 0 << 1 << "Edit132" << "0" << "1" << "Plane distance can't be less than 1mil";
    QTest::newRow("metric length 800") << "1" << false << 0 << 0 << "Edit18" << "800" << "762" << "Max conductor length can't be greater than 762mm";
    QTest::newRow("metric length 0.01") << "1" << false << 0 << 0 << "Edit18" << "0.01" << "0.0254" << "Minimum conductor length can't be less than 0.0254mm";
    QTest::newRow("metric length, comma") << "1" << true << 0 << 0 << "Edit18" << "0,01" << "0,0254" << "Minimum conductor length can't be less than 0,0254mm";
    QTest::newRow("metric board, comma") << "1" << true << 0 << 0 << "Edit126" << "0" << "0,0254" << "PCB Thickness can't be less than 0,0254mm";
    QTest::newRow("metric plane") << "1" << false << 0 << 1 << "Edit132" << "0.001" << "0.0254" << "Plane distance can't be less than 0.0254mm";
}
// clang-format on

void ConductorCalculatorTest::correctedEntryUsedInSamePass()
{
    QFETCH(QString, units);
    QFETCH(bool, comma);
    QFETCH(int, parallel);
    QFETCH(int, plane);
    QFETCH(QString, box);
    QFETCH(QString, entry);
    QFETCH(QString, replacement);
    QFETCH(QString, message);
    auto run = [&](WindowFixture &f, const QString &text) {
        startConductor(f, units);
        conductor(f).RadioGroup15->button(parallel)->click();
        conductor(f).RadioGroup2->button(plane)->click();
        QCOMPARE(f.messages.take(), QStringList());
        f.enter(box, text);
    };
    const DecimalMode mode = comma ? DecimalMode::Comma : DecimalMode::Point;
    WindowFixture wrong(mode);
    run(wrong, entry);
    QCOMPARE(wrong.messages.take(), QStringList{"info: " + message});
    QCOMPARE(wrong.text(box), replacement);

    WindowFixture right(mode);
    run(right, replacement);
    QCOMPARE(right.messages.take(), QStringList());
    QCOMPARE(results(wrong), results(right));
}

// clang-format off
void ConductorCalculatorTest::passStops_data()
{
    QTest::addColumn<QString>("ipc");
    QTest::addColumn<int>("solveFor");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("keptBox"); // a result written after the stop keeps its old text
    QTest::newRow("negative current") << "1" << 1 << "Edit15" << "-10" << "info: Conductor current can't be negative" << "Edit16";
    QTest::newRow("negative frequency") << "0" << 0 << "Edit130" << "-1" << "info: Frequency can't be negative" << "Edit129";
    QTest::newRow("zero current") << "1" << 1 << "Edit15" << "0" << "error: Floating point division by zero" << "Edit20";
    QTest::newRow("zero frequency") << "0" << 0 << "Edit130" << "0" << "error: Floating point division by zero" << "Edit129";
    QTest::newRow("not a number") << "0" << 0 << "Edit18" << "1e" << "error: '1e' is not a valid floating point value" << "Edit16";
}
// clang-format on

void ConductorCalculatorTest::passStops()
{
    QFETCH(QString, ipc);
    QFETCH(int, solveFor);
    QFETCH(QString, box);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    QFETCH(QString, keptBox);
    WindowFixture f;
    startConductor(f, "0", ipc);
    conductor(f).RadioGroup8->button(solveFor)->click();
    QCOMPARE(f.messages.take(), QStringList());
    const QString before = f.text(keptBox);
    f.enter(box, entry);
    QCOMPARE(f.messages.take(), QStringList{message});
    QCOMPARE(f.text(keptBox), before);
    for (const QString &result : results(f))
        QVERIFY2(!result.contains("nan", Qt::CaseInsensitive), qPrintable(result));
}

// clang-format off
void ConductorCalculatorTest::manualCopperRefused_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("thickness");
    const QString base = "info: Base copper thickness can't be less than or equal to 0mils";
    const QString narrow =
        "info: Conductor width can't be less than or equal to conductor thickness";
    QTest::newRow("base 0") << "0" << "Edit136" << "0" << "10" << QStringList{base} << "0.7" << "2.10 mils";
    QTest::newRow("base and width negative, no endless correction") << "0" << "Edit136" << "-1" << "-5" << QStringList{base, narrow} << "0.7" << "2.10 mils";
    QTest::newRow("plating negative") << "0" << "Edit138" << "-1.4" << "10" << QStringList{"info: Plating thickness can't be less than 0mils"} << "0" << "0.70 mils";
    QTest::newRow("plating 0 is bare copper") << "0" << "Edit138" << "0" << "10" << QStringList{} << "0" << "0.70 mils";
    QTest::newRow("metric base 0") << "1" << "Edit136" << "0" << "1" << QStringList{"info: Base copper thickness can't be less than or equal to 0um"} << "18" << " 53 um";
}
// clang-format on

void ConductorCalculatorTest::manualCopperRefused()
{
    QFETCH(QString, units);
    QFETCH(QString, box);
    QFETCH(QString, entry);
    QFETCH(QString, width);
    QFETCH(QStringList, messages);
    QFETCH(QString, replacement);
    QFETCH(QString, thickness);
    WindowFixture f;
    startConductor(f, units);
    f.window().form6()->CheckBox1->click();
    QVERIFY(f.window().options()->manualCopperShown());
    f.typeText("Edit15", width);
    f.enter(box, entry);
    QCOMPARE(f.messages.take(), messages);
    QCOMPARE(f.text(box), replacement);
    QCOMPARE(f.text("Label56"), thickness);
    QVERIFY(f.text("Edit17").endsWith(" Amps"));
}

// clang-format off
void ConductorCalculatorTest::solveForWidth_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("ipc");
    QTest::addColumn<QString>("etch");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QStringList>("messages");
    // A = (I / (k * 20^0.44))^(1/0.725); 1:1 etch W = t + A / t, none W = A / t; t = 2.1 mils.
    QTest::newRow("2152, external, 1:1") << "0" << "1" << "0" << 1 << "10" << "666.67 Sq.mils" << "319.5621 mils" << QStringList{};
    QTest::newRow("2221, external") << "0" << "2" << "0" << 1 << "10" << "256.27 Sq.mils" << "124.1332 mils" << QStringList{};
    QTest::newRow("2221, internal is 2152") << "0" << "2" << "0" << 0 << "10" << "666.67 Sq.mils" << "953.0862 mils" << QStringList{};
    QTest::newRow("no etch") << "0" << "1" << "1" << 1 << "10" << "666.67 Sq.mils" << "317.4621 mils" << QStringList{};
    QTest::newRow("no etch, thinner than copper") << "0" << "2" << "1" << 1 << "0.1" << "0.45 Sq.mils" << "0.2127 mils" << QStringList{"info: Conductor width is less than conductor thickess"};
    QTest::newRow("metric 2152") << "1" << "1" << "0" << 1 << "10" << "0.430 Sq.mm" << "8.1683 mm" << QStringList{};
    QTest::newRow("metric 2221 1:1 three decimals") << "1" << "2" << "0" << 1 << "10" << "0.165 Sq.mm" << "3.173 mm" << QStringList{};
}
// clang-format on

void ConductorCalculatorTest::solveForWidth()
{
    QFETCH(QString, units);
    QFETCH(QString, ipc);
    QFETCH(QString, etch);
    QFETCH(int, layer);
    QFETCH(QString, current);
    QFETCH(QString, area);
    QFETCH(QString, width);
    QFETCH(QStringList, messages);
    WindowFixture f;
    startConductor(f, units, ipc, etch);
    ConductorCalculator &c = conductor(f);
    f.clickRadio("RadioGroup3", layer);
    f.typeText("Edit15", current);
    c.RadioGroup8->button(1)->click();
    QCOMPARE(f.messages.take(), messages);
    QCOMPARE(f.text("Edit15"), current);
    QCOMPARE(f.text("Edit16"), area);
    QCOMPARE(f.text("Edit17"), width);
    QCOMPARE(c.Label19->text(), "Conductor Width");
    QCOMPARE(c.Label17->text(), "Conductor Current");
    QCOMPARE(c.Edit57->text(), "Amps");
    QVERIFY(!c.Label339->isHidden() && !c.Label340->isHidden() && !c.SpeedButton3->isHidden());

    // Back to amperage the same number is read as a width again.
    c.RadioGroup8->button(0)->click();
    QCOMPARE(c.Label19->text(), "Conductor Current");
    QCOMPARE(c.Edit57->text(), units == "1" ? "mm" : "mils");
    QVERIFY(c.Label339->isHidden() && c.SpeedButton3->isHidden());
    QVERIFY(f.text("Edit17").endsWith(" Amps"));
    f.messages.take();
}

// clang-format off
void ConductorCalculatorTest::skinDepth_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("depth");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("1 MHz") << "0" << "1" << "2.59867 mils" << "100%" << navy;
    QTest::newRow("100 MHz") << "0" << "100" << "0.25987 mils" << "24.75 %" << red;
    QTest::newRow("metric 1 MHz") << "1" << "1" << "66.00620 um" << "100%" << navy;
    // Half of 53 um of copper.
    QTest::newRow("metric 100 MHz") << "1" << "100" << "6.60062 um" << "24.91 %" << red;
}
// clang-format on

void ConductorCalculatorTest::skinDepth()
{
    QFETCH(QString, units);
    QFETCH(QString, frequency);
    QFETCH(QString, depth);
    QFETCH(QString, share);
    QFETCH(QColor, colour);
    WindowFixture f;
    startConductor(f, units);
    f.enter("Edit130", frequency);
    QCOMPARE(f.text("Edit129"), depth);
    QCOMPARE(f.text("Edit134"), share);
    QCOMPARE(textColour(conductor(f).Edit134), colour);
    QCOMPARE(f.messages.take(), QStringList());
}

void ConductorCalculatorTest::dcCheckBox()
{
    WindowFixture f;
    startConductor(f);
    ConductorCalculator &c = conductor(f);
    const QString resistance = f.text("Edit20");
    f.typeText("Edit18", "2000");
    c.CheckBox1->click();
    QCOMPARE(c.Edit130->text(), "DC");
    QCOMPARE(c.Edit131->text(), "");
    QVERIFY(!c.Edit130->isEnabled() && !c.Edit131->isEnabled());
    for (QWidget *w : {static_cast<QWidget *>(c.Edit129), static_cast<QWidget *>(c.Edit134),
                       static_cast<QWidget *>(c.Label237), static_cast<QWidget *>(c.Label239)})
        QVERIFY(w->isHidden());
    QCOMPARE(f.text("Edit20"), resistance); // no recalculation

    // With "DC" in the frequency box the pass still runs to the end.
    f.enter("Edit18", "3000");
    QCOMPARE(f.text("Edit20"), "0.13334 Ohms");
    QVERIFY(f.text("Edit135").endsWith(" dBm"));

    c.CheckBox1->click();
    QCOMPARE(c.Edit130->text(), "1");
    QCOMPARE(c.Edit131->text(), "MHz");
    QVERIFY(c.Edit130->isEnabled() && !c.Edit129->isHidden() && !c.Label239->isHidden());
    QCOMPARE(f.text("Edit129"), "2.59867 mils");
    QCOMPARE(f.messages.take(), QStringList());
}

// clang-format off
void ConductorCalculatorTest::imperialAndMetricAgree_data()
{
    QTest::addColumn<QString>("ipc");
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("solveFor");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("parallel");
    QTest::addColumn<int>("plane");
    const QStringList widths = {"6", "25", "140"};
    const QStringList boards = {"31", "93"};
    for (const QString ipc : {"0", "1", "2"})
        for (int layer : {0, 1})
            for (const QString &w : widths)
                for (const QString &h : boards)
                    QTest::addRow("ipc %s layer %d W %s H %s", qPrintable(ipc), layer, qPrintable(w), qPrintable(h)) << ipc << layer << 0 << w << h << 0 << 0;
    QTest::newRow("parallel and plane") << "0" << 1 << 0 << "25" << "62" << 1 << 1;
    QTest::newRow("plane") << "0" << 0 << 0 << "12" << "45" << 0 << 1;
    QTest::newRow("width for 3 A, 2152") << "1" << 1 << 1 << "3" << "62" << 0 << 0;
    QTest::newRow("width for 3 A, 2221") << "2" << 1 << 1 << "3" << "62" << 0 << 0;
}
// clang-format on

void ConductorCalculatorTest::imperialAndMetricAgree()
{
    QFETCH(QString, ipc);
    QFETCH(int, layer);
    QFETCH(int, solveFor);
    QFETCH(QString, width);
    QFETCH(QString, board);
    QFETCH(int, parallel);
    QFETCH(int, plane);
    WindowFixture f;
    startConductor(f, "0", ipc);
    ConductorCalculator &c = conductor(f);
    // Copper typed by hand converts exactly; the selections' metric weights are other copper.
    f.window().form6()->CheckBox1->click();
    f.clickRadio("RadioGroup3", layer);
    c.RadioGroup15->button(parallel)->click();
    c.RadioGroup2->button(plane)->click();
    c.RadioGroup8->button(solveFor)->click();
    f.typeText("Edit132", "15");
    f.typeText("Edit18", "1500");
    f.typeText("Edit126", board);
    f.enter("Edit15", width);
    QCOMPARE(f.messages.take(), QStringList());
    const QStringList imperial = results(f);

    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.messages.take(), QStringList());
    const QStringList metric = results(f);
    QVERIFY(metric[0].endsWith("Sq.mm"));
    // Current (or, solving for width, the given current), resistance, power, voltage.
    const double units[] = {1e-4, 1e-5, 1e-5, 1e-4};
    for (int i = 0; i < 4; ++i) {
        const int at = i == 0 ? 1 : i + 1;
        if (at == 1 && solveFor == 1)
            continue;
        QVERIFY2(std::abs(number(imperial[at]) - number(metric[at])) <= units[i] * 1.0001,
                 qPrintable(imperial[at] + " / " + metric[at]));
    }
}

// clang-format off
void ConductorCalculatorTest::pictureAndControls_data()
{
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("parallel");
    QTest::addColumn<int>("plane");
    QTest::addColumn<QString>("picture");
    QTest::newRow("internal") << 0 << 0 << 0 << "Image51";
    QTest::newRow("internal, plane") << 0 << 0 << 1 << "Image52";
    QTest::newRow("internal, parallel") << 0 << 1 << 0 << "Image54";
    QTest::newRow("internal, parallel, plane") << 0 << 1 << 1 << "Image53";
    QTest::newRow("external") << 1 << 0 << 0 << "Image49";
    QTest::newRow("external, plane") << 1 << 0 << 1 << "Image15";
    QTest::newRow("external, parallel") << 1 << 1 << 0 << "Image50";
    QTest::newRow("external, parallel, plane") << 1 << 1 << 1 << "Image3";
}
// clang-format on

void ConductorCalculatorTest::pictureAndControls()
{
    QFETCH(int, layer);
    QFETCH(int, parallel);
    QFETCH(int, plane);
    QFETCH(QString, picture);
    WindowFixture f;
    startConductor(f);
    ConductorCalculator &c = conductor(f);
    c.RadioGroup15->button(parallel)->click();
    c.RadioGroup2->button(plane)->click();
    f.clickRadio("RadioGroup3", layer);
    QCOMPARE(f.messages.take(), QStringList());

    int shown = 0;
    for (const char *name :
         {"Image51", "Image52", "Image54", "Image53", "Image49", "Image15", "Image50", "Image3"}) {
        auto *p = c.GroupBox5->findChild<ConductorPicture *>(name);
        QVERIFY(p);
        shown += p->isHidden() ? 0 : 1;
        QCOMPARE(!p->isHidden(), picture == name);
    }
    QCOMPARE(shown, 1);
    // The cross-section is drawn, not left blank.
    const QImage drawn = c.GroupBox5->findChild<ConductorPicture *>(picture)->grab().toImage();
    QVERIFY(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2) != QColor(Qt::white));
    OptionsPanel &options = *f.window().options();
    QCOMPARE(options.RadioGroup1->isEnabled(), layer == 1);
    QCOMPARE(options.RadioGroup5->isEnabled(), plane == 1);
    QCOMPARE(c.Edit132->isHidden(), plane == 0);
    QCOMPARE(c.Edit128->isHidden(), parallel == 0);
    QCOMPARE(c.Label18->text(), parallel ? "Total Cross Section" : "Conductor Cross Section");
    // Defaults with an internal layer: t = 0.7 mils without plating.
    QCOMPARE(f.text("Label56"), layer ? "2.10 mils" : "0.70 mils");
    if (parallel)
        QCOMPARE(f.text("Edit16"), layer ? "265.44 Sq.mils" : "104.16 Sq.mils");

    // Back on the calculator after another one, the plane weight follows the plane again.
    f.clickTab(0);
    QVERIFY(!options.RadioGroup5->isEnabled());
    f.clickTab(1);
    QCOMPARE(options.RadioGroup5->isEnabled(), plane == 1);
    f.messages.take();
}

void ConductorCalculatorTest::ruleSetOptions()
{
    WindowFixture f;
    startConductor(f);
    ConductorCalculator &c = conductor(f);
    TForm6 &options = *f.window().form6();
    c.RadioGroup15->button(1)->click();
    c.RadioGroup2->button(1)->click();
    QVERIFY(f.window().options()->RadioGroup5->isEnabled());

    options.RadioGroup1->button(1)->click();
    QCOMPARE(c.Label243->text(), "IPC-2152 without modifiers mode");
    QVERIFY(c.RadioGroup8->isEnabled());
    QVERIFY(c.SpeedButton4->isHidden());
    QCOMPARE(c.RadioGroup15->itemIndex(), 0);
    QVERIFY(!c.RadioGroup15->isEnabled());
    QVERIFY(c.Edit128->isHidden());
    QCOMPARE(c.Label18->text(), "Conductor Cross Section");
    for (QWidget *w : {static_cast<QWidget *>(c.Edit126), static_cast<QWidget *>(c.Label235),
                       static_cast<QWidget *>(c.Edit132), static_cast<QWidget *>(c.Edit128),
                       static_cast<QWidget *>(c.RadioGroup2)})
        QVERIFY(!w->isEnabled());
    QVERIFY(!f.window().options()->RadioGroup5->isEnabled());
    // Bare relation: 0.024 * 20^0.44 * 16.59^0.725.
    QCOMPARE(f.text("Edit17"), "0.6872 Amps");

    options.RadioGroup1->button(2)->click();
    QCOMPARE(c.Label243->text(), "IPC-2221 mode");
    QCOMPARE(f.text("Edit17"), "1.3743 Amps"); // twice the internal coefficient
    c.RadioGroup8->button(1)->click();
    QCOMPARE(c.Edit57->text(), "Amps");

    options.RadioGroup1->button(0)->click();
    QCOMPARE(c.RadioGroup8->itemIndex(), 0);
    QVERIFY(!c.RadioGroup8->isEnabled());
    QCOMPARE(c.Edit57->text(), "mils");
    QCOMPARE(c.Label19->text(), "Conductor Current");
    QVERIFY(c.RadioGroup15->isEnabled() && c.Edit126->isEnabled());
    QVERIFY(f.window().options()->RadioGroup5->isEnabled());
    QCOMPARE(f.messages.take(), QStringList());

    // Changed while another calculator is shown, the options panel is left to that one.
    f.clickTab(0);
    options.RadioGroup1->button(1)->click();
    options.RadioGroup1->button(0)->click();
    QVERIFY(!f.window().options()->RadioGroup5->isEnabled());
    f.messages.take();
}

void ConductorCalculatorTest::etchFactorAndHelpButtons()
{
    WindowFixture f;
    startConductor(f);
    ConductorCalculator &c = conductor(f);
    f.window().form6()->RadioGroup2->button(1)->click();
    QCOMPARE(c.Label126->text(), "None");
    QCOMPARE(f.text("Edit16"), "21.00 Sq.mils");
    QCOMPARE(f.stored(setting::Derating), "1");

    c.SpeedButton4->click();
    QCOMPARE(f.messages.take(),
             QStringList{"info: This selection is only enabled for the IPC-2152 Without Modifiers "
                         "and the IPC-2221 options. See Program Options to change settings."});
    c.SpeedButton3->click();
    QVERIFY(f.window().form6()->isVisible());
    QCOMPARE(f.messages.take(), QStringList());
}

void ConductorCalculatorTest::unitSwitch()
{
    WindowFixture f;
    startConductor(f, "0", "1");
    ConductorCalculator &c = conductor(f);
    f.clickRadio("RadioGroup6", 1);
    for (Edit *e : {c.Edit57, c.Edit58, c.Edit127, c.Edit133})
        QCOMPARE(e->text(), "mm");
    QCOMPARE(f.text("Edit15"), "0.254");
    QCOMPARE(f.text("Edit18"), "25.4");
    QCOMPARE(f.text("Edit126"), "1.5748");
    QCOMPARE(f.text("Edit132"), "0.254");
    QCOMPARE(f.text("Label56"), " 53 um");

    // Solving for width the box holds a current, which no unit changes.
    f.typeText("Edit15", "10");
    c.RadioGroup8->button(1)->click();
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit15"), "10");
    QCOMPARE(c.Edit57->text(), "Amps");
    QCOMPARE(c.Edit58->text(), "mils");
    QCOMPARE(f.text("Edit18"), "1000");
    QCOMPARE(f.text("Edit17"), "319.5621 mils");
    QCOMPARE(f.messages.take(), QStringList());
}

void ConductorCalculatorTest::materialWarning()
{
    WindowFixture f;
    startConductor(f);
    ConductorCalculator &c = conductor(f);
    f.enter("Edit66", "41");
    QCOMPARE(textColour(c.Edit17), red);
    f.enter("Edit66", "42");
    QCOMPARE(textColour(c.Edit17), navy);
    QCOMPARE(f.messages.take(), QStringList());
}

QTEST_MAIN(ConductorCalculatorTest)
#include "tst_conductor_calculator.moc"
