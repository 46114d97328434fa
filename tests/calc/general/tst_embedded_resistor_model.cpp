#include "calc/general/embedded_resistor.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace tw::embedded;

class TstEmbeddedResistorModel : public QObject {
    Q_OBJECT

private slots:
    void rectangular_data();
    void rectangular();
    void annular_data();
    void annular();
    void annularSolvesTheRingResistance_data();
    void annularSolvesTheRingResistance();
};

// Lengths in inches, as the calculator hands them over.
void TstEmbeddedResistorModel::rectangular_data()
{
    QTest::addColumn<double>("sheet");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("ohms");
    QTest::addColumn<QString>("sqMils");
    QTest::addColumn<QString>("sqMm");
    QTest::newRow("worked: 100 x 50 mils") << 25.0 << 0.1 << 0.05 << "50.000"
                                           << "5000.00"
                                           << "3.226";
    QTest::newRow("worked: 2.54 x 1.27 mm") << 25.0 << 2.54 / 25.4 << 1.27 / 25.4 << "50.000"
                                            << "5000.00"
                                            << "3.226";
    // A square of film is its sheet resistance, whatever its size.
    QTest::newRow("one square") << 100.0 << 0.03 << 0.03 << "100.000"
                                << "900.00"
                                << "0.581";
    QTest::newRow("long and thin") << 1000.0 << 0.5 << 0.005 << "100000.000"
                                   << "2500.00"
                                   << "1.613";
}

void TstEmbeddedResistorModel::rectangular()
{
    QFETCH(double, sheet);
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(QString, ohms);
    QFETCH(QString, sqMils);
    QFETCH(QString, sqMm);
    QCOMPARE(QString::asprintf("%.3f", rectangularResistance(sheet, length, width)), ohms);
    const double area = rectangleSqMils(length, width);
    QCOMPARE(QString::asprintf("%.2f", area), sqMils);
    QCOMPARE(QString::asprintf("%.3f", area * sqMmPerSqMil), sqMm);
}

// Ring width and area computed (python3), not copied: (D - d) / 2 and pi / 4 (D^2 - d^2).
void TstEmbeddedResistorModel::annular_data()
{
    QTest::addColumn<double>("sheet");
    QTest::addColumn<double>("inside");
    QTest::addColumn<double>("target");
    QTest::addColumn<QString>("outer");
    QTest::addColumn<QString>("ring");
    QTest::addColumn<QString>("area");
    QTest::newRow("worked defaults") << 25.0 << 20.0 << 10.0 << "246.905"
                                     << "113.453"
                                     << "47565.37";
    QTest::newRow("50 ohms/sq, 10 inside, 5 ohms") << 50.0 << 10.0 << 5.0 << "18.745"
                                                   << "4.372"
                                                   << "197.42";
    QTest::newRow("a thin ring") << 100.0 << 0.5 << 1.0 << "0.532"
                                 << "0.016"
                                 << "0.03";
}

void TstEmbeddedResistorModel::annular()
{
    QFETCH(double, sheet);
    QFETCH(double, inside);
    QFETCH(double, target);
    QFETCH(QString, outer);
    QFETCH(QString, ring);
    QFETCH(QString, area);
    const AnnularResistor r = annularResistor(sheet, inside, target);
    QCOMPARE(QString::asprintf("%.3f", r.outerDiameter), outer);
    QCOMPARE(QString::asprintf("%.3f", r.ringWidth), ring);
    QCOMPARE(QString::asprintf("%.2f", r.area), area);
}

// Put back into R = Rs / (2 pi) ln(D / d) with the true pi, the outer diameter gives the
// target within the rounding of 2 pi to 6.28318.
void TstEmbeddedResistorModel::annularSolvesTheRingResistance_data()
{
    QTest::addColumn<double>("sheet");
    QTest::addColumn<double>("inside");
    QTest::addColumn<double>("target");
    QTest::newRow("worked defaults") << 25.0 << 20.0 << 10.0;
    QTest::newRow("low sheet resistance") << 5.0 << 0.3 << 2.0;
    QTest::newRow("high sheet resistance") << 1000.0 << 12.0 << 47.0;
}

void TstEmbeddedResistorModel::annularSolvesTheRingResistance()
{
    QFETCH(double, sheet);
    QFETCH(double, inside);
    QFETCH(double, target);
    const AnnularResistor r = annularResistor(sheet, inside, target);
    const double back = sheet / (2 * std::numbers::pi) * std::log(r.outerDiameter / inside);
    QVERIFY2(std::fabs(back / target - 1) < 1e-6, qPrintable(QString::number(back, 'g', 12)));
    QVERIFY(std::fabs(std::numbers::pi / 4 * (r.outerDiameter * r.outerDiameter - inside * inside) /
                          r.area -
                      1) < 1e-5);
}

QTEST_APPLESS_MAIN(TstEmbeddedResistorModel)
#include "tst_embedded_resistor_model.moc"
