#include "calc/lines/differential_pair_panel.h"
#include "tests/support/window_fixture.h"

#include <QSlider>

using namespace tw;
using namespace tw::test;

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor black(0, 0, 0);

void startPairs(WindowFixture &f, const QList<std::pair<QString, QString>> &changes = {})
{
    QList<std::pair<QString, QString>> settings{{setting::Program, "3"}};
    settings.append(changes);
    f.install(settings);
    f.start();
}

QColor indicator(WindowFixture &f)
{
    return f.find<IndicatorShape>("Shape1")->brushColor();
}

QColor textColor(WindowFixture &f, const QString &label)
{
    return f.find<QLabel>(label)->palette().color(QPalette::WindowText);
}

bool shown(WindowFixture &f, const QString &name)
{
    return !f.find<QWidget>(name)->isHidden();
}

void slide(WindowFixture &f, int position)
{
    f.find<QSlider>("TrackBar1")->setValue(position);
}

const QStringList pictures{"Image1", "Image4", "Image23", "Image21", "Image17", "Image18"};

} // namespace

class DifferentialPairCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void arrangementDefaults_data();
    void arrangementDefaults();
    void metricDefaults_data();
    void metricDefaults();
    void toleranceBar_data();
    void toleranceBar();
    void goNoGoEdges_data();
    void goNoGoEdges();
    void ratioWarnings_data();
    void ratioWarnings();
    void centredAsymmetricPair();
    void broadsideHeightReplaced_data();
    void broadsideHeightReplaced();
    void broadsideWithoutCopperThickness();
    void broadsideCorrectionThatCannotFit();
    void nonPositiveEntries_data();
    void nonPositiveEntries();
    void outsideTheFormula();
    void badTargetKeepsEarlierResults();
};

void DifferentialPairCalculatorTest::arrangementDefaults_data()
{
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<QString>("zo");
    QTest::addColumn<QString>("zdiff");
    QTest::addColumn<QString>("plus");
    QTest::addColumn<QString>("minus");
    QTest::addColumn<bool>("go");
    QTest::addColumn<QString>("wh");
    QTest::addColumn<QString>("sh");
    QTest::addColumn<QString>("copper");
    QTest::addColumn<QString>("heightCaption");

    // Worked examples with the designed inputs: W 10, S 5, H 15, H2 5 mils, 0.5oz base copper,
    // 1oz plating, er 4.6, target 100, 10 %. An empty Zo means the box is hidden.
    QTest::newRow("Edge Cpld Ext") << 0 << "77.504 Ohms"
                                   << "100.979 Ohms"
                                   << "111.077 Ohms"
                                   << "90.881 Ohms" << true << "0.667"
                                   << "0.333"
                                   << "2.10 mils"
                                   << "Conductor Height (H)";
    QTest::newRow("Edge Cpld Int Sym") << 1 << "33.200 Ohms"
                                       << "56.955 Ohms"
                                       << "62.650 Ohms"
                                       << "51.259 Ohms" << false << "0.667"
                                       << "0.333"
                                       << "0.70 mils"
                                       << "Conductor Height (H)";
    // B = 20.7 mils; the bounds are 59.693 x 1.1 and x 0.9 of the unrounded Zdiff.
    QTest::newRow("Edge Cpld Int Asym") << 2 << "36.650 Ohms"
                                        << "59.693 Ohms"
                                        << "65.662 Ohms"
                                        << "53.724 Ohms" << false << "0.483"
                                        << "0.242"
                                        << "0.70 mils"
                                        << "Conductor Height (H1)";
    // The ratios use the dielectric thickness H2.
    QTest::newRow("Edge Cpld Embed") << 3 << "102.753 Ohms"
                                     << "167.737 Ohms"
                                     << "184.511 Ohms"
                                     << "150.963 Ohms" << false << "2.000"
                                     << "1.000"
                                     << "0.70 mils"
                                     << "Conductor Height (H1)";
    QTest::newRow("Broad Cpld Shld") << 4 << QString() << "43.730 Ohms"
                                     << "48.102 Ohms"
                                     << "39.357 Ohms" << false << "0.667"
                                     << "0.333"
                                     << "0.70 mils"
                                     << "Conductor Height (H)";
    QTest::newRow("Broad Cpld NShld") << 5 << QString() << "47.315 Ohms"
                                      << "52.046 Ohms"
                                      << "42.583 Ohms" << false << "0.667"
                                      << "0.333"
                                      << "0.70 mils"
                                      << "Conductor Height (H)";
}

