#include "calc/layout/padstack.h"
#include "calc/layout/padstack_tables.h"

#include <QtTest>

#include <cmath>

using namespace tw::padstack;

class TstPadstackModel : public QObject {
    Q_OBJECT

private slots:
    void plated_data();
    void plated();
    void nonPlated_data();
    void nonPlated();
    void conductorBetweenPads_data();
    void conductorBetweenPads();
    void conductorBetweenLands_data();
    void conductorBetweenLands();
    void cornerToCorner_data();
    void cornerToCorner();
    void spokeWidth_data();
    void spokeWidth();
    void bgaLands_data();
    void bgaLands();
    void holeTypes();
};

namespace {

bool near(double a, double b)
{
    return std::fabs(a - b) < 1e-9;
}

} // namespace

// pad = d + 2 ring, relief = pad + 2 isolation, by hand.
void TstPadstackModel::plated_data()
{
    QTest::addColumn<double>("drill");
    QTest::addColumn<double>("ring");
    QTest::addColumn<double>("isolation");
    QTest::addColumn<double>("pad");
    QTest::addColumn<double>("relief");
    QTest::newRow("32 / 12 / 12 mils") << 32.0 << 12.0 << 12.0 << 56.0 << 80.0;
    QTest::newRow("0.8128 / 0.3048 / 0.3048 mm") << 0.8128 << 0.3048 << 0.3048 << 1.4224 << 2.032;
    QTest::newRow("1 mil, the lower limit") << 1.0 << 12.0 << 12.0 << 25.0 << 49.0;
    QTest::newRow("no ring") << 20.0 << 0.0 << 5.0 << 20.0 << 30.0;
}

void TstPadstackModel::plated()
{
    QFETCH(double, drill);
    QFETCH(double, ring);
    QFETCH(double, isolation);
    QFETCH(double, pad);
    QFETCH(double, relief);
    const PlatedPad p = platedPad(drill, ring, isolation);
    QVERIFY(near(p.pad, pad));
    QVERIFY(near(p.reliefOuter, relief));
}

// One rule in both unit systems: pad = d + 2 ring, clearance = pad + isolation.
void TstPadstackModel::nonPlated_data()
{
    QTest::addColumn<double>("drill");
    QTest::addColumn<double>("ring");
    QTest::addColumn<double>("isolation");
    QTest::addColumn<double>("pad");
    QTest::addColumn<double>("clearance");
    QTest::newRow("NP MTG #4, mils") << 136.0 << 12.0 << 12.0 << 160.0 << 172.0;
    QTest::newRow("NP MTG #4, mm: the same hole") << 3.4544 << 0.3048 << 0.3048 << 4.064 << 4.3688;
    QTest::newRow("Std Tooling, 7 / 5 mils") << 125.0 << 7.0 << 5.0 << 139.0 << 144.0;
}

void TstPadstackModel::nonPlated()
{
    QFETCH(double, drill);
    QFETCH(double, ring);
    QFETCH(double, isolation);
    QFETCH(double, pad);
    QFETCH(double, clearance);
    const NonPlatedPad p = nonPlatedPad(drill, ring, isolation);
    QVERIFY(near(p.hole, drill));
    QVERIFY(near(p.pad, pad));
    QVERIFY(near(p.clearance, clearance));
}

// P = D - (2 S + W), ring = (P - h) / 2, too small when 2 r + h > P; by hand.
void TstPadstackModel::conductorBetweenPads_data()
{
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("hole");
    QTest::addColumn<double>("minRing");
    QTest::addColumn<double>("maxPad");
    QTest::addColumn<double>("ring");
    QTest::addColumn<bool>("tooSmall");
    QTest::newRow("100 mil pitch") << 100.0 << 12.0 << 12.0 << 32.0 << 7.0 << 64.0 << 16.0 << false;
    QTest::newRow("ring 17: 66 > 64")
        << 100.0 << 12.0 << 12.0 << 32.0 << 17.0 << 64.0 << 16.0 << true;
    QTest::newRow("ring 16: exactly 64")
        << 100.0 << 12.0 << 12.0 << 32.0 << 16.0 << 64.0 << 16.0 << false;
    QTest::newRow("2.54 mm pitch")
        << 2.54 << 0.3048 << 0.3048 << 0.8128 << 0.1778 << 1.6256 << 0.4064 << false;
    QTest::newRow("pitch too small: negative pad")
        << 30.0 << 12.0 << 12.0 << 32.0 << 7.0 << -6.0 << -19.0 << true;
}

