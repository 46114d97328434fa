#include "tests/support/window_fixture.h"
#include "ui/entry_ranges.h"

using namespace tw;
using namespace tw::test;

// Numbers no formula can take are refused by name before any computation sees them.
class EntryRangesTest : public QObject {
    Q_OBJECT

private slots:
    void range_data();
    void range();
    void refusedByName_data();
    void refusedByName();
};

void EntryRangesTest::range_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("zero") << 0.0 << true;
    QTest::newRow("least") << 1e-9 << true;
    QTest::newRow("below least") << 0.9e-9 << false;
    QTest::newRow("most, negative") << -1e12 << true;
    QTest::newRow("above most") << 1.1e12 << false;
    QTest::newRow("denormal") << 4.9e-324 << false;
}

void EntryRangesTest::range()
{
    QFETCH(double, value);
    QTEST(withinEntryRange(value), "accepted");
}

void EntryRangesTest::refusedByName_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("range");
    QTest::newRow("via hole") << "0"
                              << "Edit3"
                              << "1e308"
                              << "Via Hole Diameter"
                              << "Edit10"
                              << "1E-9 to 1E12";
    QTest::newRow("conductor width") << "1"
                                     << "Edit15"
                                     << "1e-301"
                                     << "Conductor Width"
                                     << "Edit17"
                                     << "1E-9 to 1E12";
    QTest::newRow("pair height") << "3"
                                 << "Edit27"
                                 << "1e-320"
                                 << "Conductor Height (H)"
                                 << "Edit29"
                                 << "1E-9 to 1E12";
    QTest::newRow("impedance height") << "7"
                                      << "Edit68"
                                      << "4.9e-324"
                                      << "Conductor Height (H)"
                                      << "Edit70"
                                      << "1E-9 to 1E12";
    QTest::newRow("PPM centre frequency") << "14"
                                          << "Edit170"
                                          << "1e308"
                                          << "Center Frequency"
                                          << "Edit173"
                                          << "1E-9 to 1E12";
    // The substrate's dielectric constant, typed within its limit of 8 characters.
    QTest::newRow("Er on the impedance calculator") << "7"
                                                    << "Edit7"
                                                    << "99999999"
                                                    << "Er"
                                                    << "Edit70"
                                                    << "1E-9 to 1E4";
}

void EntryRangesTest::refusedByName()
{
    QFETCH(QString, program);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(QString, result);
    QFETCH(QString, range);
    WindowFixture f;
    f.install({{setting::Program, program}});
    f.useRealMessageBoxes();
    f.start();
    const QString before = f.text(result);
    f.enter(box, text);
    const QString message =
        QString("%1: '%2' is out of range. Enter 0 or a size from %3.").arg(name, text, range);
    QCOMPARE(f.messages.take(), QStringList{"info: " + message});
    QCOMPARE(f.boxes.onScreen, QStringList{message});
    QCOMPARE(f.text(box), text);
    QCOMPARE(f.text(result), before);
}

QTEST_MAIN(EntryRangesTest)
#include "tst_entry_ranges.moc"