void DifferentialPairCalculatorTest::arrangementDefaults()
{
    QFETCH(int, arrangement);
    QFETCH(QString, zo);
    QFETCH(bool, go);
    WindowFixture f;
    startPairs(f);
    QCOMPARE(f.window().ActiveCalculator, 3);
    QCOMPARE(f.window().options()->RadioGroup3->title(), " Differential Layer ");
    // Start from another arrangement, so that every row runs the relabel once.
    f.clickRadio("RadioGroup3", arrangement == 5 ? 4 : 5);
    f.clickRadio("RadioGroup3", arrangement);
    QCOMPARE(f.messages.take(), QStringList());

    QCOMPARE(shown(f, "Edit28"), !zo.isEmpty());
    QCOMPARE(shown(f, "Label43"), !zo.isEmpty());
    if (!zo.isEmpty())
        QCOMPARE(f.text("Edit28"), zo);
    QTEST(f.text("Edit29"), "zdiff");
    QTEST(f.text("Edit30"), "plus");
    QTEST(f.text("Edit31"), "minus");
    QCOMPARE(indicator(f), go ? green : red);
    QTEST(f.text("Label49"), "wh");
    QTEST(f.text("Label50"), "sh");
    QCOMPARE(textColor(f, "Label49"), black);
    QCOMPARE(textColor(f, "Label50"), black);
    QTEST(f.text("Label56"), "copper");
    QTEST(f.text("Label40"), "heightCaption");
    QCOMPARE(f.text("Label110"), "N/A");
    QCOMPARE(f.text("Label285"), "N/A");

    const bool twoHeights = arrangement == 2 || arrangement == 3;
    for (const char *name : {"Label58", "Edit32", "Edit65"})
        QVERIFY2(shown(f, name) == twoHeights, name);
    for (int i = 0; i < pictures.size(); ++i)
        QVERIFY2(shown(f, pictures[i]) == (i == arrangement), qPrintable(pictures[i]));
    QVERIFY(!shown(f, "Label192"));
    QVERIFY(!shown(f, "Label259"));
    // Only the surface pair is plated.
    QCOMPARE(f.window().options()->RadioGroup1->isEnabled(), arrangement == 0);
}

void DifferentialPairCalculatorTest::metricDefaults_data()
{
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<QString>("zdiff");
    QTest::addColumn<QString>("copper");
    // Hand calculations with the converted defaults (0.254, 0.127, 0.381, 0.127 mm) and the
    // metric copper table (18 um base, 35 um plating). The symmetric pair uses the rounded
    // 1.9 B form; the shielded pair takes its distance to the planes in mils.
    QTest::newRow("Edge Cpld Ext") << 0 << "101.041 Ohms"
                                   << " 53 um";
    QTest::newRow("Edge Cpld Int Sym") << 1 << "56.898 Ohms"
                                       << " 18 um";
    QTest::newRow("Broad Cpld Shld") << 4 << "43.676 Ohms"
                                     << " 18 um";
}

void DifferentialPairCalculatorTest::metricDefaults()
{
    QFETCH(int, arrangement);
    WindowFixture f;
    startPairs(f, {{setting::Units, "1"}});
    f.clickRadio("RadioGroup3", arrangement);
    QCOMPARE(f.messages.take(), QStringList());
    QCOMPARE(f.text("Edit21"), "0.254");
    QCOMPARE(f.text("Edit26"), "0.127");
    QCOMPARE(f.text("Edit27"), "0.381");
    QCOMPARE(f.text("Edit32"), "0.127");
    for (const char *unit : {"Edit62", "Edit63", "Edit64", "Edit65"})
        QCOMPARE(f.text(unit), "mm");
    QTEST(f.text("Edit29"), "zdiff");
    QTEST(f.text("Label56"), "copper");

    // And back: the designed texts return.
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.messages.take(), QStringList());
    QCOMPARE(f.text("Edit21"), "10");
    QCOMPARE(f.text("Edit32"), "5");
    QCOMPARE(f.text("Edit62"), "mils");
}

