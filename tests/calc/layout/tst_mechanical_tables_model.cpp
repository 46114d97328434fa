#include "calc/layout/mechanical_tables.h"

#include <QtTest>

#include <cmath>

using namespace tw::mechanical;

class TstMechanicalTablesModel : public QObject {
    Q_OBJECT

private slots:
    void awgRowsFollowTheGaugeFormula();
    void metricGaugeRows();
    void wireRows_data();
    void wireRows();
    void powerTransmission_data();
    void powerTransmission();
    void drillChartOrder();
    void drillChartMillimetres();
    void drillLines_data();
    void drillLines();
    void imperialThreadLines_data();
    void imperialThreadLines();
    void imperialThreadGeometry();
    void metricThreadLines();
};

namespace {

QStringList fields(const char *line)
{
    return QString(line).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

// Decimals a number text is written with.
int decimals(const QString &number)
{
    const qsizetype point = number.indexOf('.');
    return point < 0 ? 0 : static_cast<int>(number.size() - point - 1);
}

} // namespace

// ASTM B258: d = 0.005 in x 92^((36 - n) / 39); each inch value within half a unit of its last
// decimal, each mm value the inch value x 25.4.
void TstMechanicalTablesModel::awgRowsFollowTheGaugeFormula()
{
    for (int row = 0; row < 44; ++row) {
        const WireGauge &g = wireTable()[static_cast<std::size_t>(row)];
        const int n = row - 3; // 4/0, 3/0, 2/0, 1/0 are -3 to 0
        const double formula = 0.005 * std::pow(92.0, (36.0 - n) / 39.0);
        const double halfUnit = 0.5 * std::pow(10.0, -decimals(QString::number(g.inches)));
        QVERIFY2(
            std::fabs(g.inches - formula) <= halfUnit + 1e-12,
            qPrintable(QString("%1: %2 in, formula %3").arg(g.item).arg(g.inches).arg(formula)));
        QVERIFY2(std::fabs(g.mm - g.inches * 25.4) < 1e-9, g.item);
    }
}

// The "M" gauges: ten times the diameter in mm; inches to five decimals.
void TstMechanicalTablesModel::metricGaugeRows()
{
    for (std::size_t row = 44; row < kWireGauges; ++row) {
        const WireGauge &g = wireTable()[row];
        const double gauge = QString(g.item).mid(2).toDouble();
        QCOMPARE(g.mm, gauge / 10);
        QVERIFY2(std::fabs(g.inches - g.mm / 25.4) <= 5e-6, g.item);
    }
}

// Rows as listed in the copper wire tables (resistance per 1000 ft and per km, chassis wiring).
void TstMechanicalTablesModel::wireRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("item");
    QTest::addColumn<double>("inches");
    QTest::addColumn<QString>("imperial");
    QTest::addColumn<QString>("metric");
    QTest::addColumn<QString>("chassis");
    QTest::newRow("4/0") << 0 << "4/0" << 0.46 << "0.049 Ohms"
                         << "0.16072 Ohms"
                         << "380 Amps";
    QTest::newRow("10") << 13 << "10" << 0.1019 << "0.9989 Ohms"
                        << "3.276392 Ohms"
                        << "55 Amps";
    // 0.0253 in by the formula, like the 0.64262 mm beside it.
    QTest::newRow("22") << 25 << "22" << 0.0253 << "16.14 Ohms"
                        << "52.9392 Ohms"
                        << "7 Amps";
    QTest::newRow("23") << 26 << "23" << 0.0226 << "20.36 Ohms"
                        << "66.7808 Ohms"
                        << "4.7 Amps";
    // One chassis current for both unit systems.
    QTest::newRow("30") << 33 << "30" << 0.01 << "103.2 Ohms"
                        << "338.496 Ohms"
                        << "0.86 Amps";
    QTest::newRow("40") << 43 << "40" << 0.0031 << "1049 Ohms"
                        << "3440 Ohms"
                        << "0.09 Amps";
    QTest::newRow("M 2.0") << 44 << "M 2.0" << 0.00787 << "169.39 Ohms"
                           << "555.61 Ohms"
                           << "0.51 Amps";
    QTest::newRow("M 1") << 50 << "M 1" << 0.00394 << "670.2 Ohms"
                         << "2198 Ohms"
                         << "0.126 Amps";
}

