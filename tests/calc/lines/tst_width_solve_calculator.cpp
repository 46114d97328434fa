#include "tests/support/window_fixture.h"

#include <cmath>

using namespace tw;
using namespace tw::test;

// Solving for the width on the impedance calculator: a target Zo in, the width written and
// every result recalculated for it.
class WidthSolveCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void unreachableTargetChangesNothing();
    void commaMode();
    void pairRoundTrip_data();
    void pairRoundTrip();
    void pairUnreachableTarget();
};

namespace {

void startImpedance(WindowFixture &f, int units = 0)
{
    f.install({{setting::Program, "7"}, {setting::Units, QString::number(units)}});
    f.start();
}

void solve(WindowFixture &f)
{
    QTest::mouseClick(f.find<QAbstractButton>("SolveForW"), Qt::LeftButton);
}

} // namespace

void WidthSolveCalculatorTest::roundTrip_data()
{
    QTest::addColumn<int>("topology");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("width");
    const char *const names[] = {"microstrip", "embedded", "stripline",
                                 "offset",     "dual",     "coplanar"};
    for (int topology = 0; topology < 6; ++topology) {
        QTest::addRow("%s imperial", names[topology]) << topology << 0 << "8";
        QTest::addRow("%s metric", names[topology]) << topology << 1 << "0.2";
    }
}

void WidthSolveCalculatorTest::roundTrip()
{
    QFETCH(int, topology);
    QFETCH(int, units);
    QFETCH(QString, width);
    WindowFixture f;
    startImpedance(f, units);
    f.clickRadio("RadioGroup3", topology);
    f.enter("Edit67", width);
    const QString shown = f.text("Edit70");
    const QString target = shown.section(' ', 0, 0);
    f.enter("Edit67", units ? "0.1" : "4");
    f.typeText("TargetZo", target);
    solve(f);
    QCOMPARE(f.messages.take(), QStringList());
    // The target is known only to its shown decimals, so is the width that gives it.
    const double solved = f.text("Edit67").toDouble();
    QVERIFY2(std::abs(solved / width.toDouble() - 1) < 1e-4, qPrintable(f.text("Edit67")));
    QCOMPARE(f.text("Edit70"), shown);
}

void WidthSolveCalculatorTest::unreachableTargetChangesNothing()
{
    WindowFixture f;
    f.useRealMessageBoxes();
    startImpedance(f);
    const QString before = f.text("Edit70");
    f.typeText("TargetZo", "500");
    solve(f);
    const QStringList shown = f.messages.take();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith("info: No conductor width gives 500.0 Ohms: ") &&
                 shown.first().endsWith(" Ohms for this stack-up"),
             qPrintable(shown.first()));
    QCOMPARE(f.boxes.onScreen.size(), 1);
    QCOMPARE(f.text("Edit67"), "5");
    QCOMPARE(f.text("Edit70"), before);
}

void WidthSolveCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    startImpedance(f);
    f.enter("Edit67", "7,5");
    const QString shown = f.text("Edit70");
    f.enter("Edit67", "5");
    f.typeText("TargetZo", shown.section(' ', 0, 0).replace('.', ','));
    solve(f);
    QCOMPARE(f.messages.take(), QStringList());
    QCOMPARE(f.text("Edit67"), "7,5");
    QCOMPARE(f.text("Edit70"), shown);
}

void WidthSolveCalculatorTest::pairRoundTrip_data()
{
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("spacing");
    QTest::addColumn<QString>("value");
    const char *const names[] = {"external", "symmetric", "offset",
                                 "embedded", "shielded",  "unshielded"};
    for (int arrangement = 0; arrangement < 6; ++arrangement)
        for (bool spacing : {false, true})
            QTest::addRow("%s %s", names[arrangement], spacing ? "spacing" : "width")
                << arrangement << 0 << spacing << "8";
    QTest::newRow("external width metric") << 0 << 1 << false << "0.2";
    QTest::newRow("symmetric spacing metric") << 1 << 1 << true << "0.2";
}

void WidthSolveCalculatorTest::pairRoundTrip()
{
    QFETCH(int, arrangement);
    QFETCH(int, units);
    QFETCH(bool, spacing);
    QFETCH(QString, value);
    WindowFixture f;
    f.install({{setting::Program, "3"}, {setting::Units, QString::number(units)}});
    f.start();
    f.clickRadio("RadioGroup3", arrangement);
    f.clickRadio("SolvePairFor", spacing ? 1 : 0);
    const QString box = spacing ? "Edit26" : "Edit21";
    f.enter(box, value);
    const QString shown = f.text("Edit29");
    f.typeText("Edit151", shown.section(' ', 0, 0));
    f.enter(box, units ? "0.1" : "4");
    f.messages.take();
    QTest::mouseClick(f.find<QAbstractButton>("SolvePair"), Qt::LeftButton);
    QCOMPARE(f.messages.take(), QStringList());
    QVERIFY2(std::abs(f.text(box).toDouble() / value.toDouble() - 1) < 1e-3,
             qPrintable(f.text(box)));
    QCOMPARE(f.text("Edit29"), shown);
}

void WidthSolveCalculatorTest::pairUnreachableTarget()
{
    WindowFixture f;
    f.install({{setting::Program, "3"}});
    f.start();
    const QString before = f.text("Edit29");
    f.typeText("Edit151", "900");
    QTest::mouseClick(f.find<QAbstractButton>("SolvePair"), Qt::LeftButton);
    const QStringList shown = f.messages.take();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith("info: No conductor width gives 900.0 Ohms: "),
             qPrintable(shown.first()));
    QCOMPARE(f.text("Edit21"), "10");
    QCOMPARE(f.text("Edit29"), before);
}

QTEST_MAIN(WidthSolveCalculatorTest)
#include "tst_width_solve_calculator.moc"
