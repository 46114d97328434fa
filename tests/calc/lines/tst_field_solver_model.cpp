#include "calc/lines/field_solver.h"

#include <QtTest>

#include <cfenv>
#include <cmath>

using namespace tw::lines;

Q_DECLARE_METATYPE(tw::lines::LineTopology)
Q_DECLARE_METATYPE(tw::lines::PairArrangement)

// Reference values: python3 with math only, the complete elliptic integral by 40 AGM steps
// (K(k) = pi / (2 AGM(1, sqrt(1 - k^2)))), eta0 = 1 / (c eps0) = 376.7303 ohms exactly from c
// and eps0 (the published 30 pi is the rounded 120 pi / 4).
//  - zero-thickness centred stripline, B the plane spacing: Z0 = eta0/4 K(k)/K(k'),
//    k = sech(pi W / 2B);
//  - zero-thickness edge-coupled stripline (Cohn 1955): Z = eta0/4 K(k')/K(k) with
//    k = tanh(pi W / 2B) tanh(pi (W + S) / 2B) for the even mode and coth for the odd one;
//  - thick stripline (Cohn 1954): Z0 = eta0/4 / (W/(B - T) + Cf), Cf = (1/pi)(2/(1-x)
//    ln(1/(1-x) + 1) - (1/(1-x) - 1) ln(1/(1-x)^2 - 1)), x = T/B; the formula itself neglects
//    the interaction of the two edges' fringing, which is why it holds only for wide strips.

namespace {

constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

double relative(double value, double reference)
{
    return std::abs(value / reference - 1.0);
}

} // namespace

class TestFieldSolverModel : public QObject {
    Q_OBJECT

private slots:
    void exactStripline_data();
    void exactStripline();
    void exactCoupledStripline_data();
    void exactCoupledStripline();
    void thickStripline_data();
    void thickStripline();
    void offsetEqualsCentred_data();
    void offsetEqualsCentred();
    void vacuumHasNoDielectric_data();
    void vacuumHasNoDielectric();
    void distantPairIsTwoLines_data();
    void distantPairIsTwoLines();
    void converged_data();
    void converged();
    void noSolution_data();
    void noSolution();
};

void TestFieldSolverModel::exactStripline_data()
{
    QTest::addColumn<double>("wOverB");
    QTest::addColumn<double>("er");
    QTest::addColumn<double>("z0");
    QTest::newRow("W/B 0.1") << 0.1 << 1.0 << 194.2262547424547;
    QTest::newRow("W/B 0.25") << 0.25 << 1.0 << 139.91709941944166;
    QTest::newRow("W/B 0.5, er 4") << 0.5 << 4.0 << 100.43245078475202 / 2.0;
    QTest::newRow("W/B 1") << 1.0 << 1.0 << 65.35362514557494;
    QTest::newRow("W/B 2") << 2.0 << 1.0 << 38.57932257229425;
    QTest::newRow("W/B 5") << 5.0 << 1.0 << 17.30892928329543;
}

void TestFieldSolverModel::exactStripline()
{
    QFETCH(double, wOverB);
    QFETCH(double, er);
    QFETCH(double, z0);
    // B = 2H + T = 1.
    const FieldLineResult r = FieldSolveLine(LineTopology::Stripline, {wOverB, 0.5, 0, 0, er});
    QVERIFY(r.valid);
    QVERIFY2(relative(r.z0, z0) < 0.003, qPrintable(QString::number(r.z0)));
    QCOMPARE(r.erEff, er);
}

void TestFieldSolverModel::exactCoupledStripline_data()
{
    QTest::addColumn<double>("wOverB");
    QTest::addColumn<double>("sOverB");
    QTest::addColumn<double>("zeven");
    QTest::addColumn<double>("zodd");
    QTest::newRow("W/B 0.5, S/B 0.1") << 0.5 << 0.1 << 122.88566524067517 << 69.866090752672;
    QTest::newRow("W/B 0.5, S/B 0.5") << 0.5 << 0.5 << 107.15437854717672 << 93.21719678372027;
    QTest::newRow("W/B 1, S/B 0.2") << 1.0 << 0.2 << 72.16242993862572 << 55.94039376793629;
    QTest::newRow("W/B 0.25, S/B 1") << 0.25 << 1.0 << 142.45843373660952 << 137.35913495512995;
    QTest::newRow("W/B 2, S/B 0.05") << 2.0 << 0.05 << 41.9586014476004 << 30.827628033668923;
}