void DifferentialPairCalculatorTest::toleranceBar_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("plus");
    QTest::addColumn<QString>("minus");
    QTest::addColumn<bool>("go");
    // Zdiff 100.979 Ohms (the surface pair) against the target 100.
    QTest::newRow("0: 2.5 %") << 0 << "2.5%"
                              << "103.504 Ohms"
                              << "98.455 Ohms" << true;
    QTest::newRow("3: 10 %") << 3 << "10%"
                             << "111.077 Ohms"
                             << "90.881 Ohms" << true;
    QTest::newRow("9: 25 %") << 9 << "25%"
                             << "126.224 Ohms"
                             << "75.734 Ohms" << true;
}

void DifferentialPairCalculatorTest::toleranceBar()
{
    QFETCH(int, position);
    QFETCH(bool, go);
    WindowFixture f;
    startPairs(f);
    QCOMPARE(f.text("Label46"), "10%");
    slide(f, position == 3 ? 4 : 3);
    slide(f, position);
    QCOMPARE(f.messages.take(), QStringList());
    QTEST(f.text("Label46"), "percent");
    QTEST(f.text("Edit30"), "plus");
    QTEST(f.text("Edit31"), "minus");
    QCOMPARE(indicator(f), go ? green : red);
}

void DifferentialPairCalculatorTest::goNoGoEdges_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("go");
    // The surface pair's band at 10 % is 90.88126... to 111.07710... Ohms.
    QTest::newRow("just inside the lower bound") << 3 << "90.882" << true;
    QTest::newRow("just below the lower bound") << 3 << "90.881" << false;
    QTest::newRow("just inside the upper bound") << 3 << "111.077" << true;
    QTest::newRow("just above the upper bound") << 3 << "111.078" << false;
    // At 2.5 % the band is 98.45470... to 103.50366...
    QTest::newRow("2.5 %: 98.455 inside") << 0 << "98.455" << true;
    QTest::newRow("2.5 %: 98.454 outside") << 0 << "98.454" << false;
    QTest::newRow("2.5 %: 103.503 inside") << 0 << "103.503" << true;
    QTest::newRow("2.5 %: 103.504 outside") << 0 << "103.504" << false;
}

void DifferentialPairCalculatorTest::goNoGoEdges()
{
    QFETCH(int, position);
    QFETCH(QString, target);
    QFETCH(bool, go);
    WindowFixture f;
    startPairs(f);
    slide(f, position);
    f.enter("Edit151", target);
    QCOMPARE(f.messages.take(), QStringList());
    QCOMPARE(indicator(f), go ? green : red);
}

void DifferentialPairCalculatorTest::ratioWarnings_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("warning");
    // H is 15 mils on the surface pair.
    QTest::newRow("W/H exactly 3") << "Edit21"
                                   << "45"
                                   << "Label49"
                                   << "3.000" << false;
    QTest::newRow("W/H 3.001") << "Edit21"
                               << "45.015"
                               << "Label49"
                               << "3.001 Warning!" << true;
    QTest::newRow("S/H 0.1") << "Edit26"
                             << "1.5"
                             << "Label50"
                             << "0.100" << false;
    QTest::newRow("S/H below 0.1") << "Edit26"
                                   << "1"
                                   << "Label50"
                                   << "0.067 Warning!" << true;
}

void DifferentialPairCalculatorTest::ratioWarnings()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, label);
    QFETCH(bool, warning);
    WindowFixture f;
    startPairs(f);
    f.enter(box, value);
    QCOMPARE(f.messages.take(), QStringList());
    QTEST(f.text(label), "text");
    QCOMPARE(textColor(f, label), warning ? red : black);
    // Back inside the window, the label turns black again.
    f.enter(box, box == "Edit21" ? "10" : "5");
    QCOMPARE(textColor(f, label), black);
}

void DifferentialPairCalculatorTest::centredAsymmetricPair()
{
    WindowFixture f;
    startPairs(f);
    f.clickRadio("RadioGroup3", 2);
    f.enter("Edit27", "5");
    QCOMPARE(f.messages.take(), QStringList());
    QVERIFY(shown(f, "Label192"));
    QVERIFY(shown(f, "Label259"));
    QCOMPARE(f.text("Label192"), "Attention!");
    QCOMPARE(f.text("Label259"), "Please use Edge Cpld Int Sym Calculator if H1 = H2");
    f.enter("Edit27", "5.5");
    QVERIFY(!shown(f, "Label192"));
    // The relabel hides them too.
    f.enter("Edit27", "5");
    QVERIFY(shown(f, "Label259"));
    f.clickRadio("RadioGroup3", 3);
    QVERIFY(!shown(f, "Label259"));
    QCOMPARE(f.messages.take(), QStringList());
}