void TstMechanicalTablesModel::wireRows()
{
    QFETCH(int, row);
    QFETCH(QString, item);
    QFETCH(double, inches);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);
    QFETCH(QString, chassis);
    const WireGauge &g = wireTable()[static_cast<std::size_t>(row)];
    QCOMPARE(QString(g.item), item);
    QCOMPARE(g.inches, inches);
    QCOMPARE(QString(g.resistanceImperial), imperial);
    QCOMPARE(QString(g.resistanceMetric), metric);
    QCOMPARE(QString(g.chassisWiring), chassis);
}

// d^2 / 700 with d in mils, by hand.
void TstMechanicalTablesModel::powerTransmission_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<double>("amps");
    QTest::newRow("4/0 imperial") << 0 << false << 302.2857142857;
    QTest::newRow("4/0 metric") << 0 << true << 302.2857142857;
    QTest::newRow("22 imperial") << 25 << false << 0.9144142857;
    QTest::newRow("22 metric, the same wire") << 25 << true << 0.9144142857;
    QTest::newRow("40 imperial") << 43 << false << 0.0137285714;
    QTest::newRow("M 2.0 metric") << 44 << true << 0.0885716057;
}

void TstMechanicalTablesModel::powerTransmission()
{
    QFETCH(int, row);
    QFETCH(bool, metric);
    QFETCH(double, amps);
    const double d = diameterMils(wireTable()[static_cast<std::size_t>(row)], metric);
    QVERIFY2(std::fabs(powerTransmissionCurrent(d) - amps) < 1e-8,
             qPrintable(QString::number(powerTransmissionCurrent(d), 'g', 12)));
}

void TstMechanicalTablesModel::drillChartOrder()
{
    for (int i = 0; i < kDrills; ++i) {
        const QString size = QString(drillChart()[static_cast<std::size_t>(i)]).section('\t', 0, 0);
        const QString expected = i < 97 ? QString::number(97 - i) : QString(QChar('A' + i - 97));
        QCOMPARE(size, expected);
    }
}

// ASME B94.11M: the mm column is the inch value x 25.4, exact down to 81, to 0.001 mm down to
// W and to 0.01 mm for X, Y and Z, rounded half up; inch values only grow down the chart.
void TstMechanicalTablesModel::drillChartMillimetres()
{
    double previous = 0;
    for (int i = 0; i < kDrills; ++i) {
        const QStringList f = QString(drillChart()[static_cast<std::size_t>(i)]).split('\t');
        QCOMPARE(f.size(), 3);
        const double inch = f[1].toDouble();
        const double mm = f[2].toDouble();
        QVERIFY2(inch > previous, qPrintable(f[0]));
        previous = inch;
        const int places = i < 17 ? 5 : i < 120 ? 3 : 2;
        const double unit = std::pow(10.0, -places);
        const double rounded = std::floor(inch * 25.4 / unit + 0.5 + 1e-9) * unit;
        QVERIFY2(std::fabs(mm - rounded) < 1e-9, qPrintable(f.join(' ')));
        if (i >= 17)
            QCOMPARE(decimals(f[2]), places);
    }
}

// Lines of the published number and letter drill chart.
void TstMechanicalTablesModel::drillLines_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("line");
    QTest::newRow("97") << 0 << "97\t0.0059\t0.14986";
    QTest::newRow("87") << 10 << "87\t0.0100\t0.2540";
    QTest::newRow("80") << 17 << "80\t0.0135\t0.343";
    QTest::newRow("74") << 23 << "74\t0.0225\t0.572";
    QTest::newRow("60") << 37 << "60\t0.0400\t1.016";
    QTest::newRow("43") << 54 << "43\t0.0890\t2.261";
    QTest::newRow("1") << 96 << "1\t0.228\t5.791";
    QTest::newRow("A") << 97 << "A\t0.234\t5.944";
    QTest::newRow("E") << 101 << "E\t0.250\t6.350";
    QTest::newRow("Q") << 113 << "Q\t0.332\t8.433";
    QTest::newRow("Z") << 122 << "Z\t0.413\t10.49";
}

void TstMechanicalTablesModel::drillLines()
{
    QFETCH(int, row);
    QFETCH(QString, line);
    QCOMPARE(QString(drillChart()[static_cast<std::size_t>(row)]), line);
}

