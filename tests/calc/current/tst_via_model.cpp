#include "calc/current/via_model.h"

#include <QtTest>

#include <cfenv>
#include <cmath>

using namespace tw::via;

namespace {

bool near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

} // namespace

class TstViaModel : public QObject {
    Q_OBJECT

private slots:
    void barrel_data();
    void barrel();
    void parasitics_data();
    void parasitics();
    void resonanceNeedsBoth_data();
    void resonanceNeedsBoth();
    void thermalResistanceOfCopperBar();
};

// Tube areas evaluated by hand with pi = 3.14159.
void TstViaModel::barrel_data()
{
    QTest::addColumn<double>("hole");
    QTest::addColumn<double>("plating");
    QTest::addColumn<double>("area");
    QTest::newRow("start-up via, 10 / 1 mils") << 10.0 << 1.0 << 34.55749;
    QTest::newRow("microvia, 5 / 0.7 mils") << 5.0 << 0.7 << 12.5349441;
    QTest::newRow("metric 0.254 / 0.0254 mm") << 0.254 << 0.0254 << 0.0222951102;
    QTest::newRow("no plating") << 10.0 << 0.0 << 0.0;
}

void TstViaModel::barrel()
{
    QFETCH(double, hole);
    QFETCH(double, plating);
    QFETCH(double, area);
    const double a = barrelCrossSection(hole, plating);
    QVERIFY2(near(a, area, 1e-9), qPrintable(QString::number(a, 'g', 12)));
}

// Expected values: the published closed forms evaluated by hand, dimensions in inches.
void TstViaModel::parasitics_data()
{
    QTest::addColumn<double>("er");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("pad");
    QTest::addColumn<double>("opening");
    QTest::addColumn<double>("hole");
    QTest::addColumn<double>("pf");
    QTest::addColumn<double>("nh");
    QTest::newRow("start-up via") << 4.6 << 0.062 << 0.020 << 0.040 << 0.010 << 0.402132
                                  << 1.3262473;
    // 0.063 in board, 0.028 in hole, 0.050 in pad in a 0.070 in opening, Er 4.4.
    QTest::newRow("thick board") << 4.4 << 0.063 << 0.050 << 0.070 << 0.028 << 0.977130
                                 << 1.0232398;
    // ln(4 * 0.001 / 0.25) + 1 < 0: a barrel far wider than long has no inductance left.
    QTest::newRow("short wide barrel")
        << 4.6 << 0.001 << 0.300 << 0.400 << 0.250 << 0.019458 << 0.0;
    // A pad larger than its opening gives a negative capacitance, held at zero.
    QTest::newRow("pad beyond opening")
        << 4.6 << 0.062 << 0.050 << 0.040 << 0.010 << 0.0 << 1.3262473;
}

void TstViaModel::parasitics()
{
    QFETCH(double, er);
    QFETCH(double, length);
    QFETCH(double, pad);
    QFETCH(double, opening);
    QFETCH(double, hole);
    QFETCH(double, pf);
    QFETCH(double, nh);
    const double c = capacitance(er, length, pad, opening);
    const double l = inductance(length, hole);
    QVERIFY2(near(c, pf, 1e-6), qPrintable(QString::number(c, 'g', 12)));
    QVERIFY2(near(l, nh, 1e-6), qPrintable(QString::number(l, 'g', 12)));
}

void TstViaModel::resonanceNeedsBoth_data()
{
    QTest::addColumn<double>("nh");
    QTest::addColumn<double>("pf");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("mhz");
    QTest::addColumn<double>("ohms");
    QTest::addColumn<double>("ps");
    // 1 nH with 1 pF: 1 / (2 pi 31.62 ps) = 5032.9 MHz, sqrt(1000) ohms, 1.1 * 31.62 ps.
    QTest::newRow("1 nH, 1 pF") << 1.0 << 1.0 << true << 5032.9255 << 31.6227766 << 34.7850543;
    QTest::newRow("start-up via") << 1.3262473 << 0.402132 << true << 6891.6613 << 57.42856
                                  << 25.40325;
    QTest::newRow("no inductance") << 0.0 << 0.4 << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("no capacitance") << 1.3 << 0.0 << false << 0.0 << 0.0 << 0.0;
}

void TstViaModel::resonanceNeedsBoth()
{
    QFETCH(double, nh);
    QFETCH(double, pf);
    QFETCH(bool, valid);
    QFETCH(double, mhz);
    QFETCH(double, ohms);
    QFETCH(double, ps);
    std::feclearexcept(FE_ALL_EXCEPT);
    const Resonance r = resonance(nh, pf);
    QVERIFY(!std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW));
    QCOMPARE(r.valid, valid);
    QVERIFY2(near(r.frequencyMHz, mhz, 1e-3), qPrintable(QString::number(r.frequencyMHz, 'g', 12)));
    QVERIFY2(near(r.impedance, ohms, 1e-4), qPrintable(QString::number(r.impedance, 'g', 12)));
    QVERIFY2(near(r.stepResponsePs, ps, 1e-4),
             qPrintable(QString::number(r.stepResponsePs, 'g', 12)));
}

// A copper bar 1 in long with 1000 sq mils (6.4516e-7 m^2) at 394 W/(m C):
// 0.0254 / (394 * 6.4516e-7) = 99.92 C/W.
void TstViaModel::thermalResistanceOfCopperBar()
{
    QVERIFY(near(thermalResistance(1.0, 1000), 0.0254 / (394 * 6.4516e-7), 0.01));
    QVERIFY(near(thermalResistance(0.062, 34.5575), 179.27, 0.01));
}

QTEST_APPLESS_MAIN(TstViaModel)
#include "tst_via_model.moc"
