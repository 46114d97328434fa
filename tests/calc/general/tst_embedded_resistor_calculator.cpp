#include "calc/general/embedded_resistor_panel.h"
#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;

class EmbeddedResistorCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void types_data();
    void types();
    void selectedByMenuOrTab_data();
    void selectedByMenuOrTab();
    void backToRectangularKeepsEntries();
    void refusals_data();
    void refusals();
    void overflowKeepsResults();
    void unitSwitchRoundTrip_data();
    void unitSwitchRoundTrip();
    void commaMode();
    void picturesFollowTheEntries();
};

namespace {

void start(WindowFixture &f, int units = 0)
{
    f.install({{setting::Program, "13"}, {setting::Units, QString::number(units)}});
    f.start();
}

QStringList results(const WindowFixture &f)
{
    return {f.text("Edit163"), f.text("Edit162"), f.text("Edit161")};
}

} // namespace

void EmbeddedResistorCalculatorTest::types_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("expected");
    const QStringList rectangular{"Length (L)", "Width (W)", "Ohms", "Material overlap area"};
    QTest::newRow("worked: additive, imperial")
        << 0 << 0 << QStringList{"100", "mils", "50", "mils"} << rectangular
        << QStringList{"50.000 Ohms", "", "5000.00 Sq.mils"};
    QTest::newRow("worked: additive, metric")
        << 1 << 0 << QStringList{"2.54", "mm", "1.27", "mm"} << rectangular
        << QStringList{"50.000 Ohms", "", "3.226 Sq.mm"};
    QStringList subtractive = rectangular;
    subtractive.last() = "Soldermask overlap area";
    QTest::newRow("worked: subtractive computes alike")
        << 0 << 1 << QStringList{"100", "mils", "50", "mils"} << subtractive
        << QStringList{"50.000 Ohms", "", "5000.00 Sq.mils"};
    // Ring width (D - d) / 2 and ring area pi / 4 (D^2 - d^2), computed (python3).
    const QStringList annular{"Inside Diameter", "Target Resistance", "Outer Diameter", ""};
    QTest::newRow("annular, imperial")
        << 0 << 2 << QStringList{"20", "mils", "10", "Ohms"} << annular
        << QStringList{"246.905 mils", "113.453 mils", "47565.4 Sq.mils"};
    QTest::newRow("annular, metric") << 1 << 2 << QStringList{"20", "mm", "10", "Ohms"} << annular
                                     << QStringList{"246.905 mm", "113.453 mm", "47565.37 Sq.mm"};
}

void EmbeddedResistorCalculatorTest::types()
{
    QFETCH(int, units);
    QFETCH(int, type);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, expected);
    WindowFixture f;
    start(f, units);
    if (type != 0)
        f.clickRadio("RadioGroup11", type);
    QCOMPARE(
        (QStringList{f.text("Edit157"), f.text("Edit164"), f.text("Edit158"), f.text("Edit165")}),
        entries);
    const bool ring = type == 2;
    QCOMPARE((QStringList{f.text("Label251"), f.text("Label252"), f.text("Label255"),
                          ring ? QString() : f.text("Label248")}),
             captions);
    if (!ring)
        expected[1] = f.text("Edit162");
    QCOMPARE(results(f), expected);
    QCOMPARE(f.find<QWidget>("Edit162")->isHidden(), !ring);
    QCOMPARE(f.find<QWidget>("Label254")->isHidden(), !ring);
    QCOMPARE(f.find<QWidget>("Label248")->isHidden(), ring);
    QCOMPARE(f.find<QWidget>("Shape4")->isHidden(), ring);
    QVERIFY(!f.find<QWidget>("Shape5")->isHidden());
    const char *pictures[] = {"Image25", "Image26", "Image27"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(f.find<QWidget>(pictures[i])->isHidden(), i != type);
    QCOMPARE(f.find<QWidget>("Edit158")->toolTip(),
             ring ? "Enter the target resistor value in ohms."
                  : "Enter the width of the resistive material.");
    QCOMPARE(f.text("Label256"), "Refer to IPC-2316 for more information on embedded resistors");
    QCOMPARE(f.messages.take(), QStringList());
}

void EmbeddedResistorCalculatorTest::selectedByMenuOrTab_data()
{
    QTest::addColumn<bool>("menu");
    QTest::newRow("menu") << true;
    QTest::newRow("tab") << false;
}

void EmbeddedResistorCalculatorTest::selectedByMenuOrTab()
{
    QFETCH(bool, menu);
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    TForm1 &w = f.start();
    if (menu)
        w.menuItems[13]->trigger();
    else
        f.clickTab(13);
    QCOMPARE(w.ActiveCalculator, 13);
    QVERIFY(!f.find<QWidget>("GroupBox34")->isHidden());
    QVERIFY(!w.options()->ComboBox1->isEnabled());
    QVERIFY(w.RadioGroup6->isEnabled());
    QCOMPARE(f.find<RadioGroup>("RadioGroup11")->itemIndex(), 0);
    QCOMPARE(f.text("Edit163"), "50.000 Ohms");
}

void EmbeddedResistorCalculatorTest::backToRectangularKeepsEntries()
{
    WindowFixture f;
    start(f);
    f.clickRadio("RadioGroup11", 2);
    f.clickRadio("RadioGroup11", 0);
    QCOMPARE(f.text("Edit157"), "20");
    QCOMPARE(f.text("Edit158"), "10");
    QCOMPARE(f.text("Edit165"), "mils");
    QCOMPARE(f.text("Edit163"), "50.000 Ohms");
    QCOMPARE(f.text("Edit161"), "200.00 Sq.mils");
    // A second visit to the ring type starts from its own defaults again.
    f.enter("Edit157", "40");
    f.clickRadio("RadioGroup11", 2);
    QCOMPARE(f.text("Edit157"), "20");
    QCOMPARE(f.messages.take(), QStringList());
}