// Lines of the ASME B1.1 limits (major and pitch diameters as published; the last column is
// the major diameter less 1.226869 P).
void TstMechanicalTablesModel::imperialThreadLines_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("line");
    QTest::newRow("0-80 2A")
        << 0
        << "0-80      2A    0.0600    0.0595    0.0563    0.0519    0.0514    0.0496    0.0442";
    QTest::newRow("7/16-20 3A")
        << 49 << "7/16-20 3A    0.4375    0.4375    0.4294    0.4050    0.4050    0.4019    0.3762";
}

void TstMechanicalTablesModel::imperialThreadLines()
{
    QFETCH(int, row);
    QFETCH(QString, line);
    QCOMPARE(QString(imperialThreads()[static_cast<std::size_t>(row)]), line);
}

void TstMechanicalTablesModel::imperialThreadGeometry()
{
    // Published values (Machinery's Handbook, unified thread tables): size, class, major max,
    // major min, pitch max, pitch min.
    const QList<QStringList> published{
        {"1-64", "2A", "0.0724", "0.0686", "0.0623", "0.0603"},
        {"2-56", "3A", "0.0860", "0.0819", "0.0744", "0.0728"},
        {"4-40", "2A", "0.1112", "0.1061", "0.0950", "0.0925"},
        {"10-32", "2A", "0.1891", "0.1831", "0.1688", "0.1658"},
        {"1/4-20", "2A", "0.2489", "0.2408", "0.2164", "0.2127"},
        {"7/16-14", "3A", "0.4375", "0.4272", "0.3911", "0.3876"},
    };
    const QStringList sizes{"0-80",   "1-64",   "1-72",    "2-56",   "2-64",   "3-48",    "3-56",
                            "4-40",   "4-48",   "5-40",    "5-44",   "6-32",   "6-40",    "8-32",
                            "8-36",   "10-24",  "10-32",   "1/4-20", "1/4-28", "5/16-18", "5/16-24",
                            "3/8-16", "3/8-24", "7/16-14", "7/16-20"};
    int matched = 0;
    for (int i = 0; i < kImperialThreads; ++i) {
        const QStringList f = fields(imperialThreads()[static_cast<std::size_t>(i)]);
        QCOMPARE(f.size(), 9);
        QCOMPARE(f[0], sizes[i / 2]);
        QCOMPARE(f[1], QString(i % 2 ? "3A" : "2A"));
        const double pitch = 1.0 / f[0].section('-', 1).toDouble();
        const double basic = f[2].toDouble();
        // The basic pitch diameter lies 0.649519 P below the basic major diameter.
        QVERIFY(std::fabs(f[5].toDouble() - (basic - 0.649519 * pitch)) <= 0.00005);
        // A 3A thread has no allowance.
        if (i % 2)
            QCOMPARE(f[3], f[2]);
        QVERIFY(f[3].toDouble() > f[4].toDouble() && f[6].toDouble() > f[7].toDouble());
        QVERIFY(std::fabs(f[8].toDouble() - (f[3].toDouble() - 1.226869 * pitch)) <= 0.00006);
        for (const QStringList &p : published)
            if (p[0] == f[0] && p[1] == f[1]) {
                QCOMPARE((QStringList{f[0], f[1], f[3], f[4], f[6], f[7]}), p);
                ++matched;
            }
    }
    QCOMPARE(matched, published.size());
}

// ISO 261 sizes, with the inch value of each within a thousandth of mm / 25.4.
void TstMechanicalTablesModel::metricThreadLines()
{
    const QStringList sizes{"M1.6", "M1.8", "M2.0", "M3.0", "M3.5", "M4.0", "M5.0", "M6.0", "M7.0",
                            "M8.0", "M10",  "M12",  "M14",  "M16",  "M18",  "M20",  "M21",  "M22"};
    for (int i = 0; i < kMetricThreads; ++i) {
        const QStringList f = fields(tw::mechanical::metricThreads()[static_cast<std::size_t>(i)]);
        QCOMPARE(f.size(), 3);
        QCOMPARE(f[0], sizes[i]);
        QCOMPARE(f[1], f[0].mid(1) + "mm");
        QVERIFY(f[2].endsWith('"'));
        const double inches = f[2].chopped(1).toDouble();
        QVERIFY2(std::fabs(inches - f[0].mid(1).toDouble() / 25.4) < 0.001, qPrintable(f[0]));
    }
    QCOMPARE(fields(tw::mechanical::metricThreads()[15]).last(), QString("0.787\""));
}

QTEST_APPLESS_MAIN(TstMechanicalTablesModel)
#include "tst_mechanical_tables_model.moc"