void TestFieldSolverModel::exactCoupledStripline()
{
    QFETCH(double, wOverB);
    QFETCH(double, sOverB);
    QFETCH(double, zeven);
    QFETCH(double, zodd);
    const FieldPairResult r = FieldSolvePair(PairArrangement::EdgeCoupledInternalSymmetric,
                                             {wOverB, sOverB, 1.0, 0, 0, 1.0});
    QVERIFY(r.valid && r.hasEvenMode);
    QVERIFY2(relative(r.zeven, zeven) < 0.003, qPrintable(QString::number(r.zeven)));
    QVERIFY2(relative(r.zodd, zodd) < 0.003, qPrintable(QString::number(r.zodd)));
    QCOMPARE(r.zdiff, 2.0 * r.zodd);
    QCOMPARE(r.zcommon, 0.5 * r.zeven);
}

void TestFieldSolverModel::thickStripline_data()
{
    QTest::addColumn<double>("wOverB");
    QTest::addColumn<double>("tOverB");
    QTest::addColumn<double>("z0");
    QTest::newRow("W/B 0.35, T/B 0.1") << 0.35 << 0.1 << 97.22387966875583;
    QTest::newRow("W/B 0.5, T/B 0.1") << 0.5 << 0.1 << 82.95208951883507;
    QTest::newRow("W/B 0.5, T/B 0.25") << 0.5 << 0.25 << 66.67600960538262;
    QTest::newRow("W/B 1, T/B 0.05") << 1.0 << 0.05 << 59.91961453512674;
    QTest::newRow("W/B 1, T/B 0.2") << 1.0 << 0.2 << 48.52011474042356;
    QTest::newRow("W/B 2, T/B 0.1") << 2.0 << 0.1 << 33.61200342180296;
}

void TestFieldSolverModel::thickStripline()
{
    QFETCH(double, wOverB);
    QFETCH(double, tOverB);
    QFETCH(double, z0);
    const double h = 0.5 * (1.0 - tOverB);
    const FieldLineResult r = FieldSolveLine(LineTopology::Stripline, {wOverB, h, 0, tOverB, 1});
    QVERIFY(r.valid);
    QVERIFY2(relative(r.z0, z0) < 0.005, qPrintable(QString::number(r.z0)));
}

void TestFieldSolverModel::offsetEqualsCentred_data()
{
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("t");
    QTest::newRow("thin") << 5.0 << 10.0 << 0.0;
    QTest::newRow("1 oz") << 5.0 << 10.0 << 1.4;
    QTest::newRow("thicker than wide") << 2.0 << 6.0 << 3.0;
}

void TestFieldSolverModel::offsetEqualsCentred()
{
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(double, t);
    const FieldLineResult centred = FieldSolveLine(LineTopology::Stripline, {w, h, 0, t, 4.2});
    const FieldLineResult offset = FieldSolveLine(LineTopology::StriplineAsym, {w, h, h, t, 4.2});
    QVERIFY(centred.valid && offset.valid);
    QVERIFY(relative(offset.z0, centred.z0) < 1e-9);
    // The pair: H1 = H2 = h, or plane spacing 2h + t.
    const FieldPairResult symmetric =
        FieldSolvePair(PairArrangement::EdgeCoupledInternalSymmetric, {w, 4, 2 * h + t, 0, t, 4.2});
    const FieldPairResult asymmetric =
        FieldSolvePair(PairArrangement::EdgeCoupledInternalAsymmetric, {w, 4, h, h, t, 4.2});
    QVERIFY(symmetric.valid && asymmetric.valid);
    QVERIFY(relative(asymmetric.zdiff, symmetric.zdiff) < 1e-9);
    QVERIFY(relative(asymmetric.zeven, symmetric.zeven) < 1e-9);
}

void TestFieldSolverModel::vacuumHasNoDielectric_data()
{
    QTest::addColumn<int>("kind"); // 0 line, 1 pair
    QTest::addColumn<int>("topology");
    QTest::addColumn<double>("t");
    QTest::newRow("microstrip") << 0 << int(LineTopology::Microstrip) << 1.4;
    QTest::newRow("microstrip, thin") << 0 << int(LineTopology::Microstrip) << 0.0;
    QTest::newRow("embedded") << 0 << int(LineTopology::MicrostripEmbed) << 1.4;
    QTest::newRow("coplanar") << 0 << int(LineTopology::CoplanarWave) << 1.4;
    QTest::newRow("edge-coupled external") << 1 << int(PairArrangement::EdgeCoupledExternal) << 1.4;
    QTest::newRow("broadside unshielded")
        << 1 << int(PairArrangement::BroadsideCoupledUnshielded) << 1.4;
}

