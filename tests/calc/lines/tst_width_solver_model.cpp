#include "calc/lines/differential_pairs.h"
#include "calc/lines/transmission_lines.h"
#include "calc/lines/width_solver.h"

#include <QTest>

#include <cmath>

using namespace tw::lines;

// Round trips on the closed forms: width -> impedance -> solved width, over a grid of stack-ups.
class WidthSolverModelTest : public QObject {
    Q_OBJECT

private slots:
    void singleLines_data();
    void singleLines();
    void pairs_data();
    void pairs();
    void unreachableTargetNamesTheRange();
    void invalidGeometryIsNeverTheAnswer();
};

namespace {

constexpr double t = 1.4;
constexpr double er = 4.6;

std::optional<double> valid(bool ok, double z)
{
    return ok ? std::optional<double>(z) : std::nullopt;
}

// Impedance of topology index 0..5 for width w over height h (second: H2, C or G), in mils.
std::optional<double> lineImpedance(int topology, double w, double h, double second)
{
    switch (topology) {
    case 0: {
        const MicrostripResult r = MicrostripLine(w, h, t, er, 0.0, h * 0.0254);
        return valid(r.valid, r.z);
    }
    case 1: {
        const EmbeddedMicrostripResult r = EmbeddedMicrostripLine(w, h + second + t, h, t, er);
        return valid(r.valid, r.z);
    }
    case 2: {
        const StriplineResult r = SymmetricStriplineLine(w, h, t, er);
        return valid(r.valid, r.z);
    }
    case 3: {
        const OffsetStriplineResult r = OffsetStriplineLine(w, h, h + second, t, er);
        return valid(r.valid, r.z);
    }
    case 4: {
        const StriplineResult r = DualStriplineLine(w, h, second, t, er);
        return valid(r.valid, r.z);
    }
    default: {
        const CoplanarResult r = GroundedCoplanarLine(w, h, second, er);
        return valid(r.valid, r.z);
    }
    }
}

} // namespace

void WidthSolverModelTest::singleLines_data()
{
    QTest::addColumn<int>("topology");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("w");
    const char *const names[] = {"microstrip", "embedded", "stripline",
                                 "offset",     "dual",     "coplanar"};
    for (int topology = 0; topology < 6; ++topology)
        for (double h : {5.0, 10.0, 20.0})
            for (double w : {3.0, 8.0, 15.0})
                QTest::addRow("%s H=%g W=%g", names[topology], h, w) << topology << h << w;
}

void WidthSolverModelTest::singleLines()
{
    QFETCH(int, topology);
    QFETCH(double, h);
    QFETCH(double, w);
    const double second = 8;
    const std::optional<double> z = lineImpedance(topology, w, h, second);
    if (!z)
        QSKIP("no closed-form value for this stack-up");
    const WidthSolution s = solveForImpedance(
        [&](double x) { return lineImpedance(topology, x, h, second); }, *z, 0.01 * h, 20 * h);
    QVERIFY(s.reached);
    // Display precision: widths to four decimals, impedances to three.
    QVERIFY2(std::abs(s.value - w) < 5e-5, qPrintable(QString::number(s.value, 'g', 12)));
    QVERIFY(std::abs(*lineImpedance(topology, s.value, h, second) - *z) < 5e-4);
}

void WidthSolverModelTest::pairs_data()
{
    QTest::addColumn<bool>("solveSpacing");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("known");
    QTest::addColumn<double>("unknown");
    for (bool spacing : {false, true})
        for (double h : {8.0, 15.0})
            for (double known : {5.0, 10.0})
                for (double unknown : {4.0, 9.0})
                    QTest::addRow("%s H=%g known=%g value=%g", spacing ? "spacing" : "width", h,
                                  known, unknown)
                        << spacing << h << known << unknown;
}

void WidthSolverModelTest::pairs()
{
    QFETCH(bool, solveSpacing);
    QFETCH(double, h);
    QFETCH(double, known);
    QFETCH(double, unknown);
    const auto zdiff = [&](double x) -> std::optional<double> {
        const double w = solveSpacing ? known : x;
        const double s = solveSpacing ? x : known;
        const CoupledPairResult r = EdgeCoupledMicrostrip(w, s, h, t, er);
        return valid(r.valid, r.zdiff);
    };
    const std::optional<double> target = zdiff(unknown);
    QVERIFY(target);
    const WidthSolution s = solveForImpedance(zdiff, *target, 0.01 * h, 20 * h);
    QVERIFY(s.reached);
    QVERIFY2(std::abs(s.value - unknown) < 5e-5, qPrintable(QString::number(s.value, 'g', 12)));
}

void WidthSolverModelTest::unreachableTargetNamesTheRange()
{
    const auto z = [](double w) { return lineImpedance(0, w, 10, 0); };
    const WidthSolution s = solveForImpedance(z, 1000, 0.1, 200);
    QVERIFY(!s.reached);
    QVERIFY(s.anyValid);
    QCOMPARE(s.lowest, *z(200));
    QCOMPARE(s.highest, *z(0.1));
}

void WidthSolverModelTest::invalidGeometryIsNeverTheAnswer()
{
    // Valid only from 5 on; the target lies where the model has no value.
    const auto z = [](double w) -> std::optional<double> {
        if (w < 5)
            return std::nullopt;
        return 100 / w;
    };
    const WidthSolution low = solveForImpedance(z, 30, 1, 100);
    QVERIFY(!low.reached);
    // The reachable range is what the valid samples gave, just under 100 / 5.
    QVERIFY(low.highest <= 20.0 && low.highest > 19.5);
    const WidthSolution inRange = solveForImpedance(z, 10, 1, 100);
    QVERIFY(inRange.reached);
    QVERIFY(std::abs(inRange.value - 10) < 1e-6);
}

QTEST_APPLESS_MAIN(WidthSolverModelTest)
#include "tst_width_solver_model.moc"
