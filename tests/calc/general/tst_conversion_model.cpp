#include "calc/general/conversion.h"

#include <QtTest>

#include <cmath>

using namespace tw::conversion;

namespace {

bool near(double a, double b, double relative = 1e-9)
{
    return std::fabs(a - b) <= relative * std::max({1.0, std::fabs(a), std::fabs(b)});
}

QString shown(double value, const char *format = "%.4f")
{
    return QString::asprintf(format, value);
}

} // namespace

class TstConversionModel : public QObject {
    Q_OBJECT

private slots:
    void distance_data();
    void distance();
    void distanceRoundTrips_data();
    void distanceRoundTrips();
    void temperature_data();
    void temperature();
    void decibels_data();
    void decibels();
    void polar_data();
    void polar();
    void complexRoundTrips_data();
    void complexRoundTrips();
    void angles_data();
    void angles();
};

// Imperial results are mm, in, um; metric ones mils, um, in.
void TstConversionModel::distance_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<double>("input");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("worked: 10 mils")
        << false << 10.0 << QStringList{"0.2540", "0.0100", "254.0000"};
    QTest::newRow("worked: 10 mm")
        << true << 10.0 << QStringList{"393.7008", "10000.0000", "0.3937"};
    // 1 in = 25.4 mm exactly, by hand.
    QTest::newRow("1000 mils is an inch")
        << false << 1000.0 << QStringList{"25.4000", "1.0000", "25400.0000"};
    QTest::newRow("25.4 mm is an inch")
        << true << 25.4 << QStringList{"1000.0000", "25400.0000", "1.0000"};
    QTest::newRow("negative") << false << -5.0 << QStringList{"-0.1270", "-0.0050", "-127.0000"};
}

void TstConversionModel::distance()
{
    QFETCH(bool, metric);
    QFETCH(double, input);
    QFETCH(QStringList, results);
    const Distance d = metric ? fromMillimetres(input) : fromMils(input);
    QCOMPARE((QStringList{shown(d.first), shown(d.second), shown(d.third)}), results);
}

// Every unit pair, there and back, and the two paths to the same unit agree.
void TstConversionModel::distanceRoundTrips_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("10") << 10.0;
    QTest::newRow("0.0254") << 0.0254;
    QTest::newRow("62") << 62.0;
    QTest::newRow("123456.789") << 123456.789;
    QTest::newRow("-3.5") << -3.5;
}

void TstConversionModel::distanceRoundTrips()
{
    QFETCH(double, value);
    // mils -> mm -> mils and mm -> mils -> mm
    QVERIFY(near(fromMillimetres(fromMils(value).first).first, value));
    QVERIFY(near(fromMils(fromMillimetres(value).first).first, value));
    // mils -> in -> mils, mm -> um -> mm
    QVERIFY(near(fromMils(value).second * 1000, value));
    QVERIFY(near(fromMillimetres(value).second / 1000, value));
    // mm -> in directly and through mils; mm -> um directly and through mils
    const Distance mm = fromMillimetres(value);
    QVERIFY(near(fromMils(mm.first).second, mm.third));
    QVERIFY(near(fromMils(mm.first).third, mm.second));
    // mils -> um -> mm -> mils
    QVERIFY(near(fromMillimetres(fromMils(value).third / 1000).first, value));
}

void TstConversionModel::temperature_data()
{
    QTest::addColumn<double>("fahrenheit");
    QTest::addColumn<QString>("celsius");
    QTest::newRow("worked: 72 F") << 72.0 << "22.22";
    QTest::newRow("water freezes") << 32.0 << "0.00";
    QTest::newRow("water boils") << 212.0 << "100.00";
    QTest::newRow("-40 is -40") << -40.0 << "-40.00";
}

void TstConversionModel::temperature()
{
    QFETCH(double, fahrenheit);
    QFETCH(QString, celsius);
    QCOMPARE(shown(fahrenheitToCelsius(fahrenheit), "%0.2f"), celsius);
    QVERIFY(near(celsiusToFahrenheit(fahrenheitToCelsius(fahrenheit)), fahrenheit));
    QCOMPARE(shown(celsiusToFahrenheit(72), "%0.2f"), QString("161.60"));
}

// Voltage gains 10^(dB/20) by hand (python3).
void TstConversionModel::decibels_data()
{
    QTest::addColumn<double>("gain");
    QTest::addColumn<QString>("expected");
    QTest::newRow("worked: 1 dB") << 1.0 << "1.1220";
    QTest::newRow("6 dB about doubles") << 6.0 << "1.9953";
    QTest::newRow("20 dB is ten") << 20.0 << "10.0000";
    QTest::newRow("-20 dB is a tenth") << -20.0 << "0.1000";
    QTest::newRow("0 dB is one") << 0.0 << "1.0000";
}