void TestFieldSolverModel::vacuumHasNoDielectric()
{
    QFETCH(int, kind);
    QFETCH(int, topology);
    QFETCH(double, t);
    // With er = 1 the interfaces carry no charge: er_eff is 1 and Z0 is the vacuum one.
    if (kind == 0) {
        const auto top = static_cast<LineTopology>(topology);
        const FieldLineResult air = FieldSolveLine(top, {5, 10, 8, t, 1.0});
        QVERIFY(air.valid);
        QVERIFY2(std::abs(air.erEff - 1.0) < 1e-9, qPrintable(QString::number(air.erEff)));
        // and a dielectric pulls er_eff above 1 but not above er
        const FieldLineResult fr4 = FieldSolveLine(top, {5, 10, 8, t, 4.6});
        QVERIFY(fr4.erEff > 1.5 && fr4.erEff < 4.6);
        QVERIFY(fr4.z0 < air.z0);
    } else {
        const auto arrangement = static_cast<PairArrangement>(topology);
        const FieldPairResult air = FieldSolvePair(arrangement, {10, 5, 15, 5, t, 1.0});
        QVERIFY(air.valid);
        QVERIFY2(std::abs(air.erEffOdd - 1.0) < 1e-9, qPrintable(QString::number(air.erEffOdd)));
        const FieldPairResult fr4 = FieldSolvePair(arrangement, {10, 5, 15, 5, t, 4.6});
        QVERIFY(fr4.erEffOdd > 1.5 && fr4.erEffOdd < 4.6);
    }
}

void TestFieldSolverModel::distantPairIsTwoLines_data()
{
    QTest::addColumn<PairArrangement>("arrangement");
    QTest::addColumn<LineTopology>("line");
    QTest::addColumn<double>("h");     // pair entry
    QTest::addColumn<double>("h2");    // pair entry
    QTest::addColumn<double>("lineH"); // the same line's entries
    QTest::addColumn<double>("lineSecond");
    QTest::newRow("external") << PairArrangement::EdgeCoupledExternal << LineTopology::Microstrip
                              << 5.0 << 0.0 << 5.0 << 0.0;
    QTest::newRow("internal symmetric") << PairArrangement::EdgeCoupledInternalSymmetric
                                        << LineTopology::Stripline << 11.4 << 0.0 << 5.0 << 0.0;
    QTest::newRow("internal asymmetric") << PairArrangement::EdgeCoupledInternalAsymmetric
                                         << LineTopology::StriplineAsym << 4.0 << 8.0 << 4.0 << 8.0;
    QTest::newRow("embedded") << PairArrangement::EdgeCoupledEmbedded
                              << LineTopology::MicrostripEmbed << 4.0 << 8.0 << 8.0 << 4.0;
}

void TestFieldSolverModel::distantPairIsTwoLines()
{
    QFETCH(PairArrangement, arrangement);
    QFETCH(LineTopology, line);
    QFETCH(double, h);
    QFETCH(double, h2);
    QFETCH(double, lineH);
    QFETCH(double, lineSecond);
    const FieldLineResult single = FieldSolveLine(line, {5, lineH, lineSecond, 1.4, 4.2});
    QVERIFY(single.valid);
    double previous = 0.0;
    for (double s : {1.0, 4.0, 16.0}) {
        const FieldPairResult pair = FieldSolvePair(arrangement, {5, s, h, h2, 1.4, 4.2});
        QVERIFY(pair.valid);
        // Coupling lowers Zdiff below 2 Z0 and raises Zcommon above Z0 / 2, less as S grows.
        QVERIFY(pair.zdiff < 2.0 * single.z0 && pair.zdiff > previous);
        QVERIFY(pair.zcommon > 0.5 * single.z0);
        previous = pair.zdiff;
    }
    // Far apart, what is left is the difference of two meshes.
    const FieldPairResult apart = FieldSolvePair(arrangement, {5, 256, h, h2, 1.4, 4.2});
    QVERIFY2(relative(apart.zdiff, 2.0 * single.z0) < 0.003,
             qPrintable(QString::number(apart.zdiff)));
}