void DifferentialPairCalculatorTest::broadsideHeightReplaced_data()
{
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<int>("decimalMode");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("zdiff");
    // 6 <= 2 x 0.7 + 5 = 6.4; 4T + S = 7.8 leaves 0.7 mils to each plane.
    const int point = static_cast<int>(DecimalMode::Point);
    const int comma = static_cast<int>(DecimalMode::Comma);
    QTest::newRow("shielded") << 4 << point << "6"
                              << "7.8"
                              << "16.227 Ohms";
    QTest::newRow("shielded, equal") << 4 << point << "6.4"
                                     << "7.8"
                                     << "16.227 Ohms";
    QTest::newRow("shielded, comma") << 4 << comma << "6"
                                     << "7,8"
                                     << "16.227 Ohms";
    // The unshielded pair does not use the height beyond the check.
    QTest::newRow("unshielded") << 5 << point << "6"
                                << "7.8"
                                << "47.315 Ohms";
}

void DifferentialPairCalculatorTest::broadsideHeightReplaced()
{
    QFETCH(int, arrangement);
    QFETCH(int, decimalMode);
    WindowFixture f(static_cast<DecimalMode>(decimalMode));
    startPairs(f);
    f.clickRadio("RadioGroup3", arrangement);
    QFETCH(QString, height);
    f.enter("Edit27", height);
    QCOMPARE(f.messages.take(),
             QStringList{"info: Conductor height can't be less than or equal to conductor "
                         "thickness + spacing"});
    QTEST(f.text("Edit27"), "replacement");
    QTEST(f.text("Edit29"), "zdiff");
}

void DifferentialPairCalculatorTest::broadsideWithoutCopperThickness()
{
    // With copper typed by hand as 0, no height passes the check: one message and an error
    // result, no repeating recalculation.
    WindowFixture f;
    startPairs(f, {{setting::ManualCopperWeight, "1"}});
    QCOMPARE(f.messages.take(), QStringList());
    f.clickRadio("RadioGroup3", 4);
    f.typeText("Edit136", "0");
    f.enter("Edit27", "5");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Conductor height can't be less than or equal to conductor "
                         "thickness + spacing"});
    QCOMPARE(f.text("Edit27"), "5");
    QCOMPARE(f.text("Edit29"), "Error");
    QCOMPARE(f.text("Edit30"), "Error");
    QCOMPARE(f.text("Edit31"), "Error");
    QCOMPARE(indicator(f), red);
}

void DifferentialPairCalculatorTest::nonPositiveEntries_data()
{
    QTest::addColumn<int>("decimalMode");
    QTest::addColumn<QString>("units");
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("zdiff");

    const int point = static_cast<int>(DecimalMode::Point);
    const int comma = static_cast<int>(DecimalMode::Comma);
    const QString width = "info: Conductor width cannot be less than or equal to zero.";
    const QString spacing = "info: Conductor spacing cannot be less than or equal to zero.";
    const QString height = "info: Conductor height cannot be less than or equal to zero.";
    const QString target = "info: Target Zdiff cannot be less than or equal to zero.";
    const QString er = "info: Minimum dielectric constant value can't be less than 1";
    // The results shown are those of the replaced value: W = 1 mil gives 158.675 Ohms,
    // W = 0.0254 mm 158.889 Ohms, er = 1 159.463 Ohms (hand calculations).
    QTest::newRow("width 0") << point << "0" << 0 << "Edit21"
                             << "0" << width << "1"
                             << "158.675 Ohms";
    QTest::newRow("negative width") << point << "0" << 0 << "Edit21"
                                    << "-3" << width << "1"
                                    << "158.675 Ohms";
    QTest::newRow("width 0, metric") << point << "1" << 0 << "Edit21"
                                     << "0" << width << "0.0254"
                                     << "158.889 Ohms";
    QTest::newRow("width 0, metric, comma") << comma << "1" << 0 << "Edit21"
                                            << "0" << width << "0,0254"
                                            << "158.889 Ohms";
    QTest::newRow("spacing 0") << point << "0" << 0 << "Edit26"
                               << "0" << spacing << "1" << QString();
    QTest::newRow("height 0") << point << "0" << 0 << "Edit27"
                              << "0" << height << "1" << QString();
    QTest::newRow("second height 0") << point << "0" << 2 << "Edit32"
                                     << "0" << height << "1" << QString();
    // The second height is neither read nor checked where it is hidden.
    QTest::newRow("hidden second height 0") << point << "0" << 0 << "Edit32"
                                            << "0" << QString() << "0"
                                            << "100.979 Ohms";
    QTest::newRow("target 0") << point << "0" << 0 << "Edit151"
                              << "0" << target << "100"
                              << "100.979 Ohms";
    QTest::newRow("er below 1") << point << "0" << 0 << "Edit7"
                                << "0.5" << er << "1"
                                << "159.463 Ohms";
    QTest::newRow("er 1 accepted") << point << "0" << 0 << "Edit7"
                                   << "1" << QString() << "1"
                                   << "159.463 Ohms";
}

