#include "calc/general/plane.h"

#include <QtTest>

#include <cmath>

using namespace tw::plane;

class TstPlaneModel : public QObject {
    Q_OBJECT

private slots:
    void targetImpedance_data();
    void targetImpedance();
    void capacitance_data();
    void capacitance();
    void parallelPlateFormula_data();
    void parallelPlateFormula();
};

void TstPlaneModel::targetImpedance_data()
{
    QTest::addColumn<double>("volts");
    QTest::addColumn<double>("amps");
    QTest::addColumn<double>("margin");
    QTest::addColumn<double>("ac");
    QTest::addColumn<double>("transient");
    QTest::addColumn<QString>("impedance");
    QTest::newRow("worked defaults") << 5.0 << 5.0 << 5.0 << 80.0 << 50.0 << "0.08000";
    QTest::newRow("worked: transient 1 %") << 5.0 << 5.0 << 5.0 << 80.0 << 1.0 << "4.00000";
    // 3.3 V with 3 % margin, half of it AC, a quarter of 10 A transient: 49.5 mV / 2.5 A.
    QTest::newRow("3.3 V rail") << 3.3 << 10.0 << 3.0 << 50.0 << 25.0 << "0.01980";
    QTest::newRow("no AC share") << 1.8 << 2.0 << 5.0 << 0.0 << 50.0 << "0.00000";
}

void TstPlaneModel::targetImpedance()
{
    QFETCH(double, volts);
    QFETCH(double, amps);
    QFETCH(double, margin);
    QFETCH(double, ac);
    QFETCH(double, transient);
    QFETCH(QString, impedance);
    QCOMPARE(
        QString::asprintf("%.5f", tw::plane::targetImpedance(volts, amps, margin, ac, transient)),
        impedance);
}

void TstPlaneModel::capacitance_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<double>("er");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("distance");
    QTest::addColumn<QString>("picofarads");
    QTest::addColumn<QString>("reactanceAt1MHz");
    QTest::newRow("worked: 64 Sq.In, 2 mils") << false << 4.6 << 64.0 << 2.0 << "33120.00"
                                              << "4.8054";
    QTest::newRow("worked: the same plane in metric")
        << true << 4.6 << 41290.32 << 0.0508 << "33120.00"
        << "4.8054";
    // By hand (python3): air, and a small RO4350 plane.
    QTest::newRow("air") << false << 1.0 << 64.0 << 2.0 << "7200.00"
                         << "22.1049";
    QTest::newRow("10 Sq.In at 5 mils") << false << 3.66 << 10.0 << 5.0 << "1647.00"
                                        << "96.6333";
    QTest::newRow("2 Sq.mm at 0.0508 mm") << true << 4.6 << 2.0 << 0.0508 << "1.60"
                                          << "99208.4011";
}

void TstPlaneModel::capacitance()
{
    QFETCH(bool, metric);
    QFETCH(double, er);
    QFETCH(double, area);
    QFETCH(double, distance);
    QFETCH(QString, picofarads);
    QFETCH(QString, reactanceAt1MHz);
    const double c =
        metric ? capacitanceMetric(er, area, distance) : capacitanceImperial(er, area, distance);
    QCOMPARE(QString::asprintf("%.2f", c), picofarads);
    QCOMPARE(QString::asprintf("%.4f", reactance(1, c)), reactanceAt1MHz);
}

// C = eps0 Er A / h in SI units (eps0 = 8.8541878128e-12 F/m): the 0.225 pF/in constant is
// eps0 rounded, so both agree to 0.1 %.
void TstPlaneModel::parallelPlateFormula_data()
{
    QTest::addColumn<double>("er");
    QTest::addColumn<double>("areaSqIn");
    QTest::addColumn<double>("mils");
    QTest::newRow("FR-4, 64 Sq.In, 2 mils") << 4.6 << 64.0 << 2.0;
    QTest::newRow("PTFE, 1 Sq.In, 31 mils") << 2.1 << 1.0 << 31.0;
    QTest::newRow("thin core, 100 Sq.In, 0.5 mils") << 10.2 << 100.0 << 0.5;
}

void TstPlaneModel::parallelPlateFormula()
{
    QFETCH(double, er);
    QFETCH(double, areaSqIn);
    QFETCH(double, mils);
    const double si = 8.8541878128e-12 * er * (areaSqIn * 0.0254 * 0.0254) / (mils * 25.4e-6);
    const double imperial = capacitanceImperial(er, areaSqIn, mils) * 1e-12;
    QVERIFY2(std::fabs(imperial / si - 1) < 1e-3, qPrintable(QString::number(imperial / si)));
    const double metric = capacitanceMetric(er, areaSqIn * 645.16, mils * 0.0254) * 1e-12;
    QVERIFY2(std::fabs(metric / si - 1) < 1e-3, qPrintable(QString::number(metric / si)));
}

QTEST_APPLESS_MAIN(TstPlaneModel)
#include "tst_plane_model.moc"
