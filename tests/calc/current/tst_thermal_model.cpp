#include "calc/current/thermal.h"

#include <QtTest>

using namespace tw::thermal;

// The calculator's worked examples and sums done by hand.
class TstThermalModel : public QObject {
    Q_OBJECT

private slots:
    void junction_data();
    void junction();
};

// clang-format off
void TstThermalModel::junction_data()
{
    QTest::addColumn<double>("resistance");
    QTest::addColumn<double>("power");
    QTest::addColumn<double>("ambient");
    QTest::addColumn<QString>("temperature");
    QTest::newRow("worked: device defaults") << 3.0 << 5.0 << 22.0 << "37.000";
    QTest::newRow("worked: heat sink defaults") << 25.0 << 5.0 << 22.0 << "147.000";
    QTest::newRow("worked: negative power, below ambient") << 3.0 << -5.0 << 22.0 << "7.000";
    QTest::newRow("worked: negative resistance") << -25.0 << 5.0 << 22.0 << "-103.000";
    QTest::newRow("by hand: cold ambient, fractions") << 1.25 << 0.3 << -80.0 << "-79.625";
    QTest::newRow("by hand: no power is ambient") << 40.0 << 0.0 << 200.0 << "200.000";
}
// clang-format on

void TstThermalModel::junction()
{
    QFETCH(double, resistance);
    QFETCH(double, power);
    QFETCH(double, ambient);
    QTEST(QString::asprintf("%.3f", junctionTemperature(resistance, power, ambient)),
          "temperature");
}

QTEST_APPLESS_MAIN(TstThermalModel)
#include "tst_thermal_model.moc"
