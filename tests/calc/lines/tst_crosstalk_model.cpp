#include "calc/lines/crosstalk.h"

#include <QtTest>

#include <cfenv>

using namespace tw::crosstalk;

Q_DECLARE_METATYPE(tw::crosstalk::Layer)

class TestCrosstalkModel : public QObject {
    Q_OBJECT

private slots:
    void coupling_data();
    void coupling();
};

void TestCrosstalkModel::coupling_data()
{
    QTest::addColumn<Layer>("layer");
    QTest::addColumn<double>("rise"); // ns
    QTest::addColumn<double>("volts");
    QTest::addColumn<double>("length"); // inches
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("h1");
    QTest::addColumn<double>("h2");
    QTest::addColumn<double>("er");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("db");
    QTest::addColumn<QString>("coupled");

    const auto ms = Layer::Microstrip;
    const auto sl = Layer::Stripline;
    // clang-format off
    // Worked values: the calculator's defaults (250 mils coupled, S 10, H 30, H1 20, H2 10 mils)
    // and 5 inches coupled, where the delay outlasts the rise time and the coupling saturates.
    QTest::newRow("defaults, microstrip") << ms << 1.0 << 5.0 << 0.25 << 10.0 << 30.0 << 20.0 << 10.0 << 4.6 << "0.0716" << "-23.81689" << "0.32220";
    QTest::newRow("defaults, stripline") << sl << 1.0 << 5.0 << 0.25 << 10.0 << 30.0 << 20.0 << 10.0 << 4.6 << "0.0716" << "-37.70900" << "0.06509";
    QTest::newRow("5 inches, microstrip") << ms << 1.0 << 5.0 << 5.0 << 10.0 << 30.0 << 20.0 << 10.0 << 4.6 << "1.4320" << "-0.91515" << "4.50000";
    // Independent values, python3 by hand from the same relations.
    QTest::newRow("5 inches, stripline") << sl << 1.0 << 5.0 << 5.0 << 10.0 << 30.0 << 20.0 << 10.0 << 4.6 << "1.4320" << "-14.80725" << "0.90909";
    QTest::newRow("microstrip, fast edge") << ms << 0.5 << 3.3 << 1.0 << 5.0 << 4.0 << 0.0 << 0.0 << 3.66 << "0.2631" << "-13.75182" << "0.67752";
    QTest::newRow("stripline, unequal heights, air") << sl << 2.0 << 1.8 << 2.0 << 8.0 << 30.0 << 12.0 << 15.0 << 1.0 << "0.3627" << "-22.25675" << "0.13881";
    QTest::newRow("stripline, spacing 0") << sl << 1.0 << 5.0 << 0.25 << 0.0 << 30.0 << 20.0 << 25.0 << 4.6 << "0.0716" << "-28.47682" << "0.18842";
    QTest::newRow("microstrip, spacing 0") << ms << 1.0 << 5.0 << 0.25 << 0.0 << 30.0 << 0.0 << 0.0 << 4.6 << "0.0716" << "-22.90174" << "0.35800";
    // 1 foot in air, there and back: 2 x 1.017 ns x sqrt(1.145).
    QTest::newRow("1 foot in air, saturated") << ms << 2.0 << 1.0 << 12.0 << 10.0 << 30.0 << 0.0 << 0.0 << 1.0 << "2.1765" << "-0.91515" << "0.90000";
    // Only ratios enter apart from the length: the defaults in millimetres, the length in inches.
    QTest::newRow("defaults in millimetres") << ms << 1.0 << 5.0 << 6.35 / 25.4 << 0.254 << 0.762 << 0.508 << 0.254 << 4.6 << "0.0716" << "-23.81689" << "0.32220";
    // clang-format on
}

void TestCrosstalkModel::coupling()
{
    QFETCH(Layer, layer);
    QFETCH(double, rise);
    QFETCH(double, volts);
    QFETCH(double, length);
    QFETCH(double, spacing);
    QFETCH(double, height);
    QFETCH(double, h1);
    QFETCH(double, h2);
    QFETCH(double, er);
    std::feclearexcept(FE_ALL_EXCEPT);
    const Result r = crosstalk({layer, spacing, height, h1, h2}, length, rise, volts, er);
    QCOMPARE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
    QTEST(QString::number(r.delayNs, 'f', 4), "delay");
    QTEST(QString::number(r.coefficientDb, 'f', 5), "db");
    QTEST(QString::number(r.coupledVolts, 'f', 5), "coupled");
}

QTEST_APPLESS_MAIN(TestCrosstalkModel)
#include "tst_crosstalk_model.moc"
