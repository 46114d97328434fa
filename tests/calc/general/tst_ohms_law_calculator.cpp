#include "tests/support/window_fixture.h"

#include <QGridLayout>

using namespace tw;
using namespace tw::test;

class OhmsLawCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void tabs_data();
    void tabs();
    void solveFor_data();
    void solveFor();
    void dividerCount_data();
    void dividerCount();
    void refusedEntries_data();
    void refusedEntries();
    void noCircuitPossible_data();
    void noCircuitPossible();
    void padSidesFollowTheInput_data();
    void padSidesFollowTheInput();
    void commaMode();
};

namespace {

enum Tab { Led, Divider, PiPad, TPad };

void startOhmsLaw(WindowFixture &f, const QString &units = "0", bool realBoxes = false)
{
    f.install({{setting::Program, "18"}, {setting::Units, units}});
    if (realBoxes)
        f.useRealMessageBoxes();
    f.start();
    if (realBoxes) {
        f.window().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    }
}

void clickInnerTab(WindowFixture &f, int index)
{
    QTest::mouseClick(f.find<TabControl>("TabControl3")->tab(index), Qt::LeftButton);
}

// Shown inside the window, whether or not the window itself is on screen.
bool shown(WindowFixture &f, const QString &name)
{
    return f.find<QWidget>(name)->isVisibleTo(&f.window());
}

QStringList texts(WindowFixture &f, const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out << f.text(name);
    return out;
}

int gridRow(WindowFixture &f, const QString &panel, const QString &box)
{
    auto *grid = qobject_cast<QGridLayout *>(f.find<QWidget>(panel)->layout());
    int row = -1, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(f.find<QWidget>(box)), &row, &column, &rowSpan,
                          &columnSpan);
    return row;
}

const QStringList piBoxes{"Edit288", "Edit281", "Edit282", "Edit283", "Edit284", "Edit285"};
const QStringList tBoxes{"Edit290", "Edit292", "Edit294", "Edit295", "Edit296", "Edit297"};

} // namespace

void OhmsLawCalculatorTest::defaults_data()
{
    QTest::addColumn<QString>("units");
    QTest::newRow("imperial") << "0";
    QTest::newRow("metric: nothing depends on the units") << "1";
}

void OhmsLawCalculatorTest::defaults()
{
    QFETCH(QString, units);
    WindowFixture f;
    startOhmsLaw(f, units);
    QCOMPARE(f.window().ActiveCalculator, 18);
    QVERIFY(shown(f, "GroupBox47") && shown(f, "Panel17") && !shown(f, "Panel15"));
    QVERIFY(!f.window().RadioGroup6->isEnabled());
    QCOMPARE(texts(f, {"Label307", "Edit245", "Edit248", "Edit246", "Edit244", "Edit250"}),
             (QStringList{"Current", "1", "Amps", "12", "12.000", "12.0000"}));
    QCOMPARE(texts(f, {"Edit237", "Edit299"}), (QStringList{"1000.0", "0.1000"}));
    // The information panel: R Total and the series current instead of the temperatures.
    QCOMPARE(texts(f, {"Label55", "Label56", "Label320"}), (QStringList{"R Total", "N/A", "N/A"}));
    QVERIFY(shown(f, "Label319") && !shown(f, "Label27"));
    QCOMPARE(f.messages.take(), QStringList());

    f.clickTab(19);
    QVERIFY(!shown(f, "Label319") && shown(f, "Label27"));
}

void OhmsLawCalculatorTest::tabs_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("results");
    // The worked defaults of each circuit.
    QTest::newRow("R Divider") << int(Divider) << "Panel15"
                               << QStringList{"Label56", "Label320", "Edit262",
                                              "Edit263", "Edit301",  "Edit302"}
                               << QStringList{"660.000 Ohm's", "0.00757576 Amps", "2.500",
                                              "2.500",         "0.019",           "0.019"};
    QTest::newRow("PI Pad") << int(PiPad) << "Panel20" << piBoxes.mid(3)
                            << QStringList{"292.40 Ohms", "292.40 Ohms", "17.61 Ohms"};
    QTest::newRow("T Pad") << int(TPad) << "Panel21" << tBoxes.mid(3)
                           << QStringList{"8.55 Ohms", "8.55 Ohms", "141.93 Ohms"};
}

