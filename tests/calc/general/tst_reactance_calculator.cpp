#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;

class ReactanceCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void unitGroups_data();
    void unitGroups();
    void refusedEntries_data();
    void refusedEntries();
    void commaMode();
};

namespace {

QStringList results(WindowFixture &f)
{
    return {f.text("Edit273"), f.text("Edit274"), f.text("Edit275")};
}

} // namespace

void ReactanceCalculatorTest::unitGroups_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("unitBoxes"); // frequency, capacitance, inductance
    QTest::addColumn<QStringList>("expected");  // Xc, Xl, f0
    // The defaults are the calculator's worked values; the rest evaluated by hand in python3
    // with 2 pi = 6.28318. The numbers in the boxes stay "1": only the unit changes.
    const QStringList defaults{"0.16 Ohms", "6283.18 Ohms", "5032.93 Hz"};
    QTest::newRow("defaults") << "0"
                              << "" << -1 << QStringList{"MHz", "uF", "mH"} << defaults;
    QTest::newRow("defaults, metric") << "1"
                                      << "" << -1 << QStringList{"MHz", "uF", "mH"} << defaults;
    QTest::newRow("KHz") << "0"
                         << "RadioGroup19" << 1 << QStringList{"KHz", "uF", "mH"}
                         << QStringList{"159.16 Ohms", "6.28 Ohms", "5032.93 Hz"};
    QTest::newRow("pF") << "0"
                        << "RadioGroup17" << 2 << QStringList{"MHz", "pF", "mH"}
                        << QStringList{"159155.08 Ohms", "6283.18 Ohms", "5032925.46 Hz"};
    QTest::newRow("nH") << "0"
                        << "RadioGroup18" << 2 << QStringList{"MHz", "uF", "nH"}
                        << QStringList{"0.16 Ohms", "0.01 Ohms", "5032925.46 Hz"};
}

void ReactanceCalculatorTest::unitGroups()
{
    QFETCH(QString, units);
    QFETCH(QString, group);
    QFETCH(int, item);
    QFETCH(QStringList, unitBoxes);
    QFETCH(QStringList, expected);
    WindowFixture f;
    f.install({{setting::Program, "19"}, {setting::Units, units}});
    f.start();
    QCOMPARE(f.window().ActiveCalculator, 19);
    QVERIFY(f.find<QWidget>("GroupBox48")->isVisibleTo(&f.window()));
    QVERIFY(!f.window().RadioGroup6->isEnabled());
    QCOMPARE(f.text("Label320"), "N/A");
    if (item >= 0)
        f.clickRadio(group, item);
    QCOMPARE((QStringList{f.text("Edit278"), f.text("Edit276"), f.text("Edit277")}), unitBoxes);
    QCOMPARE(results(f), expected);
    QCOMPARE(f.text("Edit270"), "1");
    QCOMPARE(f.messages.take(), QStringList());
}

void ReactanceCalculatorTest::refusedEntries_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("frequency 0") << "Edit270"
                                 << "0"
                                 << "Frequency must be greater than 0, using 1";
    QTest::newRow("capacitance negative") << "Edit271"
                                          << "-5"
                                          << "Capacitance must be greater than 0, using 1";
    QTest::newRow("inductance 0") << "Edit272"
                                  << "0e3"
                                  << "Inductance must be greater than 0, using 1";
}

void ReactanceCalculatorTest::refusedEntries()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    WindowFixture f;
    f.install({{setting::Program, "19"}});
    f.useRealMessageBoxes();
    f.start();
    f.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    for (const char *result : {"Edit273", "Edit274", "Edit275"})
        f.find<QLineEdit>(result)->setText(QString());
    f.enterRefused(box, typed, message, "1");
    // The correction is used in the same pass.
    QCOMPARE(results(f), (QStringList{"0.16 Ohms", "6283.18 Ohms", "5032.93 Hz"}));
}

void ReactanceCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    f.install({{setting::Program, "19"}});
    f.start();
    f.enter("Edit270", "0,5");
    QCOMPARE(results(f).mid(0, 2), (QStringList{"0.32 Ohms", "3141.59 Ohms"}));
    f.enter("Edit271", "0,0");
    QCOMPARE(f.messages.take(), QStringList{"info: Capacitance must be greater than 0, using 1"});
    f.enter("Edit272", "2.5");
    QCOMPARE(f.messages.take(), QStringList{"error: '2.5' is not a valid floating point value"});
}

QTEST_MAIN(ReactanceCalculatorTest)
#include "tst_reactance_calculator.moc"
