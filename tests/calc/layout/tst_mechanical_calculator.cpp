#include "tests/support/window_fixture.h"

#include <QComboBox>
#include <QPlainTextEdit>

using namespace tw;
using namespace tw::test;

class MechanicalCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void startShowsTheGaugeShown_data();
    void startShowsTheGaugeShown();
    void gauges_data();
    void gauges();
    void unitSwitchKeepsTheRow();
    void textThatIsNoGauge();
    void referenceTables();
};

namespace {

void startMechanical(WindowFixture &f, bool metric)
{
    f.install({{setting::Program, "5"}, {setting::Units, metric ? "1" : "0"}});
    f.start();
}

// Types into the gauge box as the user does; every keystroke is a change.
void typeGauge(WindowFixture &f, const QString &text)
{
    QLineEdit *edit = f.find<QComboBox>("ComboBox3")->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QStringList results(WindowFixture &f)
{
    return {f.text("Edit41"), f.text("Edit95"), f.text("Edit102"), f.text("Edit141")};
}

bool shown(WindowFixture &f, const char *name)
{
    return !f.find<QWidget>(name)->isHidden();
}

} // namespace

// The box shows "4/0" from the start, and so do the results.
void MechanicalCalculatorTest::startShowsTheGaugeShown_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("caption");
    QTest::newRow("imperial") << false << false
                              << QStringList{"0.4600 Inches", "0.049 Ohms", "380 Amps",
                                             "302.286 Amps"}
                              << "Ohms per 1000 feet";
    QTest::newRow("metric") << true << false
                            << QStringList{"11.6840 mm", "0.16072 Ohms", "380 Amps", "302.286 Amps"}
                            << "Ohms per km";
    QTest::newRow("metric, comma")
        << true << true << QStringList{"11.6840 mm", "0.16072 Ohms", "380 Amps", "302.286 Amps"}
        << "Ohms per km";
}

void MechanicalCalculatorTest::startShowsTheGaugeShown()
{
    QFETCH(bool, metric);
    QFETCH(bool, comma);
    QFETCH(QStringList, expected);
    QFETCH(QString, caption);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    startMechanical(f, metric);
    QCOMPARE(f.window().ActiveCalculator, 5);
    QCOMPARE(f.find<QComboBox>("ComboBox3")->currentText(), "4/0");
    QCOMPARE(results(f), expected);
    QCOMPARE(f.text("Label200"), caption);
    QCOMPARE(shown(f, "GroupBox19"), !metric);
    QCOMPARE(shown(f, "GroupBox46"), metric);
    QVERIFY(f.window().RadioGroup6->isEnabled());
    QCOMPARE(f.text("Label110"), "N/A");
    QCOMPARE(f.messages.take(), QStringList());
}

void MechanicalCalculatorTest::gauges_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("40, imperial") << false << "40"
                                  << QStringList{"0.0031 Inches", "1049 Ohms", "0.09 Amps",
                                                 "0.014 Amps"};
    // AWG 22 is the same wire in both systems.
    QTest::newRow("22, imperial") << false << "22"
                                  << QStringList{"0.0253 Inches", "16.14 Ohms", "7 Amps",
                                                 "0.914 Amps"};
    QTest::newRow("22, metric") << true << "22"
                                << QStringList{"0.6426 mm", "52.9392 Ohms", "7 Amps", "0.914 Amps"};
    QTest::newRow("30, imperial") << false << "30"
                                  << QStringList{"0.0100 Inches", "103.2 Ohms", "0.86 Amps",
                                                 "0.143 Amps"};
    QTest::newRow("30, metric") << true << "30"
                                << QStringList{"0.2540 mm", "338.496 Ohms", "0.86 Amps",
                                               "0.143 Amps"};
    QTest::newRow("M 2.0, metric")
        << true << "M 2.0" << QStringList{"0.2000 mm", "555.61 Ohms", "0.51 Amps", "0.089 Amps"};
    QTest::newRow("1/0, imperial")
        << false << "1/0"
        << QStringList{"0.3249 Inches", "0.0983 Ohms", "245 Amps", "150.800 Amps"};
}

void MechanicalCalculatorTest::gauges()
{
    QFETCH(bool, metric);
    QFETCH(QString, gauge);
    QFETCH(QStringList, expected);
    WindowFixture f;
    startMechanical(f, metric);
    typeGauge(f, gauge);
    QCOMPARE(results(f), expected);
    QCOMPARE(f.messages.take(), QStringList());
}

void MechanicalCalculatorTest::unitSwitchKeepsTheRow()
{
    WindowFixture f;
    startMechanical(f, false);
    typeGauge(f, "22");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(results(f), (QStringList{"0.6426 mm", "52.9392 Ohms", "7 Amps", "0.914 Amps"}));
    QCOMPARE(f.text("Label200"), "Ohms per km");
    QVERIFY(!shown(f, "GroupBox19"));
    QVERIFY(shown(f, "GroupBox46"));
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(results(f), (QStringList{"0.0253 Inches", "16.14 Ohms", "7 Amps", "0.914 Amps"}));
    QCOMPARE(f.text("Label200"), "Ohms per 1000'");
    QVERIFY(shown(f, "GroupBox19"));
    QVERIFY(!shown(f, "GroupBox46"));
}

// A text that is no gauge keeps the last row, in whichever unit system is shown.
void MechanicalCalculatorTest::textThatIsNoGauge()
{
    WindowFixture f;
    startMechanical(f, false);
    typeGauge(f, "12");
    typeGauge(f, "AWG 99");
    QCOMPARE(f.find<QComboBox>("ComboBox3")->currentText(), "AWG 99");
    QCOMPARE(results(f), (QStringList{"0.0808 Inches", "1.588 Ohms", "41 Amps", "9.327 Amps"}));
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(results(f), (QStringList{"2.0523 mm", "5.20864 Ohms", "41 Amps", "9.327 Amps"}));
    QCOMPARE(f.messages.take(), QStringList());
}

void MechanicalCalculatorTest::referenceTables()
{
    WindowFixture f;
    startMechanical(f, false);
    const QStringList drills = f.find<QPlainTextEdit>("Memo1")->toPlainText().split('\n');
    QCOMPARE(drills.size(), 123);
    QCOMPARE(drills.first(), "97\t0.0059\t0.14986");
    QCOMPARE(drills.last(), "Z\t0.413\t10.49");
    const QStringList threads = f.find<QPlainTextEdit>("Memo2")->toPlainText().split('\n');
    QCOMPARE(threads.size(), 50);
    QCOMPARE(threads.last(),
             "7/16-20 3A    0.4375    0.4375    0.4294    0.4050    0.4050    0.4019    0.3762");
    const QStringList metric = f.find<QPlainTextEdit>("Memo4")->toPlainText().split('\n');
    QCOMPARE(metric.size(), 18);
    QVERIFY(metric.first().startsWith("M1.6"));
    for (const char *name : {"Memo1", "Memo2", "Memo4"})
        QVERIFY(f.find<QPlainTextEdit>(name)->isReadOnly());
    QCOMPARE(f.text("Label202"), "Drill #");
    QCOMPARE(f.text("Label217"), "Major Diameter");
    QCOMPARE(f.text("Label300"), "Outside Diameter");
}

QTEST_MAIN(MechanicalCalculatorTest)
#include "tst_mechanical_calculator.moc"