void OhmsLawCalculatorTest::tabs()
{
    QFETCH(int, tab);
    QFETCH(QString, panel);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, results);
    WindowFixture f;
    startOhmsLaw(f);
    clickInnerTab(f, tab);
    for (const QString name : {"Panel17", "Panel15", "Panel20", "Panel21"})
        QCOMPARE(shown(f, name), name == panel);
    QCOMPARE(texts(f, boxes), results);
    // Only the selected circuit is computed, and only the divider fills the information panel.
    QCOMPARE(f.text(tab == PiPad ? "Edit295" : "Edit283"), "");
    QCOMPARE(f.text("Label56") == "N/A", tab != Divider);
    clickInnerTab(f, Led);
    QCOMPARE(texts(f, {"Label56", "Label320"}), (QStringList{"N/A", "N/A"}));
    QCOMPARE(f.messages.take(), QStringList());
}

void OhmsLawCalculatorTest::solveFor_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QString>("resultHint");
    QTest::addColumn<QStringList>("results");
    // The numbers stay "1" and "12" and only change their meaning.
    QTest::newRow("Amps: 1 V across 12 Ohms")
        << 1 << QStringList{"Voltage", "Resistance", "Current"}
        << QStringList{"Volts", "Ohms", "Amps"} << "Calculated amperage based on inputs."
        << QStringList{"0.083", "0.0833"};
    QTest::newRow("Ohms: 1 V at 12 A")
        << 2 << QStringList{"Voltage", "Current", "Resistance"}
        << QStringList{"Volts", "Amps", "Ohms"} << "Calculated resistance based on inputs."
        << QStringList{"0.083", "12.0000"};
}

void OhmsLawCalculatorTest::solveFor()
{
    QFETCH(int, item);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, units);
    QFETCH(QString, resultHint);
    QFETCH(QStringList, results);
    WindowFixture f;
    startOhmsLaw(f);
    f.clickRadio("RadioGroup13", item);
    QCOMPARE(texts(f, {"Label307", "Label308", "Label306"}), captions);
    QCOMPARE(texts(f, {"Edit248", "Edit247", "Edit249"}), units);
    QCOMPARE(f.find<QWidget>("Edit244")->toolTip(), resultHint);
    QCOMPARE(texts(f, {"Edit244", "Edit250"}), results);
    f.clickRadio("RadioGroup13", 0);
    QCOMPARE(f.find<QWidget>("Edit245")->toolTip(), "Enter the amperage.");
    QCOMPARE(texts(f, {"Label306", "Edit244"}), (QStringList{"Voltage", "12.000"}));
    QCOMPARE(f.messages.take(), QStringList());
}

void OhmsLawCalculatorTest::dividerCount_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("info");
    QTest::addColumn<QStringList>("drops");
    QTest::addColumn<QStringList>("wattages");
    // Evaluated by hand in python3. A hidden box is neither read nor checked, whatever it holds.
    QTest::newRow("2, hidden boxes wrong")
        << 0 << QStringList{"100", "200", "x", "-5"}
        << QStringList{"300.000 Ohm's", "0.01666667 Amps"} << QStringList{"1.667", "3.333"}
        << QStringList{"0.028", "0.056"};
    QTest::newRow("3, hidden R4 not a number")
        << 1 << QStringList{"100", "200", "300", "abc"}
        << QStringList{"600.000 Ohm's", "0.00833333 Amps"}
        << QStringList{"0.8333", "1.6667", "2.5000"} << QStringList{"0.007", "0.014", "0.021"};
    QTest::newRow("4") << 2 << QStringList{"330", "330", "330", "330"}
                       << QStringList{"1320.000 Ohm's", "0.00378788 Amps"}
                       << QStringList{"1.2500", "1.2500", "1.2500", "1.2500"}
                       << QStringList{"0.005", "0.005", "0.005", "0.005"};
}

