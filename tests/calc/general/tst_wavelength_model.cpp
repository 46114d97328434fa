#include "calc/general/wavelength.h"

#include <QtTest>

using namespace tw::wavelength;

Q_DECLARE_METATYPE(tw::wavelength::SignalUnit)

class TestWavelengthModel : public QObject {
    Q_OBJECT

private slots:
    void wavelength_data();
    void wavelength();
};

void TestWavelengthModel::wavelength_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<SignalUnit>("unit");
    QTest::addColumn<double>("er");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("megahertz");
    QTest::addColumn<QString>("centimetres");
    QTest::addColumn<QString>("inches");

    using U = SignalUnit;
    // clang-format off
    // Worked values: 10 ns at Er Eff 4 is 100 MHz, 149.89623 cm, 59.01426 inches; in air 100 MHz
    // is 299.79246 cm.
    QTest::newRow("10 ns") << 10.0 << U::Nanoseconds << 4.0 << 0 << 100.0 << "149.89623" << "59.01426";
    QTest::newRow("100 MHz in air") << 100.0 << U::Megahertz << 1.0 << 0 << 100.0 << "299.79246" << "118.02853";
    // Independent values, python3 by hand: c / (sqrt(er) f) times the fraction.
    QTest::newRow("10 ps") << 10.0 << U::Picoseconds << 4.0 << 0 << 1e5 << "0.14990" << "0.05901";
    QTest::newRow("3 ns") << 3.0 << U::Nanoseconds << 4.0 << 0 << 1000.0 / 3 << "44.96887" << "17.70428";
    QTest::newRow("10 MHz") << 10.0 << U::Megahertz << 4.0 << 0 << 10.0 << "1498.96229" << "590.14263";
    QTest::newRow("500 KHz") << 500.0 << U::Kilohertz << 4.0 << 0 << 0.5 << "29979.24580" << "11802.85268";
    QTest::newRow("2.4e9 Hz") << 2.4e9 << U::Hertz << 4.0 << 0 << 2400.0 << "6.24568" << "2.45893";
    QTest::newRow("500 MHz, Er Eff 2.9022") << 500.0 << U::Megahertz << 2.9022 << 0 << 500.0 << "35.19549" << "13.85649";
    // Each fraction of the track bar, 100 MHz at Er Eff 4. The 1/15 step is 0.06666, not 1/15
    // (which would give 9.99308 cm).
    QTest::newRow("3/4") << 10.0 << U::Nanoseconds << 4.0 << 1 << 100.0 << "112.42217" << "44.26070";
    QTest::newRow("5/8") << 10.0 << U::Nanoseconds << 4.0 << 2 << 100.0 << "93.68514" << "36.88391";
    QTest::newRow("1/2") << 10.0 << U::Nanoseconds << 4.0 << 3 << 100.0 << "74.94811" << "29.50713";
    QTest::newRow("1/4") << 10.0 << U::Nanoseconds << 4.0 << 4 << 100.0 << "37.47406" << "14.75357";
    QTest::newRow("1/10") << 10.0 << U::Nanoseconds << 4.0 << 5 << 100.0 << "14.98962" << "5.90143";
    QTest::newRow("1/15 as 0.06666") << 10.0 << U::Nanoseconds << 4.0 << 6 << 100.0 << "9.99208" << "3.93389";
    QTest::newRow("1/16") << 10.0 << U::Nanoseconds << 4.0 << 7 << 100.0 << "9.36851" << "3.68839";
    QTest::newRow("1/20") << 10.0 << U::Nanoseconds << 4.0 << 8 << 100.0 << "7.49481" << "2.95071";
    // clang-format on
}

void TestWavelengthModel::wavelength()
{
    QFETCH(double, value);
    QFETCH(SignalUnit, unit);
    QFETCH(double, er);
    QFETCH(int, position);
    QFETCH(double, megahertz);
    const double f = frequencyMHz(value, unit);
    QCOMPARE(f, megahertz);
    const double m = kFractions.at(static_cast<std::size_t>(position));
    QTEST(QString::number(wavelengthCm(f, er, m), 'f', 5), "centimetres");
    QTEST(QString::number(wavelengthInches(f, er, m), 'f', 5), "inches");
}

QTEST_APPLESS_MAIN(TestWavelengthModel)
#include "tst_wavelength_model.moc"
