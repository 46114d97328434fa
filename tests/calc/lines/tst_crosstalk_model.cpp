#include "calc/lines/crosstalk.h"

#include <QtTest>

#include <cfenv>

using namespace tw::crosstalk;

Q_DECLARE_METATYPE(tw::crosstalk::Layer)

namespace {

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

class TestCrosstalkModel : public QObject {
    Q_OBJECT

private slots:
    void coupling_data();
    void coupling();
    void delay_data();
    void delay();
    void saturatesWithLength();
};

void TestCrosstalkModel::coupling_data()
{
    QTest::addColumn<Layer>("layer");
    QTest::addColumn<double>("rise");
    QTest::addColumn<double>("volts");
    QTest::addColumn<double>("length"); // inches
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("h1");
    QTest::addColumn<double>("h2");
    QTest::addColumn<double>("er");
    QTest::addColumn<QString>("geometric");
    QTest::addColumn<QString>("db");
    QTest::addColumn<QString>("coupled");

    const auto ms = Layer::Microstrip;
    const auto sl = Layer::Stripline;
    // Worked values of the calculator's defaults (250 mils coupled, S 10, H 30, H1 20, H2 10).
    QTest::newRow("defaults, microstrip: short coupling, reduced")
        << ms << 1.0 << 5.0 << 0.25 << 10.0 << 30.0 << 20.0 << 10.0 << 4.6 << "0.90000"
        << "-23.81689"
        << "0.32220";
    QTest::newRow("defaults, stripline: D^2 = 200, h1 = h2 = 6.667")
        << sl << 1.0 << 5.0 << 0.25 << 10.0 << 30.0 << 20.0 << 10.0 << 4.6 << "0.18182"
        << "-37.70900"
        << "0.06509";
    QTest::newRow("5 inches, microstrip: delay beyond the rise time, saturated")
        << ms << 1.0 << 5.0 << 5.0 << 10.0 << 30.0 << 20.0 << 10.0 << 4.6 << "0.90000"
        << "-0.91515"
        << "4.50000";
    // Independent values, python3 by hand from the same relations.
    QTest::newRow("5 inches, stripline: saturated")
        << sl << 1.0 << 5.0 << 5.0 << 10.0 << 30.0 << 20.0 << 10.0 << 4.6 << "0.18182"
        << "-14.80725"
        << "0.90909";
    QTest::newRow("microstrip, fast edge, narrow spacing")
        << ms << 0.5 << 3.3 << 1.0 << 5.0 << 4.0 << 0.0 << 0.0 << 3.66 << "0.39024"
        << "-13.75182"
        << "0.67752";
    QTest::newRow("stripline, conductors at unequal heights, air")
        << sl << 2.0 << 1.8 << 2.0 << 8.0 << 30.0 << 12.0 << 15.0 << 1.0 << "0.42520"
        << "-22.25675"
        << "0.13881";
    QTest::newRow("microstrip, spacing 0: geometric coupling 1")
        << ms << 1.0 << 5.0 << 0.25 << 0.0 << 30.0 << 0.0 << 0.0 << 4.6 << "1.00000"
        << "-22.90174"
        << "0.35800";
    // Only ratios enter apart from the length: the defaults in millimetres, lengths in inches.
    QTest::newRow("defaults in millimetres") << ms << 1.0 << 5.0 << 6.35 * 0.03937007874015748
                                             << 0.254 << 0.762 << 0.508 << 0.254 << 4.6 << "0.90000"
                                             << "-23.81689"
                                             << "0.32220";
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
    QTEST(fixed(r.geometricCoupling, 5), "geometric");
    QTEST(fixed(r.coefficientDb, 5), "db");
    QTEST(fixed(r.coupledVolts, 5), "coupled");
}

void TestCrosstalkModel::delay_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("er");
    QTest::addColumn<QString>("delay");
    // Worked values: td = 0.0716 ns for 250 mils, 1.432 ns for 5 inches at er 4.6.
    QTest::newRow("250 mils, er 4.6") << 0.25 << 4.6 << "0.0716";
    QTest::newRow("5 inches, er 4.6") << 5.0 << 4.6 << "1.4320";
    // 1 foot in air, there and back: 2 x 1.017 ns x sqrt(1.145), python3 by hand.
    QTest::newRow("1 foot, er 1") << 12.0 << 1.0 << "2.1765";
}

void TestCrosstalkModel::delay()
{
    QFETCH(double, length);
    QFETCH(double, er);
    QTEST(fixed(twoWayDelayNs(length, er), 4), "delay");
}

void TestCrosstalkModel::saturatesWithLength()
{
    // Below the rise time the coupling grows in proportion to the length; beyond it, no more.
    const double k0 = microstripCoupling(10, 30);
    const double half = riseTimeCoupling(k0, 0.5, 1.0);
    QCOMPARE(fixed(half, 6), fixed(k0 * 0.5, 6));
    QCOMPARE(riseTimeCoupling(k0, 1.0, 1.0), k0);
    QCOMPARE(riseTimeCoupling(k0, 3.0, 1.0), k0);
}

QTEST_APPLESS_MAIN(TestCrosstalkModel)
#include "tst_crosstalk_model.moc"
