#include "calc/current/bandwidth.h"

#include <QtTest>

using namespace tw::bandwidth;

namespace {

QString fixed5(double value)
{
    return QString::asprintf("%.5f", value);
}

} // namespace

// Expected texts are the results to the last decimal the calculator shows. Sources: the
// calculator's worked examples ("worked"), or the same relations evaluated by hand in python3
// with c = 299792458 m/s ("python3").
class TstBandwidthModel : public QObject {
    Q_OBJECT

private slots:
    void risetime_data();
    void risetime();
    void riseDistanceDivisors_data();
    void riseDistanceDivisors();
    void frequency_data();
    void frequency();
    void wavelengthDivisors_data();
    void wavelengthDivisors();
    void propagationSpeed_data();
    void propagationSpeed();
};

// clang-format off
void TstBandwidthModel::risetime_data()
{
    QTest::addColumn<double>("risetime");
    QTest::addColumn<double>("er");
    QTest::addColumn<int>("circuit");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("bandwidth");
    QTest::addColumn<QString>("wavelength");
    QTest::addColumn<QString>("ipcLength");
    QTest::addColumn<QString>("domainLength");

    // worked: defaults, 1 ns, Er 4.6, factors 0.25 and 0.142857.
    QTest::newRow("worked: microstrip, inches") << 1.0 << 4.6 << 0 << false << "350.00000"
                                                << "33.72244" << "1.74632" << "4.81749";
    QTest::newRow("worked: stripline, inches") << 1.0 << 4.6 << 1 << false << "350.00000"
                                               << "33.72244" << "1.37578" << "4.81749";
    // python3: the same in centimetres.
    QTest::newRow("python3: microstrip, cm") << 1.0 << 4.6 << 0 << true << "350.00000"
                                             << "85.65499" << "4.43565" << "12.23641";
    // worked: Er 0.5 is corrected to 1; python3 for the lengths at Er 1.
    QTest::newRow("python3: microstrip, Er 1") << 1.0 << 1.0 << 0 << false << "350.00000"
                                               << "33.72244" << "2.75756" << "4.81749";
    QTest::newRow("python3: stripline, Er 1") << 1.0 << 1.0 << 1 << false << "350.00000"
                                              << "33.72244" << "2.95071" << "4.81749";
    // python3: 2.5 ns, 140 MHz.
    QTest::newRow("python3: 2.5 ns stripline, cm") << 2.5 << 4.6 << 1 << true << "140.00000"
                                                   << "214.13747" << "8.73618" << "30.59104";
}
// clang-format on

void TstBandwidthModel::risetime()
{
    QFETCH(double, risetime);
    QFETCH(double, er);
    QFETCH(int, circuit);
    QFETCH(bool, metric);
    const LengthUnit unit = metric ? LengthUnit::Centimetres : LengthUnit::Inches;
    const double bw = bandwidthMHz(risetime);
    QTEST(fixed5(bw), "bandwidth");
    const double lambda = wavelength(bw, unit);
    QTEST(fixed5(lambda), "wavelength");
    const double sr = riseDistance(risetime, er, static_cast<Circuit>(circuit));
    QTEST(fixed5(riseDistanceLength(sr, 0.25, unit)), "ipcLength");
    QTEST(fixed5(wavelengthLength(lambda, 0.142857)), "domainLength");
}

// clang-format off
void TstBandwidthModel::riseDistanceDivisors_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("microstripInches");
    QTest::addColumn<QString>("striplineCm");
    // python3 at 1 ns and Er 4.6; position 1 is the worked 1.74632 inches.
    QTest::newRow("0") << 0 << "0.2Sr" << "1.39706" << "2.79558";
    QTest::newRow("1 (worked)") << 1 << "0.25Sr" << "1.74632" << "3.49447";
    QTest::newRow("2") << 2 << "0.3Sr" << "2.09558" << "4.19337";
    QTest::newRow("3") << 3 << "0.35Sr" << "2.44485" << "4.89226";
    QTest::newRow("4") << 4 << "0.4Sr" << "2.79411" << "5.59116";
    QTest::newRow("5") << 5 << "0.45Sr" << "3.14338" << "6.29005";
    QTest::newRow("6") << 6 << "0.5Sr" << "3.49264" << "6.98895";
}
// clang-format on