void TestFieldSolverModel::converged_data()
{
    QTest::addColumn<int>("kind"); // 0 line, 1 pair
    QTest::addColumn<int>("topology");
    QTest::addColumn<double>("t");
    // The calculators' default entries, with 1 oz copper (plated to 2 oz on the surface).
    for (int i = 0; i < 6; ++i)
        QTest::addRow("line %d", i) << 0 << i << (i == 0 || i == 5 ? 2.8 : 1.4);
    for (int i = 0; i < 6; ++i)
        QTest::addRow("pair %d", i) << 1 << i << (i == 0 ? 2.8 : 1.4);
}

void TestFieldSolverModel::converged()
{
    QFETCH(int, kind);
    QFETCH(int, topology);
    QFETCH(double, t);
    const FieldSolverOptions finer{2.0};
    std::feclearexcept(FE_ALL_EXCEPT);
    if (kind == 0) {
        const auto top = static_cast<LineTopology>(topology);
        const LineGeometry g{5, 10, 8, t, 4.6};
        const FieldLineResult coarse = FieldSolveLine(top, g);
        const FieldLineResult fine = FieldSolveLine(top, g, finer);
        QVERIFY(coarse.valid && fine.valid);
        QVERIFY2(relative(coarse.z0, fine.z0) < 0.002,
                 qPrintable(QString("%1 %2").arg(coarse.z0).arg(fine.z0)));
    } else {
        const auto arrangement = static_cast<PairArrangement>(topology);
        const PairGeometry g{10, 5, 15, 5, t, 4.6};
        const FieldPairResult coarse = FieldSolvePair(arrangement, g);
        const FieldPairResult fine = FieldSolvePair(arrangement, g, finer);
        QVERIFY(coarse.valid && fine.valid);
        QVERIFY2(relative(coarse.zdiff, fine.zdiff) < 0.002,
                 qPrintable(QString("%1 %2").arg(coarse.zdiff).arg(fine.zdiff)));
        if (coarse.hasEvenMode)
            QVERIFY(relative(coarse.zeven, fine.zeven) < 0.002);
    }
    QCOMPARE(std::fetestexcept(kFaults), 0);
}

void TestFieldSolverModel::noSolution_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("topology");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("second");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("er");
    QTest::newRow("no width") << 0 << int(LineTopology::Microstrip) << 0.0 << 0.0 << 10.0 << 0.0
                              << 1.4 << 4.6;
    QTest::newRow("negative thickness")
        << 0 << int(LineTopology::Stripline) << 5.0 << 0.0 << 10.0 << 0.0 << -1.0 << 4.6;
    QTest::newRow("er below 1") << 0 << int(LineTopology::Stripline) << 5.0 << 0.0 << 10.0 << 0.0
                                << 1.4 << 0.5;
    QTest::newRow("no gap") << 0 << int(LineTopology::CoplanarWave) << 5.0 << 0.0 << 10.0 << 0.0
                            << 1.4 << 4.6;
    QTest::newRow("conductor fills the planes")
        << 1 << int(PairArrangement::EdgeCoupledInternalSymmetric) << 5.0 << 5.0 << 1.4 << 0.0
        << 1.4 << 4.6;
    QTest::newRow("broadside does not fit") << 1 << int(PairArrangement::BroadsideCoupledShielded)
                                            << 5.0 << 5.0 << 7.0 << 0.0 << 1.4 << 4.6;
    QTest::newRow("no spacing") << 1 << int(PairArrangement::EdgeCoupledExternal) << 5.0 << 0.0
                                << 10.0 << 0.0 << 1.4 << 4.6;
}

void TestFieldSolverModel::noSolution()
{
    QFETCH(int, kind);
    QFETCH(int, topology);
    QFETCH(double, w);
    QFETCH(double, s);
    QFETCH(double, h);
    QFETCH(double, second);
    QFETCH(double, t);
    QFETCH(double, er);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (kind == 0) {
        const FieldLineResult r =
            FieldSolveLine(static_cast<LineTopology>(topology), {w, h, second, t, er});
        QVERIFY(!r.valid);
        QCOMPARE(r.z0, 0.0);
    } else {
        const FieldPairResult r =
            FieldSolvePair(static_cast<PairArrangement>(topology), {w, s, h, second, t, er});
        QVERIFY(!r.valid);
        QCOMPARE(r.zdiff, 0.0);
    }
    QCOMPARE(std::fetestexcept(kFaults), 0);
}

QTEST_APPLESS_MAIN(TestFieldSolverModel)
#include "tst_field_solver_model.moc"
