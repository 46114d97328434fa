#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;

class PpmCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void entries_data();
    void entries();
    void zeroCenterFrequency_data();
    void zeroCenterFrequency();
    void notANumberKeepsLaterResults();
};

void PpmCalculatorTest::defaults()
{
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    f.start();
    QCOMPARE(f.window().ActiveCalculator, 14);
    QVERIFY(f.find<QGroupBox>("GroupBox36")->isVisible() || !f.window().isVisible());
    QVERIFY(!f.window().RadioGroup6->isEnabled());
    QCOMPARE(f.text("Edit172"), "0.80000");
    QCOMPARE(f.text("Edit173"), "32000.80000");
    QCOMPARE(f.text("Edit180"), "31999.20000");
    QCOMPARE(f.text("Edit183"), "1.00000");
    QCOMPARE(f.text("Edit184"), "31.25000");
    QCOMPARE(f.messages.take(), QStringList());
}

void PpmCalculatorTest::entries_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    QTest::newRow("negative ppm: maximum below minimum") << "Edit171"
                                                         << "-25"
                                                         << "Edit173"
                                                         << "31999.20000";
    QTest::newRow("negative ppm: minimum above") << "Edit171"
                                                 << "-25"
                                                 << "Edit180"
                                                 << "32000.80000";
    QTest::newRow("maximum below center") << "Edit182"
                                          << "31999"
                                          << "Edit184"
                                          << "-31.25000";
    QTest::newRow("large values keep five decimals") << "Edit170"
                                                     << "1e9"
                                                     << "Edit172"
                                                     << "25000.00000";
    QTest::newRow("exponent") << "Edit171"
                              << "2.5E1"
                              << "Edit172"
                              << "0.80000";
}

void PpmCalculatorTest::entries()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    f.start();
    f.enter(box, value);
    QCOMPARE(f.text(result), expected);
    QCOMPARE(f.messages.take(), QStringList());
}

void PpmCalculatorTest::zeroCenterFrequency_data()
{
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("message");
    QTest::newRow("x/0") << "32001"
                         << "error: Floating point division by zero";
    QTest::newRow("0/0") << "0"
                         << "error: Invalid floating point operation";
}

void PpmCalculatorTest::zeroCenterFrequency()
{
    QFETCH(QString, maximum);
    QFETCH(QString, message);
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    f.start();
    f.typeText("Edit182", maximum);
    f.enter("Edit181", "0");
    QCOMPARE(f.messages.take(), QStringList{message});
    QCOMPARE(f.text("Edit183"), maximum == "0" ? "0.00000" : "32001.00000");
    QCOMPARE(f.text("Edit184"), "31.25000");
}

void PpmCalculatorTest::notANumberKeepsLaterResults()
{
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    f.start();
    f.typeText("Edit170", "1000");
    f.enter("Edit182", "4.6x");
    QCOMPARE(f.messages.take(), QStringList{"error: '4.6x' is not a valid floating point value"});
    QCOMPARE(f.text("Edit172"), "0.02500");
    QCOMPARE(f.text("Edit183"), "1.00000");
}

QTEST_MAIN(PpmCalculatorTest)
#include "tst_ppm_calculator.moc"
