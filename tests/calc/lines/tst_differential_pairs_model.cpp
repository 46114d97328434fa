#include "calc/lines/differential_pairs.h"

#include <QtTest>

#include <cfenv>
#include <cmath>

using namespace tw::lines;

Q_DECLARE_METATYPE(tw::lines::PairArrangement)

namespace {

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// The panel turns these exceptions into error messages, so the models must not raise them.
constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

struct Geometry {
    double w, s, h, h2, t, er;
};

CoupledPairResult evaluate(PairArrangement arrangement, const Geometry &g, StriplineForm form)
{
    switch (arrangement) {
    case PairArrangement::EdgeCoupledExternal:
        return EdgeCoupledMicrostrip(g.w, g.s, g.h, g.t, g.er);
    case PairArrangement::EdgeCoupledInternalSymmetric:
        return EdgeCoupledStripline(g.w, g.s, g.h, g.t, g.er, form);
    case PairArrangement::EdgeCoupledInternalAsymmetric:
        return EdgeCoupledOffsetStripline(g.w, g.s, g.h, g.h2, g.t, g.er);
    case PairArrangement::EdgeCoupledEmbedded:
        return EdgeCoupledEmbeddedMicrostrip(g.w, g.s, g.h, g.h2, g.t, g.er);
    case PairArrangement::BroadsideCoupledShielded:
        return BroadsideCoupledShielded(g.w, g.s, g.h, g.t, g.er);
    case PairArrangement::BroadsideCoupledUnshielded:
        return BroadsideCoupledUnshielded(g.w, g.s, g.t, g.er);
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Geometry)

class TestDifferentialPairsModel : public QObject {
    Q_OBJECT

private slots:
    void pairs_data();
    void pairs();
    void offsetStriplinePair();
    void outsideDomain_data();
    void outsideDomain();
    void broadsideFit_data();
    void broadsideFit();
    void toleranceFactors_data();
    void toleranceFactors();
    void toleranceEdges_data();
    void toleranceEdges();
    void ratioRange_data();
    void ratioRange();
};

void TestDifferentialPairsModel::pairs_data()
{
    QTest::addColumn<PairArrangement>("arrangement");
    QTest::addColumn<Geometry>("geometry");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("zo");
    QTest::addColumn<QString>("zdiff");

    const auto pi = static_cast<int>(StriplineForm::PiForm);
    const auto rounded = static_cast<int>(StriplineForm::Rounded);
    // Worked examples: W 10, S 5, H (or H1) 15, H2 5 mils, er 4.6; T is 0.5oz base copper with
    // 1oz plating (2.1 mils) for the surface pair, the base copper alone (0.7 mils) otherwise.
    QTest::newRow("edge coupled external, worked example")
        << PairArrangement::EdgeCoupledExternal << Geometry{10, 5, 15, 0, 2.1, 4.6} << pi
        << "77.504"
        << "100.979";
    QTest::newRow("edge coupled symmetric, worked example")
        << PairArrangement::EdgeCoupledInternalSymmetric << Geometry{10, 5, 15, 0, 0.7, 4.6} << pi
        << "33.200"
        << "56.955";
    QTest::newRow("edge coupled asymmetric, worked example")
        << PairArrangement::EdgeCoupledInternalAsymmetric << Geometry{10, 5, 15, 5, 0.7, 4.6} << pi
        << "36.650"
        << "59.693";
    QTest::newRow("edge coupled embedded, worked example")
        << PairArrangement::EdgeCoupledEmbedded << Geometry{10, 5, 15, 5, 0.7, 4.6} << pi
        << "102.753"
        << "167.737";
    QTest::newRow("broadside shielded, worked example")
        << PairArrangement::BroadsideCoupledShielded << Geometry{10, 5, 15, 0, 0.7, 4.6} << pi
        << "0.000"
        << "43.730";
    QTest::newRow("broadside unshielded, worked example")
        << PairArrangement::BroadsideCoupledUnshielded << Geometry{10, 5, 15, 0, 0.7, 4.6} << pi
        << "0.000"
        << "47.315";
    // Hand calculations of the same closed forms, independent of the code: the metric defaults
    // (0.254, 0.127, 0.381 mm, 18 um base copper) in the rounded stripline form, the same in
    // the pi form, and the shielded pair of those defaults in mils (4.2913 mils to each plane).
    QTest::newRow("edge coupled symmetric, metric defaults, rounded form")
        << PairArrangement::EdgeCoupledInternalSymmetric
        << Geometry{0.254, 0.127, 0.381, 0, 0.018, 4.6} << rounded << "33.167"
        << "56.898";
    QTest::newRow("edge coupled symmetric, metric defaults, pi form")
        << PairArrangement::EdgeCoupledInternalSymmetric
        << Geometry{0.254, 0.127, 0.381, 0, 0.018, 4.6} << pi << "33.172"
        << "56.907";
    QTest::newRow("broadside shielded, metric defaults in mils")
        << PairArrangement::BroadsideCoupledShielded
        << Geometry{10, 5, 15, 0, 0.018 * 1000 / 25.4, 4.6} << pi << "0.000"
        << "43.676";
    // A vacuum dielectric: er = 1 is the smallest the calculator accepts.
    QTest::newRow("edge coupled external, er 1")
        << PairArrangement::EdgeCoupledExternal << Geometry{10, 5, 15, 0, 2.1, 1.0} << pi
        << "122.391"
        << "159.463";
}

void TestDifferentialPairsModel::pairs()
{
    QFETCH(PairArrangement, arrangement);
    QFETCH(Geometry, geometry);
    QFETCH(int, form);
    std::feclearexcept(FE_ALL_EXCEPT);
    const CoupledPairResult r = evaluate(arrangement, geometry, static_cast<StriplineForm>(form));
    QCOMPARE(std::fetestexcept(kFaults), 0);
    QVERIFY(r.valid);
    QTEST(fixed(r.zo, 3), "zo");
    QTEST(fixed(r.zdiff, 3), "zdiff");
}

void TestDifferentialPairsModel::offsetStriplinePair()
{
    // 10 / (15 + 5) is at or above 0.35: the wide form, with B = 15 + 5 + 0.7.
    const OffsetPairResult r = EdgeCoupledOffsetStripline(10, 5, 15, 5, 0.7, 4.6);
    QVERIFY(r.valid);
    QCOMPARE(r.mode, OffsetStriplineMode::Wide);
    QCOMPARE(fixed(r.b, 4), QString("20.7000"));
    // Swapping the planes gives the same line.
    const OffsetPairResult swapped = EdgeCoupledOffsetStripline(10, 5, 5, 15, 0.7, 4.6);
    QCOMPARE(fixed(swapped.zdiff, 6), fixed(r.zdiff, 6));
}

void TestDifferentialPairsModel::outsideDomain_data()
{
    QTest::addColumn<PairArrangement>("arrangement");
    QTest::addColumn<Geometry>("geometry");

    const auto ext = PairArrangement::EdgeCoupledExternal;
    const auto sym = PairArrangement::EdgeCoupledInternalSymmetric;
    const auto asym = PairArrangement::EdgeCoupledInternalAsymmetric;
    const auto embed = PairArrangement::EdgeCoupledEmbedded;
    const auto shld = PairArrangement::BroadsideCoupledShielded;
    const auto nshld = PairArrangement::BroadsideCoupledUnshielded;
    QTest::newRow("external: zero height") << ext << Geometry{10, 5, 0, 0, 2.1, 4.6};
    QTest::newRow("external: zero width") << ext << Geometry{0, 5, 15, 0, 2.1, 4.6};
    QTest::newRow("external: negative gap") << ext << Geometry{10, -5, 15, 0, 2.1, 4.6};
    // 5.98 H below 0.8 W + T: the logarithm, and with it the impedance, turns negative.
    QTest::newRow("external: wide against its height") << ext << Geometry{100, 5, 5, 0, 2.1, 4.6};
    QTest::newRow("external: log argument exactly 1") << ext << Geometry{5.98, 5, 1, 0, 1.196, 4.6};
    QTest::newRow("symmetric: zero plane distance") << sym << Geometry{10, 5, 0, 0, 0.7, 4.6};
    QTest::newRow("symmetric: planes too close") << sym << Geometry{10, 5, 3, 0, 0.7, 4.6};
    QTest::newRow("symmetric: negative thickness") << sym << Geometry{10, 5, 15, 0, -0.7, 4.6};
    QTest::newRow("asymmetric: zero H2") << asym << Geometry{10, 5, 15, 0, 0.7, 4.6};
    // Wide form with a conductor as thick as it is wide.
    QTest::newRow("asymmetric: square conductor") << asym << Geometry{2, 5, 2, 3, 2, 4.6};
    // Wide form with T = 0.
    QTest::newRow("asymmetric: no thickness") << asym << Geometry{10, 5, 15, 5, 0, 4.6};
    QTest::newRow("embedded: zero cover") << embed << Geometry{10, 5, 15, 0, 0.7, 4.6};
    QTest::newRow("embedded: zero height") << embed << Geometry{10, 5, 0, 5, 0.7, 4.6};
    QTest::newRow("embedded: conductor wide against its height")
        << embed << Geometry{100, 5, 5, 5, 0.7, 4.6};
    QTest::newRow("shielded: no room to the planes") << shld << Geometry{10, 5, 6.4, 0, 0.7, 4.6};
    QTest::newRow("shielded: zero spacing") << shld << Geometry{10, 0, 15, 0, 0.7, 4.6};
    QTest::newRow("unshielded: spacing small against width")
        << nshld << Geometry{10, 1, 15, 0, 0.7, 4.6};
    QTest::newRow("unshielded: zero dielectric constant")
        << nshld << Geometry{10, 5, 15, 0, 0.7, 0};
}

void TestDifferentialPairsModel::outsideDomain()
{
    QFETCH(PairArrangement, arrangement);
    QFETCH(Geometry, geometry);
    for (const StriplineForm form : {StriplineForm::PiForm, StriplineForm::Rounded}) {
        std::feclearexcept(FE_ALL_EXCEPT);
        const CoupledPairResult r = evaluate(arrangement, geometry, form);
        QCOMPARE(std::fetestexcept(kFaults), 0);
        QVERIFY(!r.valid);
        QCOMPARE(r.zo, 0.0);
        QCOMPARE(r.zdiff, 0.0);
    }
}

void TestDifferentialPairsModel::broadsideFit_data()
{
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("s");
    QTest::addColumn<bool>("fits");
    // 2 x 0.7 + 5 = 6.4.
    QTest::newRow("below") << 6.0 << 0.7 << 5.0 << false;
    QTest::newRow("equal") << 6.4 << 0.7 << 5.0 << false;
    QTest::newRow("just above") << 6.41 << 0.7 << 5.0 << true;
    // The replacement 4T + S leaves T to each plane.
    QTest::newRow("replacement 4T + S") << 7.8 << 0.7 << 5.0 << true;
}

void TestDifferentialPairsModel::broadsideFit()
{
    QFETCH(double, h);
    QFETCH(double, t);
    QFETCH(double, s);
    QTEST(broadsideFits(h, t, s), "fits");
}

void TestDifferentialPairsModel::toleranceFactors_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("plus");
    QTest::addColumn<QString>("minus");
    // p = 2.5 % x (position + 1).
    QTest::newRow("0: 2.5 %") << 0 << "1.025"
                              << "0.975";
    QTest::newRow("3: 10 %, the designed position") << 3 << "1.100"
                                                    << "0.900";
    QTest::newRow("4: 12.5 %") << 4 << "1.125"
                               << "0.875";
    QTest::newRow("9: 25 %") << 9 << "1.250"
                             << "0.750";
    QTest::newRow("below the bar") << -1 << "1.025"
                                   << "0.975";
    QTest::newRow("beyond the bar") << 10 << "1.250"
                                    << "0.750";
}

void TestDifferentialPairsModel::toleranceFactors()
{
    QFETCH(int, position);
    const ToleranceBand band = ZdiffToleranceFactors(position);
    QTEST(fixed(band.plus, 3), "plus");
    QTEST(fixed(band.minus, 3), "minus");
}

void TestDifferentialPairsModel::toleranceEdges_data()
{
    QTest::addColumn<double>("zdiff");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("target");
    QTest::addColumn<bool>("inside");
    // 0.75 and 1.25 are exact in binary, so 100 gives the band 75 to 125 exactly.
    QTest::newRow("lower bound included") << 100.0 << 9 << 75.0 << true;
    QTest::newRow("just below the band") << 100.0 << 9 << 74.9999 << false;
    QTest::newRow("upper bound included") << 100.0 << 9 << 125.0 << true;
    QTest::newRow("just above the band") << 100.0 << 9 << 125.0001 << false;
    QTest::newRow("centre") << 100.0 << 0 << 100.0 << true;
    // Worked example: Zdiff 56.955 with 10 % is 51.259 to 62.650, so 100 is outside.
    QTest::newRow("worked example outside") << 56.954680347588855 << 3 << 100.0 << false;
    QTest::newRow("worked example inside") << 100.97918299506952 << 3 << 100.0 << true;
}

void TestDifferentialPairsModel::toleranceEdges()
{
    QFETCH(double, zdiff);
    QFETCH(int, position);
    QFETCH(double, target);
    QTEST(withinTolerance(zdiff, target, ZdiffToleranceFactors(position)), "inside");
}

void TestDifferentialPairsModel::ratioRange_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("inside");
    QTest::newRow("0.0999") << 0.0999 << false;
    QTest::newRow("0.1") << 0.1 << true;
    QTest::newRow("3") << 3.0 << true;
    QTest::newRow("3.001") << 3.001 << false;
}

void TestDifferentialPairsModel::ratioRange()
{
    QFETCH(double, ratio);
    QTEST(ratioInFormulaRange(ratio), "inside");
}

QTEST_APPLESS_MAIN(TestDifferentialPairsModel)
#include "tst_differential_pairs_model.moc"
