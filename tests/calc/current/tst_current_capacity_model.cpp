#include "calc/current/current_capacity.h"

#include <QtTest>

#include <cmath>

using namespace tw::current;

namespace {

constexpr double sqMmPerSqMil = 0.0254 * 0.0254;

bool near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

} // namespace

class TstCurrentCapacityModel : public QObject {
    Q_OBJECT

private slots:
    void chartRowEdges_data();
    void chartRowEdges();
    void chartBandEdges_data();
    void chartBandEdges();
    void heightAndPlaneBands_data();
    void heightAndPlaneBands();
    void currentByRuleSet_data();
    void currentByRuleSet();
    void areaForCurrent_data();
    void areaForCurrent();
    void crossSection_data();
    void crossSection();
    void resistanceAndPower();
    void unitSystemsAgree();
};

// Expected factors are the chart cells; rows differ at >= 700 sq mils.
void TstCurrentCapacityModel::chartRowEdges_data()
{
    QTest::addColumn<double>("tempRise");
    QTest::addColumn<double>("factor");
    QTest::newRow("20 -> row 1") << 20.0 << 1.08;
    QTest::newRow("20.001 -> row 2") << 20.001 << 1.21;
    QTest::newRow("59.999 -> row 2") << 59.999 << 1.21;
    QTest::newRow("60 -> row 3") << 60.0 << 1.23;
    QTest::newRow("99.999 -> row 3") << 99.999 << 1.23;
    QTest::newRow("100 -> row 4") << 100.0 << 1.32;
    QTest::newRow("200 -> row 4") << 200.0 << 1.32;
}

void TstCurrentCapacityModel::chartRowEdges()
{
    QFETCH(double, tempRise);
    QFETCH(double, factor);
    QCOMPARE(LookupChartModifier(tempRise, 700), factor);
    QCOMPARE(LookupChartModifierMetric(tempRise, 700 * sqMmPerSqMil), factor);
}