void TstBandwidthModel::riseDistanceDivisors()
{
    QFETCH(int, position);
    const Divisor &d = tw::bandwidth::riseDistanceDivisors[static_cast<std::size_t>(position)];
    QTEST(QString::fromUtf8(d.text), "text");
    QTEST(fixed5(riseDistanceLength(riseDistance(1.0, 4.6, Circuit::Microstrip), d.factor,
                                    LengthUnit::Inches)),
          "microstripInches");
    QTEST(fixed5(riseDistanceLength(riseDistance(1.0, 4.6, Circuit::Stripline), d.factor,
                                    LengthUnit::Centimetres)),
          "striplineCm");
}

// clang-format off
void TstBandwidthModel::frequency_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("wavelength");
    QTest::addColumn<QString>("domainLength");
    QTest::newRow("worked: 100 MHz") << 100.0 << 0 << false << "118.02853" << "16.86120";
    QTest::newRow("python3: 100 MHz, cm") << 100.0 << 0 << true << "299.79246" << "42.82745";
    QTest::newRow("python3: 100 KHz") << 100.0 << 1 << false << "118028.52677" << "16861.20125";
    QTest::newRow("python3: 100 Hz") << 100.0 << 2 << false << "118028526.77165"
                                     << "16861201.24902";
    QTest::newRow("python3: 100000 KHz is 100 MHz") << 100000.0 << 1 << false << "118.02853"
                                                    << "16.86120";
}
// clang-format on

void TstBandwidthModel::frequency()
{
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(bool, metric);
    const double lambda = wavelength(toMHz(value, static_cast<FrequencyUnit>(unit)),
                                     metric ? LengthUnit::Centimetres : LengthUnit::Inches);
    QTEST(fixed5(lambda), "wavelength");
    QTEST(fixed5(wavelengthLength(lambda, 0.142857)), "domainLength");
}

// clang-format off
void TstBandwidthModel::wavelengthDivisors_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("length");
    // python3: the default 33.72244-inch wavelength; worked: 1/7 and "1/20 divides by 20".
    QTest::newRow("0") << 0 << "1/4" << "8.43061";
    QTest::newRow("1 (worked)") << 1 << "1/7" << "4.81749";
    QTest::newRow("2") << 2 << "1/10" << "3.37224";
    QTest::newRow("3 (worked)") << 3 << "1/20" << "1.68612";
}
// clang-format on

void TstBandwidthModel::wavelengthDivisors()
{
    QFETCH(int, position);
    const Divisor &d = tw::bandwidth::wavelengthDivisors[static_cast<std::size_t>(position)];
    QTEST(QString::fromUtf8(d.text), "text");
    QTEST(fixed5(wavelengthLength(wavelength(350.0, LengthUnit::Inches), d.factor)), "length");
}

// clang-format off
void TstBandwidthModel::propagationSpeed_data()
{
    QTest::addColumn<double>("er");
    QTest::addColumn<QString>("speed");
    QTest::newRow("worked: Er 4.6") << 4.6 << "139778954.280";
    QTest::newRow("python3: air") << 1.0 << "299792458.000";
    QTest::newRow("python3: Er 10.2") << 10.2 << "93868659.742";
}
// clang-format on

void TstBandwidthModel::propagationSpeed()
{
    QFETCH(double, er);
    QTEST(QString::asprintf("%.3f", tw::bandwidth::propagationSpeed(er)), "speed");
}

QTEST_APPLESS_MAIN(TstBandwidthModel)
#include "tst_bandwidth_model.moc"