void OhmsLawCalculatorTest::dividerCount()
{
    QFETCH(int, item);
    QFETCH(QStringList, values);
    QFETCH(QStringList, info);
    QFETCH(QStringList, drops);
    QFETCH(QStringList, wattages);
    WindowFixture f;
    startOhmsLaw(f);
    clickInnerTab(f, Divider);
    for (int k = 0; k < 4; ++k)
        f.typeText(QStringLiteral("Edit%1").arg(253 + k), values[k]);
    f.clickRadio("RadioGroup16", item);
    f.enter("Edit252", "5");
    QCOMPARE(f.messages.take(), QStringList());
    QCOMPARE(texts(f, {"Label56", "Label320"}), info);
    const int n = item + 2;
    QCOMPARE(texts(f, QStringList{"Edit262", "Edit263", "Edit264", "Edit265"}.mid(0, n)), drops);
    QCOMPARE(texts(f, QStringList{"Edit301", "Edit302", "Edit303", "Edit304"}.mid(0, n)), wattages);
    for (const QString name : {"Label313", "Edit255", "Edit257", "Label317", "Edit264", "Edit303"})
        QCOMPARE(shown(f, name), n >= 3);
    for (const QString name : {"Label314", "Edit256", "Edit258", "Label318", "Edit265", "Edit304"})
        QCOMPARE(shown(f, name), n == 4);
}

void OhmsLawCalculatorTest::refusedEntries_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("solveFor");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    // The result shows the correction used in the same pass.
    QTest::newRow("R 0 for current") << int(Led) << 1 << "Edit246"
                                     << "0"
                                     << "Resistance must be greater than 0 Ohms, using 1 Ohm"
                                     << "1"
                                     << "Edit244"
                                     << "1.000";
    QTest::newRow("I 0 for resistance") << int(Led) << 2 << "Edit246"
                                        << "0"
                                        << "Current must not be 0 Amps, using 1 Amp"
                                        << "1"
                                        << "Edit244"
                                        << "1.000";
    QTest::newRow("LED current") << int(Led) << 0 << "Edit239"
                                 << "-20"
                                 << "LED current must be greater than 0 mA, using 10 mA"
                                 << "10"
                                 << "Edit237"
                                 << "1000.0";
    QTest::newRow("divider R2") << int(Divider) << 0 << "Edit254"
                                << "0"
                                << "R2 must be greater than 0 Ohms, using 330 Ohms"
                                << "330"
                                << "Label56"
                                << "660.000 Ohm's";
    QTest::newRow("PI attenuation") << int(PiPad) << 0 << "Edit288"
                                    << "0"
                                    << "PI pad attenuation must be greater than 0 dB, using 3 dB"
                                    << "3"
                                    << "Edit285"
                                    << "17.61 Ohms";
    QTest::newRow("PI Zin") << int(PiPad) << 0 << "Edit281"
                            << "-50"
                            << "PI pad Zin must be greater than 0 Ohms, using 50 Ohms"
                            << "50"
                            << "Edit283"
                            << "292.40 Ohms";
    QTest::newRow("T attenuation") << int(TPad) << 0 << "Edit290"
                                   << "-3"
                                   << "T pad attenuation must be greater than 0 dB, using 3 dB"
                                   << "3"
                                   << "Edit297"
                                   << "141.93 Ohms";
    QTest::newRow("T Zout") << int(TPad) << 0 << "Edit294"
                            << "0"
                            << "T pad Zout must be greater than 0 Ohms, using 50 Ohms"
                            << "50"
                            << "Edit296"
                            << "8.55 Ohms";
}

void OhmsLawCalculatorTest::refusedEntries()
{
    QFETCH(int, tab);
    QFETCH(int, solveFor);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, corrected);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    WindowFixture f;
    startOhmsLaw(f, "0", true);
    clickInnerTab(f, tab);
    f.clickRadio("RadioGroup13", solveFor);
    if (auto *resultBox = f.find<QLineEdit>(result))
        resultBox->setText(QString());
    else
        f.find<QLabel>(result)->setText(QString());
    f.enterRefused(box, typed, message, corrected);
    QCOMPARE(f.text(result), expected);
}