// Every band's lower bound belongs to it; just below lies the next band (chart cells).
void TstCurrentCapacityModel::chartBandEdges_data()
{
    QTest::addColumn<double>("tempRise");
    QTest::addColumn<double>("sqMils");
    QTest::addColumn<double>("atEdge");
    QTest::addColumn<double>("below");
    const double bounds[] = {700, 600, 500, 400, 300, 200, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
    const double row1[] = {1.08, 1.11, 1.20, 1.17, 1.26, 1.35, 1.50, 1.55, 1.58,
                           1.65, 1.66, 1.68, 1.80, 1.85, 1.95, 2.28, 2.28};
    const double row4[] = {1.32, 1.37, 1.44, 1.42, 1.49, 1.52, 1.69, 1.72, 1.83,
                           1.82, 1.83, 1.92, 2.07, 1.97, 2.03, 2.25, 2.25};
    for (int i = 0; i < 16; ++i) {
        QTest::addRow("row 1, %g", bounds[i]) << 15.0 << bounds[i] << row1[i] << row1[i + 1];
        QTest::addRow("row 4, %g", bounds[i]) << 150.0 << bounds[i] << row4[i] << row4[i + 1];
    }
    // The via at start-up (34.5575 sq mils) and the chart's row 3, 30-40 cell, held at 1.85.
    QTest::newRow("via defaults") << 20.0 << 34.5575 << 1.85 << 1.85;
    QTest::newRow("row 3, 35") << 80.0 << 35.0 << 1.85 << 1.85;
    QTest::newRow("row 3, 30") << 80.0 << 30.0 << 1.85 << 2.08;
}

void TstCurrentCapacityModel::chartBandEdges()
{
    QFETCH(double, tempRise);
    QFETCH(double, sqMils);
    QFETCH(double, atEdge);
    QFETCH(double, below);
    const double justBelow = sqMils * (1 - 1e-9);
    QCOMPARE(LookupChartModifier(tempRise, sqMils), atEdge);
    QCOMPARE(LookupChartModifier(tempRise, justBelow), below);
    QCOMPARE(LookupChartModifierMetric(tempRise, sqMils * sqMmPerSqMil), atEdge);
    QCOMPARE(LookupChartModifierMetric(tempRise, justBelow * sqMmPerSqMil), below);
}

// Via height / board thickness and plane distance share their bands (chart cells).
void TstCurrentCapacityModel::heightAndPlaneBands_data()
{
    QTest::addColumn<double>("mils");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("plane1oz");
    QTest::addColumn<double>("plane2oz");
    QTest::newRow("100") << 100.0 << 1.3 << 1.20 << 1.24;
    QTest::newRow("99") << 99.0 << 1.2 << 1.30 << 1.34;
    QTest::newRow("70") << 70.0 << 1.0 << 1.37 << 1.41;
    QTest::newRow("69.99") << 69.99 << 0.95 << 1.39 << 1.43;
    QTest::newRow("62 (defaults)") << 62.0 << 0.95 << 1.39 << 1.43;
    QTest::newRow("10") << 10.0 << 0.48 << 1.55 << 1.59;
    QTest::newRow("9.99") << 9.99 << 0.4 << 1.59 << 1.63;
}

void TstCurrentCapacityModel::heightAndPlaneBands()
{
    QFETCH(double, mils);
    QFETCH(double, height);
    QFETCH(double, plane1oz);
    QFETCH(double, plane2oz);
    QCOMPARE(thicknessModifier(mils), height);
    QCOMPARE(planeModifier(PlaneWeight::HalfOrOneOunce, mils), plane1oz);
    QCOMPARE(planeModifier(PlaneWeight::TwoOunce, mils), plane2oz);
    // Typed millimetre values (2.54, 1.778, 0.254) must land on the same side of a bound.
    const double mm = std::round(mils * 0.0254 * 1e6) / 1e6;
    QCOMPARE(thicknessModifierMetric(mm), height);
    QCOMPARE(planeModifierMetric(PlaneWeight::HalfOrOneOunce, mm), plane1oz);
    QCOMPARE(planeModifierMetric(PlaneWeight::TwoOunce, mm), plane2oz);
}

// Expected currents: the relation evaluated by hand with the stated factors, dT = 20.
void TstCurrentCapacityModel::currentByRuleSet_data()
{
    QTest::addColumn<bool>("via");
    QTest::addColumn<bool>("ignoreHeight");
    QTest::addColumn<int>("ruleSet");
    QTest::addColumn<int>("layer");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("parallel");
    QTest::addColumn<double>("amps");
    const int in = int(Layer::Internal), ex = int(Layer::External);
    // Conductor defaults: 16.59 sq mils; 2.28 * 0.95 * 1.0 * 0.98.
    QTest::newRow("conductor rule 0") << false << false << 0 << ex << 16.59 << 1.0 << 1.4586046631;
    QTest::newRow("conductor rule 1 int")
        << false << false << 1 << in << 16.59 << 1.0 << 0.6871524031;
    QTest::newRow("conductor rule 2 int")
        << false << false << 2 << in << 16.59 << 1.0 << 0.6871524031;
    QTest::newRow("conductor rule 1 ext")
        << false << false << 1 << ex << 16.59 << 1.0 << 0.6871524031;
    QTest::newRow("conductor rule 2 ext")
        << false << false << 2 << ex << 16.59 << 1.0 << 1.3743048063;
    // 16 parallel: 265.44 sq mils total, 1.35 * 0.95 shared by 16, then 1.0 * 0.98.
    QTest::newRow("16 parallel rule 0")
        << false << false << 0 << ex << 265.44 << 16.0 << 0.4029058043;
    // Via defaults: 34.5575 sq mils; 1.85 * 0.95 * 0.98; vias never take k = 0.048.
    QTest::newRow("via rule 0") << true << false << 0 << ex << 34.5575 << 1.0 << 2.0147864841;
    QTest::newRow("via rule 0, no height")
        << true << true << 0 << ex << 34.5575 << 1.0 << 2.1208278780;
    QTest::newRow("via rule 1") << true << false << 1 << ex << 34.5575 << 1.0 << 1.1697892322;
    QTest::newRow("via rule 2") << true << false << 2 << ex << 34.5575 << 1.0 << 1.1697892322;
}

void TstCurrentCapacityModel::currentByRuleSet()
{
    QFETCH(bool, via);
    QFETCH(bool, ignoreHeight);
    QFETCH(int, ruleSet);
    QFETCH(int, layer);
    QFETCH(double, area);
    QFETCH(double, parallel);
    QFETCH(double, amps);
    const auto rules = RuleSet(ruleSet);
    double current = 0;
    if (via) {
        current =
            viaCurrent(rules, 20, area, {LookupChartModifier(20, area), 0.95, 0.98, ignoreHeight});
    } else {
        const ConductorModifiers mods{LookupChartModifier(20, area), 0.95, 1.0, 0.98, parallel};
        current = conductorCurrent(rules, Layer(layer), 20, area, mods);
    }
    QVERIFY2(near(current, amps, 1e-9), qPrintable(QString::number(current, 'g', 12)));
}

// 10 A at dT = 20 on an external IPC-2221 conductor, 2.1 mil copper (evaluated by hand).
void TstCurrentCapacityModel::areaForCurrent_data()
{
    QTest::addColumn<int>("etch");
    QTest::addColumn<double>("width");
    QTest::newRow("1:1") << int(EtchFactor::OneToOne) << 124.1332101165;
    QTest::newRow("None") << int(EtchFactor::None) << 122.0332101165;
}

void TstCurrentCapacityModel::areaForCurrent()
{
    QFETCH(int, etch);
    QFETCH(double, width);
    const double area = tw::current::areaForCurrent(externalCoefficient, 20, 10);
    QVERIFY(near(area, 256.2697412447, 1e-9));
    QVERIFY(near(sqMilsToSqMm(area), 0.1653353169, 1e-9));
    QVERIFY(near(baseCurrent(externalCoefficient, 20, area), 10, 1e-12));
    const double w = conductorWidth(EtchFactor(etch), area, 2.1);
    QVERIFY(near(w, width, 1e-9));
    QVERIFY(near(conductorCrossSection(EtchFactor(etch), w, 2.1), area, 1e-9));
}

void TstCurrentCapacityModel::crossSection_data()
{
    QTest::addColumn<int>("etch");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("count");
    QTest::addColumn<double>("area");
    const int etched = int(EtchFactor::OneToOne), none = int(EtchFactor::None);
    QTest::newRow("1:1, 10 x 1.4") << etched << 10.0 << 1.4 << 1.0 << 12.04;
    QTest::newRow("None, 10 x 1.4") << none << 10.0 << 1.4 << 1.0 << 14.0;
    QTest::newRow("1:1, defaults") << etched << 10.0 << 2.1 << 1.0 << 16.59;
    QTest::newRow("1:1, 16 parallel") << etched << 10.0 << 2.1 << 16.0 << 265.44;
    QTest::newRow("None, 16 parallel") << none << 10.0 << 2.1 << 16.0 << 336.0;
    QTest::newRow("1:1, metric") << etched << 0.254 << 0.035 << 1.0 << 0.007665;
}

void TstCurrentCapacityModel::crossSection()
{
    QFETCH(int, etch);
    QFETCH(double, width);
    QFETCH(double, thickness);
    QFETCH(double, count);
    QFETCH(double, area);
    QVERIFY(near(conductorCrossSection(EtchFactor(etch), width, thickness, count), area, 1e-12));
    if (count == 1.0)
        QVERIFY(near(conductorWidth(EtchFactor(etch), area, thickness), width, 1e-12));
}

void TstCurrentCapacityModel::resistanceAndPower()
{
    // Copper at 42 C (ambient 22 + rise 20): 0.0006787 * (1 + 0.00393 * 22).
    QVERIFY(near(resistivity(20), 0.0006787, 1e-15));
    QVERIFY(near(resistivity(42), 0.000737380402, 1e-15));
    const double r = resistance(resistivity(42), 1000, 16.59);
    QVERIFY(near(r, 0.0444472816, 1e-9));
    QVERIFY(near(powerDissipation(2, r), 4 * r, 1e-15));
    QVERIFY(near(voltageDrop(2, r), 2 * r, 1e-15));
    QVERIFY(near(powerDbm(1), 30, 1e-12));
    QVERIFY(near(powerDbm(0.001), 0, 1e-12));
}

// One copper cross-section entered in mils or in mm must give one chart factor, one current
// and one resistance. The metric power law takes mm^2 * 1550 against 1550.0031 sq mils per mm^2,
// a relative 2e-6 that the current may differ by.
void TstCurrentCapacityModel::unitSystemsAgree()
{
    const double rises[] = {5, 15, 20, 20.5, 40, 59.9, 60, 80, 99.9, 100, 150, 200};
    const double bounds[] = {700, 600, 500, 400, 300, 200, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
    QList<double> areas = {3, 15, 35, 65, 95, 150, 250, 650, 1500};
    for (double b : bounds)
        areas << b * 1.0001 << b * 0.9999;
    for (double dT : rises) {
        for (double sqMils : areas) {
            const double sqMm = sqMils * sqMmPerSqMil;
            const QByteArray where = QByteArray::number(dT) + " C, " + QByteArray::number(sqMils);
            const double chartMils = LookupChartModifier(dT, sqMils);
            QVERIFY2(chartMils == LookupChartModifierMetric(dT, sqMm), where);
            const double imperial = baseCurrent(internalCoefficient, dT, sqMils) * chartMils;
            const double metric = baseCurrent(internalCoefficient, dT, sqMmToSqMils(sqMm)) *
                                  LookupChartModifierMetric(dT, sqMm);
            QVERIFY2(near(imperial, metric, 2e-6 * imperial), where);
            // 250 mils = 6.35 mm of barrel or trace.
            const double rMils = resistance(resistivity(22 + dT), 250, sqMils);
            const double rMm = resistance(resistivityMetric(22 + dT), 6.35, sqMmToSqMils(sqMm));
            QVERIFY2(near(rMils, rMm, 1e-12 * rMils), where);
        }
    }
}

QTEST_APPLESS_MAIN(TstCurrentCapacityModel)
#include "tst_current_capacity_model.moc"
