#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;

namespace {

void show(TForm1 &w)
{
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        qFatal("window not active");
}

const QString heightMessage = "Conductor height (H) can't be less than others (H1 or H2)";

} // namespace

class CrosstalkCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void layers_data();
    void layers();
    void refusals_data();
    void refusals();
    void refusalBeforeHeightRelation();
    void commaMode();
};

void CrosstalkCalculatorTest::layers_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<QString>("voltage");
    // clang-format off
    // Worked values of the defaults; the same board in millimetres gives the same answer.
    QTest::newRow("microstrip") << "0" << 0 << "" << "" << "-23.81689 dB" << "0.32220 Volts";
    QTest::newRow("stripline") << "0" << 1 << "" << "" << "-37.70900 dB" << "0.06509 Volts";
    QTest::newRow("microstrip, metric") << "1" << 0 << "" << "" << "-23.81689 dB" << "0.32220 Volts";
    QTest::newRow("stripline, metric") << "1" << 1 << "" << "" << "-37.70900 dB" << "0.06509 Volts";
    // Worked: 5 inches coupled outlasts the rise time, the coupling saturates.
    QTest::newRow("5 inches, microstrip") << "0" << 0 << "Edit195" << "5000" << "-0.91515 dB" << "4.50000 Volts";
    QTest::newRow("127 mm, microstrip") << "1" << 0 << "Edit195" << "127" << "-0.91515 dB" << "4.50000 Volts";
    // python3 by hand.
    QTest::newRow("spacing 0 stays valid") << "0" << 0 << "Edit203" << "0" << "-22.90174 dB" << "0.35800 Volts";
    QTest::newRow("Er of 1 is accepted") << "0" << 0 << "Edit7" << "1" << "-27.78490 dB" << "0.20404 Volts";
    // clang-format on
}

void CrosstalkCalculatorTest::layers()
{
    QFETCH(QString, units);
    QFETCH(int, layer);
    QFETCH(QString, box);
    QFETCH(QString, value);
    WindowFixture f;
    f.install({{setting::Program, "14"}, {setting::Units, units}});
    TForm1 &w = f.start();
    f.clickTab(15);
    QCOMPARE(w.ActiveCalculator, 15);
    QVERIFY(f.find<QGroupBox>("GroupBox39")->isVisibleTo(&w));
    QCOMPARE(f.stored(setting::Program), "15");
    RadioGroup *selector = w.options()->RadioGroup3;
    QVERIFY(selector->isEnabled());
    QCOMPARE(selector->items(), (QStringList{"Microstrip", "Stripline"}));
    QCOMPARE(selector->itemIndex(), 0);
    if (layer == 1)
        f.clickRadio("RadioGroup3", 1);
    if (!box.isEmpty())
        f.enter(box, value);

    const bool stripline = layer == 1;
    QCOMPARE(f.find<QWidget>("Image29")->isVisibleTo(&w), !stripline);
    QCOMPARE(f.find<QWidget>("Image30")->isVisibleTo(&w), stripline);
    for (const char *name : {"Edit199", "Edit200", "Edit201", "Edit202", "Label152", "Label153"})
        QCOMPARE(f.find<QWidget>(name)->isVisibleTo(&w), stripline);
    QCOMPARE(f.find<QWidget>("Edit197")->toolTip(),
             stripline ? "Enter the total distance between the two planes."
                       : "Enter the conductor distance from the plane.");
    QCOMPARE(f.text("Edit196"), units == "1" ? "mm" : "mils");
    QTEST(f.text("Edit205"), "coefficient");
    QTEST(f.text("Edit207"), "voltage");
    QCOMPARE(f.text("Label56"), "N/A");
    QCOMPARE(f.messages.take(), QStringList());
}

