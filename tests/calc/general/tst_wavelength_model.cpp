#include "calc/general/wavelength.h"

#include <QtTest>

using namespace tw::wavelength;

Q_DECLARE_METATYPE(tw::wavelength::SignalUnit)

namespace {

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

class TestWavelengthModel : public QObject {
    Q_OBJECT

private slots:
    void frequency_data();
    void frequency();
    void fractions_data();
    void fractions();
};

void TestWavelengthModel::frequency_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<SignalUnit>("unit");
    QTest::addColumn<double>("er");
    QTest::addColumn<double>("megahertz");
    QTest::addColumn<QString>("centimetres");
    QTest::addColumn<QString>("inches");

    // Worked values: 10 ns at Er Eff 4 is 100 MHz, 149.89623 cm, 59.01426 inches; air at
    // 100 MHz is 299.79246 cm.
    QTest::newRow("10 ns") << 10.0 << SignalUnit::Nanoseconds << 4.0 << 100.0 << "149.89623"
                           << "59.01426";
    QTest::newRow("100 MHz in air") << 100.0 << SignalUnit::Megahertz << 1.0 << 100.0 << "299.79246"
                                    << "118.02853";
    // Independent values, python3 by hand: c / (sqrt(er) f).
    QTest::newRow("10 ps") << 10.0 << SignalUnit::Picoseconds << 4.0 << 100000.0 << "0.14990"
                           << "0.05901";
    QTest::newRow("10 MHz") << 10.0 << SignalUnit::Megahertz << 4.0 << 10.0 << "1498.96229"
                            << "590.14263";
    QTest::newRow("500 KHz") << 500.0 << SignalUnit::Kilohertz << 4.0 << 0.5 << "29979.24580"
                             << "11802.85268";
    QTest::newRow("2.4 GHz in Hz") << 2.4e9 << SignalUnit::Hertz << 4.0 << 2400.0 << "6.24568"
                                   << "2.45893";
    QTest::newRow("3 ns") << 3.0 << SignalUnit::Nanoseconds << 4.0 << 1000.0 / 3.0 << "44.96887"
                          << "17.70428";
    QTest::newRow("500 MHz, Er Eff of the microstrip example")
        << 500.0 << SignalUnit::Megahertz << 2.9022 << 500.0 << "35.19549"
        << "13.85649";
}

void TestWavelengthModel::frequency()
{
    QFETCH(double, value);
    QFETCH(SignalUnit, unit);
    QFETCH(double, er);
    QFETCH(double, megahertz);
    const double f = frequencyMHz(value, unit);
    QCOMPARE(f, megahertz);
    QTEST(fixed(wavelengthCm(f, er, 1.0), 5), "centimetres");
    QTEST(fixed(wavelengthInches(f, er, 1.0), 5), "inches");
}

void TestWavelengthModel::fractions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("centimetres");
    QTest::addColumn<QString>("inches");
    // 100 MHz at Er Eff 4, python3 by hand. Position 6 multiplies by 0.06666, not 1/15
    // (9.99308 cm).
    QTest::newRow("full") << 0 << "149.89623"
                          << "59.01426";
    QTest::newRow("3/4") << 1 << "112.42217"
                         << "44.26070";
    QTest::newRow("5/8") << 2 << "93.68514"
                         << "36.88391";
    QTest::newRow("1/2") << 3 << "74.94811"
                         << "29.50713";
    QTest::newRow("1/4") << 4 << "37.47406"
                         << "14.75357";
    QTest::newRow("1/10") << 5 << "14.98962"
                          << "5.90143";
    QTest::newRow("1/15 as 0.06666") << 6 << "9.99208"
                                     << "3.93389";
    QTest::newRow("1/16") << 7 << "9.36851"
                          << "3.68839";
    QTest::newRow("1/20") << 8 << "7.49481"
                          << "2.95071";
}

void TestWavelengthModel::fractions()
{
    QFETCH(int, position);
    const double m = kFractions.at(static_cast<std::size_t>(position));
    QTEST(fixed(wavelengthCm(100.0, 4.0, m), 5), "centimetres");
    QTEST(fixed(wavelengthInches(100.0, 4.0, m), 5), "inches");
}

QTEST_APPLESS_MAIN(TestWavelengthModel)
#include "tst_wavelength_model.moc"