void TstPadstackModel::conductorBetweenPads()
{
    QFETCH(double, pitch);
    QFETCH(double, width);
    QFETCH(double, spacing);
    QFETCH(double, hole);
    QFETCH(double, minRing);
    QFETCH(double, maxPad);
    QFETCH(double, ring);
    QFETCH(bool, tooSmall);
    const ConductorBetweenPads fit =
        tw::padstack::conductorBetweenPads(pitch, width, spacing, hole, minRing);
    QVERIFY(near(fit.maxPad, maxPad));
    QVERIFY(near(fit.ring, ring));
    QCOMPARE(fit.padTooSmall, tooSmall);
}

// P - L - 2 S, by hand.
void TstPadstackModel::conductorBetweenLands_data()
{
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("land");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("width");
    QTest::newRow("40 / 13 / 4 mils") << 40.0 << 13.0 << 4.0 << 19.0;
    QTest::newRow("1.00 / 0.45 / 0.1016 mm") << 1.0 << 0.45 << 0.1016 << 0.3468;
    QTest::newRow("no room: negative") << 20.0 << 13.0 << 4.0 << -1.0;
}

void TstPadstackModel::conductorBetweenLands()
{
    QFETCH(double, pitch);
    QFETCH(double, land);
    QFETCH(double, spacing);
    QFETCH(double, width);
    QVERIFY(near(tw::padstack::conductorBetweenLands(pitch, land, spacing), width));
}

// c = sqrt(a^2 + b^2); drills c + 2 and c + 11 mils to a whole mil, c + 0.0508 and c + 0.2794
// mm to 0.001 mm, ties to even (python3 round() by hand).
void TstPadstackModel::cornerToCorner_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<double>("diagonal");
    QTest::addColumn<double>("minDrill");
    QTest::addColumn<double>("maxDrill");
    QTest::newRow("100 x 100 mils") << 100.0 << 100.0 << false << 141.4213562373 << 143.0 << 152.0;
    QTest::newRow("2.54 x 2.54 mm") << 2.54 << 2.54 << true << 3.5921024484 << 3.643 << 3.872;
    QTest::newRow("30 x 40 mils") << 30.0 << 40.0 << false << 50.0 << 52.0 << 61.0;
    QTest::newRow("tie: 0.5 + 2 goes to 2") << 0.5 << 0.0 << false << 0.5 << 2.0 << 12.0;
    QTest::newRow("tie: 1.5 + 2 goes to 4") << 1.5 << 0.0 << false << 1.5 << 4.0 << 12.0;
    QTest::newRow("0.6 x 0.8 mm") << 0.6 << 0.8 << true << 1.0 << 1.051 << 1.279;
}

void TstPadstackModel::cornerToCorner()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, metric);
    QFETCH(double, diagonal);
    QFETCH(double, minDrill);
    QFETCH(double, maxDrill);
    const CornerDrill d = tw::padstack::cornerToCorner(a, b, metric);
    QVERIFY(std::fabs(d.diagonal - diagonal) < 1e-9);
    QVERIFY2(near(d.minDrill, minDrill), qPrintable(QString::number(d.minDrill, 'g', 12)));
    QVERIFY2(near(d.maxDrill, maxDrill), qPrintable(QString::number(d.maxDrill, 'g', 12)));
}