void DifferentialPairCalculatorTest::nonPositiveEntries()
{
    QFETCH(int, decimalMode);
    QFETCH(QString, units);
    QFETCH(int, arrangement);
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(QString, zdiff);
    WindowFixture f(static_cast<DecimalMode>(decimalMode));
    startPairs(f, {{setting::Units, units}});
    f.clickRadio("RadioGroup3", arrangement);
    f.enter(box, value);
    QCOMPARE(f.messages.take(), message.isEmpty() ? QStringList() : QStringList{message});
    QTEST(f.text(box), "replacement");
    if (!zdiff.isEmpty())
        QCOMPARE(f.text("Edit29"), zdiff);
    for (const char *result : {"Edit28", "Edit29", "Edit30", "Edit31", "Label49", "Label50"}) {
        const QString text = f.text(result);
        QVERIFY2(!text.contains("nan") && !text.contains("inf") && !text.isEmpty(), result);
    }
}

void DifferentialPairCalculatorTest::outsideTheFormula()
{
    // 5.98 H below 0.8 W + T: the closed form gives no positive impedance.
    WindowFixture f;
    startPairs(f);
    f.typeText("Edit21", "100");
    f.enter("Edit27", "5");
    QCOMPARE(f.messages.take(), QStringList());
    for (const char *result : {"Edit28", "Edit29", "Edit30", "Edit31"})
        QCOMPARE(f.text(result), "Error");
    QCOMPARE(indicator(f), red);
    QCOMPARE(f.text("Label49"), "20.000 Warning!");
    // Back inside the domain (89.7 against 82.1), by hand calculation.
    f.enter("Edit27", "15");
    QCOMPARE(f.text("Edit28"), "3.142 Ohms");
    QCOMPARE(f.text("Edit29"), "4.094 Ohms");
    QCOMPARE(f.messages.take(), QStringList());
}

void DifferentialPairCalculatorTest::badTargetKeepsEarlierResults()
{
    WindowFixture f;
    startPairs(f);
    f.typeText("Edit21", "1");
    f.enter("Edit151", "1O0");
    QCOMPARE(f.messages.take(), QStringList{"error: '1O0' is not a valid floating point value"});
    // The impedances come before the target; the ratios after it keep their texts.
    QCOMPARE(f.text("Edit29"), "158.675 Ohms");
    QCOMPARE(f.text("Label49"), "0.667");
}

void DifferentialPairCalculatorTest::broadsideCorrectionThatCannotFit()
{
    // 4T + S written with 15 digits rounds back to S itself: the corrected height still fails,
    // which gives one message and an error result, never a recalculation of its own.
    WindowFixture f;
    f.useRealMessageBoxes();
    startPairs(f, {{setting::ManualCopperWeight, "1"}});
    f.typeText("Edit136", "1e-9");
    f.enter("Edit26", "1e12");
    f.messages.take();
    f.boxes.onScreen.clear();
    f.clickRadio("RadioGroup3", 5);
    QCOMPARE(f.messages.take(),
             QStringList{"info: Conductor height can't be less than or equal to conductor "
                         "thickness + spacing"});
    QCOMPARE(f.boxes.onScreen.size(), 1);
    QCOMPARE(f.text("Edit27"), "1000000000000");
    QCOMPARE(f.text("Edit29"), "Error");
    QCOMPARE(indicator(f), red);
}

QTEST_MAIN(DifferentialPairCalculatorTest)
#include "tst_differential_pair_calculator.moc"
