#include "calc/layout/conductor_spacing.h"

#include <QtTest>

#include <cmath>

using namespace tw::spacing;

class TstConductorSpacingModel : public QObject {
    Q_OBJECT

private slots:
    void tableRows_data();
    void tableRows();
    void imperialIsMetricInMils();
    void perVolt_data();
    void perVolt();
    void perVoltSystemsAgree();
};

// Each band's row of IPC-2221B table 6-1, B1 to A7, in mm and in mils.
void TstConductorSpacingModel::tableRows_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QStringList>("metric");
    QTest::addColumn<QStringList>("imperial");
    QTest::newRow("0 -15V") << 0
                            << QStringList{"0.05", "0.10", "0.10", "0.05", "0.13", "0.13", "0.13"}
                            << QStringList{"1.97", "3.94", "3.94", "1.97", "5.12", "5.12", "5.12"};
    QTest::newRow("16 - 30V") << 1
                              << QStringList{"0.05", "0.10", "0.10", "0.05", "0.13", "0.25", "0.13"}
                              << QStringList{"1.97", "3.94", "3.94", "1.97",
                                             "5.12", "9.84", "5.12"};
    QTest::newRow("31 - 50V") << 2
                              << QStringList{"0.10", "0.60", "0.60", "0.13", "0.13", "0.40", "0.13"}
                              << QStringList{"3.94", "23.62", "23.62", "5.12",
                                             "5.12", "15.75", "5.12"};
    QTest::newRow("51 - 100V") << 3 << QStringList{"0.10", "0.60", "1.50", "0.13",
                                                   "0.13", "0.50", "0.13"}
                               << QStringList{"3.94", "23.62", "59.06", "5.12",
                                              "5.12", "19.69", "5.12"};
    QTest::newRow("101 - 150V") << 4 << QStringList{"0.20", "0.60", "3.20", "0.40",
                                                    "0.40", "0.80", "0.40"}
                                << QStringList{"7.87",  "23.62", "125.98", "15.75",
                                               "15.75", "31.50", "15.75"};
    QTest::newRow("151 - 170V") << 5 << QStringList{"0.20", "1.25", "3.20", "0.40",
                                                    "0.40", "0.80", "0.40"}
                                << QStringList{"7.87",  "49.21", "125.98", "15.75",
                                               "15.75", "31.50", "15.75"};
    QTest::newRow("171 - 250V") << 6 << QStringList{"0.20", "1.25", "6.40", "0.40",
                                                    "0.40", "0.80", "0.40"}
                                << QStringList{"7.87",  "49.21", "251.97", "15.75",
                                               "15.75", "31.50", "15.75"};
    QTest::newRow("251 - 300V") << 7 << QStringList{"0.20", "1.25", "12.50", "0.40",
                                                    "0.40", "0.80", "0.80"}
                                << QStringList{"7.87",  "49.21", "492.13", "15.75",
                                               "15.75", "31.50", "31.50"};
    QTest::newRow("301 - 500V") << 8 << QStringList{"0.25", "2.50", "12.50", "0.80",
                                                    "0.80", "1.50", "0.80"}
                                << QStringList{"9.84",  "98.43", "492.13", "31.50",
                                               "31.50", "59.06", "31.50"};
}

void TstConductorSpacingModel::tableRows()
{
    QFETCH(int, band);
    QFETCH(QStringList, metric);
    QFETCH(QStringList, imperial);
    for (int type = 0; type < kDeviceTypes; ++type) {
        const auto b = static_cast<std::size_t>(band);
        const auto t = static_cast<std::size_t>(type);
        QCOMPARE(QString(metricSpacing()[b][t]), metric[type] + " mm");
        QCOMPARE(QString(imperialSpacing()[b][t]), imperial[type] + " mils");
    }
}

// The mil texts are the millimetres at 25.4 um per mil, to two decimals.
void TstConductorSpacingModel::imperialIsMetricInMils()
{
    for (std::size_t band = 0; band < kTableBands; ++band)
        for (std::size_t type = 0; type < kDeviceTypes; ++type) {
            const double mm = QString(metricSpacing()[band][type]).split(' ').first().toDouble();
            const QString mils = QString::asprintf("%.2f mils", mm / 0.0254);
            QCOMPARE(QString(imperialSpacing()[band][type]), mils);
        }
}

// (V - 500) x increment + base, worked by hand.
void TstConductorSpacingModel::perVolt_data()
{
    QTest::addColumn<double>("volts");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<double>("expected");
    QTest::newRow("501 V, B1, mm") << 501.0 << 0 << true << 0.2525;
    QTest::newRow("501 V, B1, mils") << 501.0 << 0 << false << 9.940925;
    QTest::newRow("1000 V, B3, mm") << 1000.0 << 2 << true << 25.0;
    QTest::newRow("1000 V, B3, mils") << 1000.0 << 2 << false << 984.25198;
    QTest::newRow("1000 V, B2, mm") << 1000.0 << 1 << true << 5.0;
    QTest::newRow("600 V, A6, mm") << 600.0 << 5 << true << 1.805;
    QTest::newRow("600 V, A6, mils") << 600.0 << 5 << false << 71.06212;
    QTest::newRow("750 V, A7, mils") << 750.0 << 6 << false << 61.51356;
}

void TstConductorSpacingModel::perVolt()
{
    QFETCH(double, volts);
    QFETCH(int, type);
    QFETCH(bool, metric);
    QFETCH(double, expected);
    QVERIFY(std::fabs(spacingAbove500(volts, type, metric) - expected) < 1e-9);
}

// The imperial rule is the metric one in mils, within the precision its constants are kept to.
void TstConductorSpacingModel::perVoltSystemsAgree()
{
    for (int type = 0; type < kDeviceTypes; ++type)
        for (double volts : {501.0, 750.0, 2000.0}) {
            const double mils = spacingAbove500(volts, type, false);
            const double mm = spacingAbove500(volts, type, true);
            QVERIFY2(std::fabs(mils - mm / 0.0254) / mils < 2e-4,
                     qPrintable(QString("type %1 at %2 V").arg(type).arg(volts)));
        }
}

QTEST_APPLESS_MAIN(TstConductorSpacingModel)
#include "tst_conductor_spacing_model.moc"