void EmbeddedResistorCalculatorTest::refusals_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("correction");
    QTest::addColumn<QString>("result");
    QTest::newRow("no sheet resistance") << 0 << 0 << "Edit154"
                                         << "0"
                                         << "Resistance per square can't be <= 0"
                                         << "25"
                                         << "50.000 Ohms";
    QTest::newRow("negative length") << 0 << 1 << "Edit157"
                                     << "-1"
                                     << "Resistor length can't be <= 0"
                                     << "100"
                                     << "50.000 Ohms";
    QTest::newRow("no width, metric") << 1 << 0 << "Edit158"
                                      << "0"
                                      << "Resistor width can't be <= 0"
                                      << "1.27"
                                      << "50.000 Ohms";
    QTest::newRow("ring without sheet resistance") << 0 << 2 << "Edit154"
                                                   << "0"
                                                   << "Resistance per square can't be <= 0"
                                                   << "25"
                                                   << "246.905 mils";
    QTest::newRow("no inside diameter") << 1 << 2 << "Edit157"
                                        << "0"
                                        << "Inside diameter can't be <= 0"
                                        << "20"
                                        << "246.905 mm";
    QTest::newRow("negative target") << 0 << 2 << "Edit158"
                                     << "-10"
                                     << "Target resistance can't be <= 0"
                                     << "10"
                                     << "246.905 mils";
}

void EmbeddedResistorCalculatorTest::refusals()
{
    QFETCH(int, units);
    QFETCH(int, type);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, correction);
    QFETCH(QString, result);
    WindowFixture f;
    f.install({{setting::Program, "13"}, {setting::Units, QString::number(units)}});
    f.useRealMessageBoxes();
    f.start();
    if (type != 0)
        f.clickRadio("RadioGroup11", type);
    f.enterRefused(box, typed, message, correction);
    QCOMPARE(f.text("Edit163"), result);
}

void EmbeddedResistorCalculatorTest::overflowKeepsResults()
{
    WindowFixture f;
    start(f);
    f.clickRadio("RadioGroup11", 2);
    f.enter("Edit158", "10000");
    QCOMPARE(f.messages.take(), QStringList{"error: Floating point overflow"});
    QCOMPARE(results(f), (QStringList{"246.905 mils", "113.453 mils", "47565.4 Sq.mils"}));
}

void EmbeddedResistorCalculatorTest::unitSwitchRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("metric");
    QTest::addColumn<QString>("result");
    QTest::newRow("rectangular: both lengths")
        << 0 << QStringList{"2.54", "mm", "1.27", "mm"} << "50.000 Ohms";
    QTest::newRow("annular: the target stays")
        << 2 << QStringList{"0.508", "mm", "10", "Ohms"} << "6.271 mm";
}

void EmbeddedResistorCalculatorTest::unitSwitchRoundTrip()
{
    QFETCH(int, type);
    QFETCH(QStringList, metric);
    QFETCH(QString, result);
    WindowFixture f;
    start(f);
    if (type != 0)
        f.clickRadio("RadioGroup11", type);
    const QStringList imperial{f.text("Edit157"), f.text("Edit164"), f.text("Edit158"),
                               f.text("Edit165")};
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(
        (QStringList{f.text("Edit157"), f.text("Edit164"), f.text("Edit158"), f.text("Edit165")}),
        metric);
    QCOMPARE(f.text("Edit163"), result);
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(
        (QStringList{f.text("Edit157"), f.text("Edit164"), f.text("Edit158"), f.text("Edit165")}),
        imperial);
    QCOMPARE(f.messages.take(), QStringList());
}

void EmbeddedResistorCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    start(f, 1);
    QCOMPARE(f.text("Edit157"), "2,54");
    QCOMPARE(f.text("Edit158"), "1,27");
    f.enter("Edit157", "5,08");
    QCOMPARE(f.text("Edit163"), "100.000 Ohms");
    QCOMPARE(f.text("Edit161"), "6.452 Sq.mm");
    f.enter("Edit158", "0");
    QCOMPARE(f.messages.take(), QStringList{"info: Resistor width can't be <= 0"});
    QCOMPARE(f.text("Edit158"), "1,27");
    f.enter("Edit154", "2.5");
    QCOMPARE(f.messages.take(), QStringList{"error: '2.5' is not a valid floating point value"});
}

void EmbeddedResistorCalculatorTest::picturesFollowTheEntries()
{
    WindowFixture f;
    start(f);
    f.typeText("Edit157", "300");
    f.enter("Edit158", "20");
    const ResistorGeometry &g = f.find<ResistorPicture>("Image25")->resistor();
    QCOMPARE(g.length, 300.0);
    QCOMPARE(g.width, 20.0);
    f.clickRadio("RadioGroup11", 2);
    const ResistorGeometry &ring = f.find<ResistorPicture>("Image27")->resistor();
    QCOMPARE(ring.insideDiameter, 20.0);
    QVERIFY(std::abs(ring.outerDiameter - 246.905) < 1e-3);
}

QTEST_MAIN(EmbeddedResistorCalculatorTest)
#include "tst_embedded_resistor_calculator.moc"