void CrosstalkCalculatorTest::refusals_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("coefficient");
    const QString ms = "-23.81689 dB";
    const QString sl = "-37.70900 dB";
    const char *rise = "Minimum signal rise time can't be less than or equal to 0";
    const char *length = "Minimum coupled length can't be less than or equal to 0";
    // clang-format off
    QTest::newRow("Er below 1") << "0" << 0 << "Edit7" << "0.5" << "Minimum dielectric constant value can't be less than 1" << "1" << "-27.78490 dB";
    QTest::newRow("rise time 0") << "0" << 0 << "Edit146" << "0" << rise << "1" << ms;
    QTest::newRow("coupled length 0, metric") << "1" << 0 << "Edit195" << "0" << length << "6.35" << ms;
    QTest::newRow("height 0") << "0" << 0 << "Edit197" << "0" << "Minimum conductor height (H) can't be less than or equal to 0" << "30" << ms;
    QTest::newRow("H1 0, stripline") << "0" << 1 << "Edit199" << "0" << "Minimum conductor height (H1) can't be less than or equal to 0" << "20" << sl;
    QTest::newRow("H2 negative, stripline, metric") << "1" << 1 << "Edit201" << "-0.1" << "Minimum conductor height (H2) can't be less than or equal to 0" << "0.254" << sl;
    // Stripline: H must lie above H1 and H2; it becomes H1 + H2.
    QTest::newRow("H below H1") << "0" << 1 << "Edit197" << "15" << heightMessage << "30" << sl;
    QTest::newRow("H equal to H1, metric") << "1" << 1 << "Edit197" << "0.508" << heightMessage << "0.762" << sl;
    // clang-format on
}

void CrosstalkCalculatorTest::refusals()
{
    QFETCH(QString, units);
    QFETCH(int, layer);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, corrected);
    WindowFixture f;
    f.install({{setting::Program, "15"}, {setting::Units, units}});
    f.useRealMessageBoxes();
    show(f.start());
    if (layer == 1)
        f.clickRadio("RadioGroup3", 1);
    f.enterRefused(box, typed, message, corrected);
    // Computed with the correction in the same pass.
    QTEST(f.text("Edit205"), "coefficient");
}

void CrosstalkCalculatorTest::refusalBeforeHeightRelation()
{
    WindowFixture f;
    f.install({{setting::Program, "15"}});
    f.start();
    f.clickRadio("RadioGroup3", 1);
    f.typeText("Edit197", "15");
    f.enter("Edit199", "0");
    // H1 is corrected to 20 first; only then is H compared with it.
    QCOMPARE(f.messages.take(),
             (QStringList{"info: Minimum conductor height (H1) can't be less than or equal to 0",
                          "info: " + heightMessage}));
    QCOMPARE(f.text("Edit199"), "20");
    QCOMPARE(f.text("Edit197"), "30");
    QCOMPARE(f.text("Edit205"), "-37.70900 dB");
    // A microstrip has one height: nothing to compare.
    f.clickRadio("RadioGroup3", 0);
    f.enter("Edit197", "15");
    QCOMPARE(f.messages.take(), QStringList());
}

void CrosstalkCalculatorTest::commaMode()
{
    WindowFixture f{DecimalMode::Comma};
    f.install({{setting::Program, "15"}, {setting::Units, "1"}});
    f.start();
    QCOMPARE(f.text("Edit195"), "6,35");
    QCOMPARE(f.text("Edit205"), "-23.81689 dB");
    f.clickRadio("RadioGroup3", 1);
    f.enter("Edit197", "0,381");
    QCOMPARE(f.messages.take(), QStringList{"info: " + heightMessage});
    QCOMPARE(f.text("Edit197"), "0,762");
    QCOMPARE(f.text("Edit205"), "-37.70900 dB");
    f.enter("Edit195", "0");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Minimum coupled length can't be less than or equal to 0"});
    QCOMPARE(f.text("Edit195"), "6,35");
    f.enter("Edit146", "0.5");
    QCOMPARE(f.messages.take(), QStringList{"error: '0.5' is not a valid floating point value"});
}

QTEST_MAIN(CrosstalkCalculatorTest)
#include "tst_crosstalk_calculator.moc"
