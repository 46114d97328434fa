#include "calc/current/current_capacity.h"
#include "calc/current/fusing.h"

#include <QtTest>

using namespace tw;

// Expected texts are the results to the last decimal the calculator shows: the calculator's
// worked examples ("worked") or the reduced relation evaluated by hand in python3.
class TstFusingModel : public QObject {
    Q_OBJECT

private slots:
    void fusing_data();
    void fusing();
};

// clang-format off
void TstFusingModel::fusing_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("current");

    QTest::newRow("worked: 10 mils of 2.1 mils, 1 s") << 10.0 << 2.1 << 1.0 << false << "21.00"
                                                      << "3.9480";
    QTest::newRow("worked: 4 s halves the current") << 10.0 << 2.1 << 4.0 << false << "21.00"
                                                    << "1.9740";
    // worked: 0.188 * 0.013462 * 1550 is 3.922827, shown 3.9228 (not 3.9229).
    QTest::newRow("worked: 0.254 mm of 0.053 mm, 1 s") << 0.254 << 0.053 << 1.0 << true
                                                       << "0.013" << "3.9228";
    QTest::newRow("python3: 25 mils of 1.4 mils, 0.5 s") << 25.0 << 1.4 << 0.5 << false
                                                         << "35.00" << "9.3055";
    QTest::newRow("python3: 1 mm of 0.035 mm, 10 s") << 1.0 << 0.035 << 10.0 << true << "0.035"
                                                     << "3.2252";
}
// clang-format on

void TstFusingModel::fusing()
{
    QFETCH(double, width);
    QFETCH(double, thickness);
    QFETCH(double, seconds);
    QFETCH(bool, metric);
    const double area = current::conductorCrossSection(current::EtchFactor::None, width, thickness);
    QTEST(QString::asprintf(metric ? "%.3f" : "%.2f", area), "area");
    const double sqMils = metric ? current::sqMmToSqMils(area) : area;
    QTEST(QString::asprintf("%.4f", fusing::fusingCurrent(sqMils, seconds)), "current");
}

QTEST_APPLESS_MAIN(TstFusingModel)
#include "tst_fusing_model.moc"
