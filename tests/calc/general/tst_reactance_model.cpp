#include "calc/general/reactance.h"

#include <QtTest>

#include <cmath>

using namespace tw::reactance;

class TstReactanceModel : public QObject {
    Q_OBJECT

private slots:
    void reactances_data();
    void reactances();
};

void TstReactanceModel::reactances_data()
{
    QTest::addColumn<double>("hertz");
    QTest::addColumn<double>("farads");
    QTest::addColumn<double>("henries");
    QTest::addColumn<double>("xc");
    QTest::addColumn<double>("xl");
    QTest::addColumn<double>("f0");
    // The worked defaults (0.16 / 6283.18 Ohms, 5032.93 Hz); the others evaluated in
    // python3 by hand with 2 pi = 6.28318.
    QTest::newRow("defaults 1 MHz, 1 uF, 1 mH")
        << 1e6 << 1e-6 << 1e-3 << 0.15915507752443828 << 6283.18 << 5032.925461578976;
    QTest::newRow("100 MHz, 10 pF, 100 nH")
        << 100e6 << 10e-12 << 100e-9 << 159.15507752443827 << 62.8318 << 159155077.5244383;
    QTest::newRow("50 Hz, 4.7 uF, 22 mH")
        << 50.0 << 4.7e-6 << 22e-3 << 677.2556490401628 << 6.911498 << 494.948746949095;
}

void TstReactanceModel::reactances()
{
    QFETCH(double, hertz);
    QFETCH(double, farads);
    QFETCH(double, henries);
    QFETCH(double, xc);
    QFETCH(double, xl);
    QFETCH(double, f0);
    auto close = [](double a, double b) { return std::fabs(a - b) <= 1e-12 * std::fabs(b); };
    QVERIFY(close(capacitiveReactance(hertz, farads), xc));
    QVERIFY(close(inductiveReactance(hertz, henries), xl));
    QVERIFY(close(resonantFrequency(farads, henries), f0));
}

QTEST_APPLESS_MAIN(TstReactanceModel)
#include "tst_reactance_model.moc"
