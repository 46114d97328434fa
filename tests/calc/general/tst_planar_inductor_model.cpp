#include "calc/general/planar_inductor.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace tw::planar;

class TstPlanarInductorModel : public QObject {
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void exactPermeability_data();
    void exactPermeability();
    void geometry_data();
    void geometry();
};

// Lengths in micrometres (mils x 25.4).
void TstPlanarInductorModel::shapes_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<double>("turns");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("outer");
    QTest::addColumn<QString>("inductance");
    // The calculator's defaults: 5 turns, 10 / 10 / 350 mils.
    QTest::newRow("worked: square") << 0 << 5.0 << 254.0 << 254.0 << 8890.0 << "248.5936";
    QTest::newRow("worked: hexagonal") << 1 << 5.0 << 254.0 << 254.0 << 8890.0 << "208.0525";
    QTest::newRow("worked: octagonal") << 2 << 5.0 << 254.0 << 254.0 << 8890.0 << "209.3337";
    QTest::newRow("worked: circular") << 3 << 5.0 << 254.0 << 254.0 << 8890.0 << "210.8410";
    // Own geometries, the expression evaluated by hand (python3).
    QTest::newRow("hexagonal, 3 turns of 100/50 um in 2 mm")
        << 1 << 3.0 << 100.0 << 50.0 << 2000.0 << "21.5557";
    QTest::newRow("circular, 2.5 turns of 5/5 mils in 200 mils")
        << 3 << 2.5 << 127.0 << 127.0 << 5080.0 << "58.4375";
}

void TstPlanarInductorModel::shapes()
{
    QFETCH(int, shape);
    QFETCH(double, turns);
    QFETCH(double, width);
    QFETCH(double, spacing);
    QFETCH(double, outer);
    QFETCH(QString, inductance);
    const double inner = innerDiameter(turns, width, spacing, outer);
    QCOMPARE(
        QString::asprintf("%.4f", tw::planar::inductance(SpiralShape(shape), turns, outer, inner)),
        inductance);
}

// With mu0 = 4 pi 1e-7 H/m (1.2566 nH/um) the values rise by the truncation of the constant
// alone: the modified Wheeler form of the paper, evaluated independently.
void TstPlanarInductorModel::exactPermeability_data()
{
    QTest::addColumn<int>("shape");
    for (int shape = 0; shape < 4; ++shape)
        QTest::newRow(QByteArray::number(shape)) << shape;
}

void TstPlanarInductorModel::exactPermeability()
{
    QFETCH(int, shape);
    const double n = 7, w = 150, s = 80, dout = 4000;
    const double din = innerDiameter(n, w, s, dout);
    const WheelerCoefficients k = wheelerCoefficients[std::size_t(shape)];
    const double mu0 = 4 * std::numbers::pi * 1e-7 * 1e9 / 1e6; // nH per um
    const double rho = (dout - din) / (dout + din);
    const double exact = k.k1 * mu0 * n * n * (dout + din) / 2 / (1 + k.k2 * rho);
    const double model = inductance(SpiralShape(shape), n, dout, din);
    QVERIFY2(std::fabs(model / exact - 0.001256 / mu0) < 1e-12,
             qPrintable(QString::number(model / exact, 'g', 15)));
}

void TstPlanarInductorModel::geometry_data()
{
    QTest::addColumn<double>("turns");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("outer");
    QTest::addColumn<double>("inner");
    QTest::addColumn<QString>("fill");
    QTest::newRow("worked defaults") << 5.0 << 254.0 << 254.0 << 8890.0 << 4318.0 << "0.3462";
    QTest::newRow("one turn: no spacing inside")
        << 1.0 << 100.0 << 999.0 << 1000.0 << 800.0 << "0.1111";
    QTest::newRow("worked: 20 turns overlap")
        << 20.0 << 254.0 << 254.0 << 8890.0 << -10922.0 << "-9.7500";
    QTest::newRow("turns filling the middle") << 2.0 << 100.0 << 100.0 << 600.0 << 0.0 << "1.0000";
}

void TstPlanarInductorModel::geometry()
{
    QFETCH(double, turns);
    QFETCH(double, width);
    QFETCH(double, spacing);
    QFETCH(double, outer);
    QFETCH(double, inner);
    QFETCH(QString, fill);
    const double din = innerDiameter(turns, width, spacing, outer);
    QVERIFY(std::fabs(din - inner) < 1e-9);
    QCOMPARE(QString::asprintf("%.4f", fillFactor(outer, din)), fill);
}

QTEST_APPLESS_MAIN(TstPlanarInductorModel)
#include "tst_planar_inductor_model.moc"