// Spoke widths by finished hole; each upper bound belongs to its own row.
void TstPadstackModel::spokeWidth_data()
{
    QTest::addColumn<double>("drill");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("spoke");
    QTest::newRow("14") << 14.0 << false << "6 mils";
    QTest::newRow("14.01") << 14.01 << false << "8 mils";
    QTest::newRow("22") << 22.0 << false << "8 mils";
    QTest::newRow("32") << 32.0 << false << "10 mils";
    QTest::newRow("45") << 45.0 << false << "10 mils";
    QTest::newRow("65") << 65.0 << false << "15 mils";
    QTest::newRow("124") << 124.0 << false << "20 mils";
    QTest::newRow("124.5") << 124.5 << false << "25 mils";
    QTest::newRow("250") << 250.0 << false << "25 mils";
    QTest::newRow("0.3556 mm") << 0.3556 << true << "0.1524 mm";
    QTest::newRow("0.8128 mm") << 0.8128 << true << "0.254 mm";
    QTest::newRow("1.651 mm") << 1.651 << true << "0.381 mm";
    QTest::newRow("3.1496 mm") << 3.1496 << true << "0.508 mm";
    QTest::newRow("3.15 mm") << 3.15 << true << "0.635 mm";
}

void TstPadstackModel::spokeWidth()
{
    QFETCH(double, drill);
    QFETCH(bool, metric);
    QFETCH(QString, spoke);
    QCOMPARE(QString(tw::padstack::spokeWidth(drill, metric)), spoke);
}

// IPC-7351A BGA land table, every row.
void TstPadstackModel::bgaLands_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("ball");
    QTest::addColumn<QString>("land");
    QTest::addColumn<QString>("variation");
    const char *rows[][3] = {
        {"0.75", "0.55", "0.60 mm - 0.50"}, {"0.65", "0.50", "0.55 mm - 0.45"},
        {"0.60", "0.45", "0.50 mm - 0.40"}, {"0.55", "0.40", "0.45 mm - 0.35"},
        {"0.50", "0.40", "0.45 mm - 0.35"}, {"0.45", "0.35", "0.40 mm - 0.30"},
        {"0.40", "0.30", "0.35 mm - 0.25"}, {"0.35", "0.30", "0.35 mm - 0.25"},
        {"0.30", "0.25", "0.25 mm - 0.20"}, {"0.25", "0.20", "0.20 mm - 0.17"},
        {"0.20", "0.17", "0.20 mm - 0.14"}, {"0.17", "0.15", "0.18 mm - 0.12"},
        {"0.15", "0.13", "0.15 mm - 0.10"},
    };
    for (int i = 0; i < kBgaLands; ++i)
        QTest::addRow("%s mm ball", rows[i][0])
            << i << QString(rows[i][0]) + " mm" << QString(rows[i][1]) + " mm"
            << QString(rows[i][2]) + " mm";
}

void TstPadstackModel::bgaLands()
{
    QFETCH(int, row);
    QFETCH(QString, ball);
    QFETCH(QString, land);
    QFETCH(QString, variation);
    const BgaLand &entry = tw::padstack::bgaLands()[static_cast<std::size_t>(row)];
    QCOMPARE(QString(entry.ball), ball);
    QCOMPARE(QString(entry.land), land);
    QCOMPARE(QString(entry.variation), variation);
    // The land is smaller than its ball and lies within its own variation.
    const QStringList range = variation.split(" mm - ");
    const double nominal = land.chopped(3).toDouble();
    QVERIFY(nominal < ball.chopped(3).toDouble());
    QVERIFY(range[1].chopped(3).toDouble() <= nominal && nominal <= range[0].toDouble());
}

// Only "Custom" is plated; every metric drill is the inch drill x 25.4.
void TstPadstackModel::holeTypes()
{
    const QStringList items{"Custom",    "Std Tooling", "NP MTG #2", "NP MTG #4",
                            "NP MTG #6", "NP MTG #8",   "NP MTG #10"};
    for (int i = 0; i < kHoleTypes; ++i) {
        const HoleType &hole = tw::padstack::holeTypes()[static_cast<std::size_t>(i)];
        QCOMPARE(QString(hole.item), items[i]);
        QCOMPARE(hole.plated, i == 0);
        QVERIFY(near(QString(hole.drillMetric).toDouble(),
                     QString(hole.drillImperial).toDouble() * 0.0254));
    }
}

QTEST_APPLESS_MAIN(TstPadstackModel)
#include "tst_padstack_model.moc"