void OhmsLawCalculatorTest::noCircuitPossible_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("typed"); // box, text, box, text ...
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("fixedBox");
    QTest::newRow("LED supply equal to the drop")
        << int(Led) << QStringList{"Edit236", "2"} << QStringList{"Edit237", "Edit299"}
        << "+V value must be greater than the LED voltage drop, no series resistor can set the "
           "LED current"
        << "Edit236";
    // 75/50 needs 5.7195 dB, shown rounded up.
    QTest::newRow("PI pad below its minimum")
        << int(PiPad) << QStringList{"Edit288", "5", "Edit281", "75"} << piBoxes.mid(3)
        << "PI pad attenuation must be greater than 5.72 dB to match 75 Ohms to 50 Ohms"
        << "Edit288";
    QTest::newRow("T pad just below its minimum")
        << int(TPad) << QStringList{"Edit290", "5.719", "Edit292", "75"} << tBoxes.mid(3)
        << "T pad attenuation must be greater than 5.72 dB to match 75 Ohms to 50 Ohms"
        << "Edit290";
}

void OhmsLawCalculatorTest::noCircuitPossible()
{
    QFETCH(int, tab);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, results);
    QFETCH(QString, message);
    QFETCH(QString, fixedBox);
    WindowFixture f;
    startOhmsLaw(f, "0", true);
    clickInnerTab(f, tab);
    for (qsizetype i = 0; i + 2 < typed.size(); i += 2)
        f.typeText(typed[i], typed[i + 1]);
    f.enter(typed[typed.size() - 2], typed.last());
    QCOMPARE(f.boxes.onScreen, QStringList{message});
    QCOMPARE(texts(f, results), QStringList(results.size(), "N/A"));
    QCOMPARE(f.text(typed[0]), typed[1]);

    // A workable entry gives real, positive resistors again.
    f.enter(fixedBox, tab == Led ? "5" : "6");
    QCOMPARE(f.boxes.onScreen.size(), 1);
    for (const QString &value : texts(f, results))
        QVERIFY2(value.front().isDigit() && value != "0.00 Ohms", qPrintable(value));
}

void OhmsLawCalculatorTest::padSidesFollowTheInput_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QStringList>("sides"); // high, low at 10 dB between 75 and 50 Ohms
    // Evaluated by hand in python3.
    QTest::newRow("PI") << piBoxes << "Panel20" << QStringList{"207.43 Ohms", "77.11 Ohms"};
    QTest::newRow("T") << tBoxes << "Panel21" << QStringList{"48.63 Ohms", "18.08 Ohms"};
}

void OhmsLawCalculatorTest::padSidesFollowTheInput()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, panel);
    QFETCH(QStringList, sides);
    const QString high = boxes[3], low = boxes[4];
    WindowFixture f;
    startOhmsLaw(f);
    clickInnerTab(f, panel == "Panel20" ? PiPad : TPad);
    f.typeText(boxes[0], "10");
    f.enter(boxes[1], "75");
    QCOMPARE(texts(f, {high, low}), sides);
    QVERIFY(gridRow(f, panel, high) < gridRow(f, panel, low));
    QCOMPARE(f.find<QWidget>(high)->toolTip(), "R1 value based on inputs.");

    // The 75-Ohm side becomes the output: its resistor moves to the R2 row.
    f.typeText(boxes[1], "50");
    f.enter(boxes[2], "75");
    QCOMPARE(texts(f, {high, low}), sides);
    QVERIFY(gridRow(f, panel, high) > gridRow(f, panel, low));
    QCOMPARE(f.find<QWidget>(high)->toolTip(), "R2 value based on inputs.");
    QCOMPARE(f.find<QWidget>(low)->toolTip(), "R1 value based on inputs.");
    QCOMPARE(f.messages.take(), QStringList());
}

void OhmsLawCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    startOhmsLaw(f);
    f.enter("Edit245", "0,5");
    QCOMPARE(texts(f, {"Edit244", "Edit250"}), (QStringList{"6.000", "3.0000"}));
    f.enter("Edit238", "2,5");
    QCOMPARE(f.text("Edit237"), "950.0");
    clickInnerTab(f, PiPad);
    f.typeText("Edit288", "5,5");
    f.enter("Edit281", "75,5");
    QCOMPARE(f.messages.take(), QStringList{"info: PI pad attenuation must be greater than "
                                            "5,77 dB to match 75,5 Ohms to 50 Ohms"});
    f.enter("Edit288", "10.5");
    QCOMPARE(f.messages.take(), QStringList{"error: '10.5' is not a valid floating point value"});
}

QTEST_MAIN(OhmsLawCalculatorTest)
#include "tst_ohms_law_calculator.moc"