void TstConversionModel::decibels()
{
    QFETCH(double, gain);
    QFETCH(QString, expected);
    QCOMPARE(shown(voltageGain(gain)), expected);
    QCOMPARE(dbmOut(-3, gain), gain - 3);
}

void TstConversionModel::polar_data()
{
    QTest::addColumn<double>("real");
    QTest::addColumn<double>("imaginary");
    QTest::addColumn<QString>("magnitude");
    QTest::addColumn<QString>("angle");
    QTest::newRow("worked: (50, 0)") << 50.0 << 0.0 << "50.0000"
                                     << "0.0000";
    QTest::newRow("(1, 1)") << 1.0 << 1.0 << "1.4142"
                            << "45.0000";
    QTest::newRow("(-1, 1) second quadrant") << -1.0 << 1.0 << "1.4142"
                                             << "135.0000";
    QTest::newRow("(-1, -1) third quadrant") << -1.0 << -1.0 << "1.4142"
                                             << "-135.0000";
    QTest::newRow("(1, -1) fourth quadrant") << 1.0 << -1.0 << "1.4142"
                                             << "-45.0000";
    QTest::newRow("(-1, 0) on the negative axis") << -1.0 << 0.0 << "1.0000"
                                                  << "180.0000";
    QTest::newRow("(0, 5)") << 0.0 << 5.0 << "5.0000"
                            << "90.0000";
    QTest::newRow("(0, -5)") << 0.0 << -5.0 << "5.0000"
                             << "-90.0000";
    QTest::newRow("(0, 0)") << 0.0 << 0.0 << "0.0000"
                            << "0.0000";
    // 3-4-5 triangle; atan2 by hand (python3) with pi taken as 3.14159.
    QTest::newRow("(-3, -4)") << -3.0 << -4.0 << "5.0000"
                              << "-126.8699";
}

void TstConversionModel::polar()
{
    QFETCH(double, real);
    QFETCH(double, imaginary);
    QFETCH(QString, magnitude);
    QFETCH(QString, angle);
    const Polar p = toPolar(real, imaginary);
    QCOMPARE(shown(p.magnitude), magnitude);
    QCOMPARE(shown(p.angleDegrees), angle);
}

void TstConversionModel::complexRoundTrips_data()
{
    QTest::addColumn<double>("real");
    QTest::addColumn<double>("imaginary");
    QTest::newRow("first") << 3.0 << 4.0;
    QTest::newRow("second") << -2.5 << 7.0;
    QTest::newRow("third") << -0.1 << -9.0;
    QTest::newRow("fourth") << 12.0 << -0.5;
    QTest::newRow("imaginary axis") << 0.0 << -2.0;
}

void TstConversionModel::complexRoundTrips()
{
    QFETCH(double, real);
    QFETCH(double, imaginary);
    const Polar p = toPolar(real, imaginary);
    const Rectangular back = toRectangular(p.magnitude, p.angleDegrees);
    // Half turns and right angles go back with pi as 3.14159: a few millionths of the magnitude.
    const double tolerance = 1e-5 * p.magnitude;
    QVERIFY2(std::fabs(back.real - real) < tolerance &&
                 std::fabs(back.imaginary - imaginary) < tolerance,
             qPrintable(QString("%1 %2").arg(back.real).arg(back.imaginary)));
}

void TstConversionModel::angles_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("radians");
    QTest::newRow("worked: 180 degrees") << 180.0 << "3.1416";
    QTest::newRow("45 degrees") << 45.0 << "0.7854";
    QTest::newRow("-90 degrees") << -90.0 << "-1.5708";
}

void TstConversionModel::angles()
{
    QFETCH(double, degrees);
    QFETCH(QString, radians);
    QCOMPARE(shown(degreesToRadians(degrees)), radians);
    QVERIFY(near(radiansToDegrees(degreesToRadians(degrees)), degrees));
    QCOMPARE(shown(radiansToDegrees(1)), QString("57.2958"));
    // Polar (50, 90 degrees): pi taken as 3.14159 leaves a trace of a real part.
    const Rectangular z = toRectangular(50, 90);
    QCOMPARE(shown(z.real), QString("0.0001"));
    QCOMPARE(shown(z.imaginary), QString("50.0000"));
}

QTEST_APPLESS_MAIN(TstConversionModel)
#include "tst_conversion_model.moc"
