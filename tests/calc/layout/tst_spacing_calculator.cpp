#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;

class SpacingCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void tableLookUp_data();
    void tableLookUp();
    void perVolt_data();
    void perVolt();
    void voltageBelow501_data();
    void voltageBelow501();
    void voltageBelow501RealBox();
    void staleVoltageNeverBlocksTheTable();
    void voltageEntryOnlyForTheTopBand();
    void pictureByDeviceType_data();
    void pictureByDeviceType();
    void unitSwitchRecomputes();
    void standardsBodyLink();
};

namespace {

void startSpacing(WindowFixture &f, bool metric)
{
    f.install({{setting::Program, "6"}, {setting::Units, metric ? "1" : "0"}});
    f.start();
}

bool shown(WindowFixture &f, const char *name)
{
    return !f.find<QWidget>(name)->isHidden();
}

} // namespace

void SpacingCalculatorTest::defaults_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("spacing");
    QTest::newRow("imperial") << false << "1.97 mils";
    QTest::newRow("metric") << true << "0.05 mm";
}

void SpacingCalculatorTest::defaults()
{
    QFETCH(bool, metric);
    QFETCH(QString, spacing);
    WindowFixture f;
    startSpacing(f, metric);
    QCOMPARE(f.window().ActiveCalculator, 6);
    QCOMPARE(f.text("Edit51"), spacing);
    QCOMPARE(f.text("Edit79"), "501");
    QVERIFY(!f.find<QWidget>("Edit79")->isEnabled());
    QVERIFY(!f.find<QWidget>("Label21")->isEnabled());
    QVERIFY(f.window().RadioGroup6->isEnabled());
    QVERIFY(f.window().options()->Button1->isEnabled());
    QVERIFY(shown(f, "Image38"));
    QVERIFY(!shown(f, "Label168"));
    QCOMPARE(f.text("Label56"), "N/A");
    QCOMPARE(f.messages.take(), QStringList());
}

// IPC-2221B table 6-1.
void SpacingCalculatorTest::tableLookUp_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("spacing");
    QTest::newRow("301 - 500V, A6, mm") << 8 << 5 << true << "1.50 mm";
    QTest::newRow("301 - 500V, A6, mils") << 8 << 5 << false << "59.06 mils";
    QTest::newRow("251 - 300V, B3, mm") << 7 << 2 << true << "12.50 mm";
    QTest::newRow("251 - 300V, A7, mils") << 7 << 6 << false << "31.50 mils";
    QTest::newRow("16 - 30V, A6, mils") << 1 << 5 << false << "9.84 mils";
    QTest::newRow("51 - 100V, B2, mm") << 3 << 1 << true << "0.60 mm";
}

void SpacingCalculatorTest::tableLookUp()
{
    QFETCH(int, band);
    QFETCH(int, type);
    QFETCH(bool, metric);
    QFETCH(QString, spacing);
    WindowFixture f;
    startSpacing(f, metric);
    f.clickRadio("RadioGroup9", band);
    f.clickRadio("RadioGroup10", type);
    QCOMPARE(f.text("Edit51"), spacing);
    QCOMPARE(f.messages.take(), QStringList());
}

// (V - 500) x increment + base, in both decimal modes.
void SpacingCalculatorTest::perVolt_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("spacing");
    QTest::newRow("501 V, B1, mils") << false << false << 0 << "501"
                                     << "9.9409 mils";
    QTest::newRow("501 V, B1, mm") << false << true << 0 << "501"
                                   << "0.2525 mm";
    QTest::newRow("1000 V, B3, mils") << false << false << 2 << "1000"
                                      << "984.2520 mils";
    QTest::newRow("1000 V, B3, mm") << false << true << 2 << "1000"
                                    << "25.0000 mm";
    QTest::newRow("comma: 600,4 V, A6, mm") << true << true << 5 << "600,4"
                                            << "1.8062 mm";
    QTest::newRow("comma: 1e3 V, B2, mils") << true << false << 1 << "1e3"
                                            << "196.8502 mils";
}

void SpacingCalculatorTest::perVolt()
{
    QFETCH(bool, comma);
    QFETCH(bool, metric);
    QFETCH(int, type);
    QFETCH(QString, volts);
    QFETCH(QString, spacing);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    startSpacing(f, metric);
    f.clickRadio("RadioGroup10", type);
    f.clickRadio("RadioGroup9", 9);
    QVERIFY(f.find<QWidget>("Edit79")->isEnabled());
    QVERIFY(f.find<QWidget>("Label21")->isEnabled());
    f.enter("Edit79", volts);
    QCOMPARE(f.text("Edit51"), spacing);
    QCOMPARE(f.messages.take(), QStringList());
}

void SpacingCalculatorTest::voltageBelow501_data()
{
    QTest::addColumn<QString>("volts");
    QTest::newRow("500") << "500";
    QTest::newRow("500.99") << "500.99";
    QTest::newRow("negative") << "-1000";
}

// The message, the box back to 501, and the spacing of 501 V in the same pass.
void SpacingCalculatorTest::voltageBelow501()
{
    QFETCH(QString, volts);
    WindowFixture f;
    startSpacing(f, false);
    f.clickRadio("RadioGroup9", 9);
    f.enter("Edit79", volts);
    QCOMPARE(f.messages.take(), QStringList{"info: Voltage must be equal to or greater than 501V"});
    QCOMPARE(f.text("Edit79"), "501");
    QCOMPARE(f.text("Edit51"), "9.9409 mils");
}

void SpacingCalculatorTest::voltageBelow501RealBox()
{
    WindowFixture f;
    f.useRealMessageBoxes();
    startSpacing(f, true);
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    f.clickRadio("RadioGroup9", 9);
    f.enter("Edit79", "400");
    QCOMPARE(f.messages.take(), QStringList{"info: Voltage must be equal to or greater than 501V"});
    QCOMPARE(f.boxes.onScreen, QStringList{"Voltage must be equal to or greater than 501V"});
    QCOMPARE(f.text("Edit51"), "0.2525 mm");
}

// A text left in the disabled voltage box neither blocks nor warns the table bands.
void SpacingCalculatorTest::staleVoltageNeverBlocksTheTable()
{
    WindowFixture f;
    startSpacing(f, false);
    f.clickRadio("RadioGroup9", 9);
    f.enter("Edit79", "12x");
    QCOMPARE(f.messages.take(), QStringList{"error: '12x' is not a valid floating point value"});
    f.clickRadio("RadioGroup9", 8);
    QCOMPARE(f.text("Edit51"), "9.84 mils");
    f.clickRadio("RadioGroup10", 1);
    QTest::mouseClick(f.window().options()->Button1, Qt::LeftButton);
    QCOMPARE(f.text("Edit51"), "98.43 mils");
    QCOMPARE(f.text("Edit79"), "12x");
    QCOMPARE(f.messages.take(), QStringList());
}

void SpacingCalculatorTest::voltageEntryOnlyForTheTopBand()
{
    WindowFixture f;
    startSpacing(f, false);
    for (int band : {9, 3, 9, 0}) {
        f.clickRadio("RadioGroup9", band);
        QCOMPARE(f.find<QWidget>("Edit79")->isEnabled(), band == 9);
        QCOMPARE(f.find<QWidget>("Label21")->isEnabled(), band == 9);
    }
}

void SpacingCalculatorTest::pictureByDeviceType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("picture");
    QTest::newRow("B1") << 0 << "Image38";
    QTest::newRow("B2") << 1 << "Image39";
    QTest::newRow("B3") << 2 << "Image39";
    QTest::newRow("B4") << 3 << "Image37";
    QTest::newRow("A5") << 4 << "Image40";
    QTest::newRow("A6") << 5 << "Image41";
    QTest::newRow("A7") << 6 << "Image42";
}

void SpacingCalculatorTest::pictureByDeviceType()
{
    QFETCH(int, type);
    QFETCH(QString, picture);
    WindowFixture f;
    startSpacing(f, false);
    f.clickRadio("RadioGroup10", type == 0 ? 6 : 0);
    f.clickRadio("RadioGroup10", type);
    for (const char *name : {"Image37", "Image38", "Image39", "Image40", "Image41", "Image42"})
        QCOMPARE(shown(f, name), picture == name);
    QCOMPARE(shown(f, "Label168"), type == 2);
    QCOMPARE(f.text("Label168"), "+3050m");
}

void SpacingCalculatorTest::unitSwitchRecomputes()
{
    WindowFixture f;
    startSpacing(f, false);
    f.clickRadio("RadioGroup10", 2);
    f.clickRadio("RadioGroup9", 9);
    f.enter("Edit79", "1000");
    QCOMPARE(f.text("Edit51"), "984.2520 mils");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.text("Edit79"), "1000");
    QCOMPARE(f.text("Edit51"), "25.0000 mm");
    f.clickRadio("RadioGroup9", 4);
    QCOMPARE(f.text("Edit51"), "3.20 mm");
}

void SpacingCalculatorTest::standardsBodyLink()
{
    WindowFixture f;
    startSpacing(f, false);
    auto *link = f.find<LinkLabel>("Label158");
    QCOMPARE(link->text(), "IPC-2221B Values");
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(f.desktop.opened, QStringList{"https://www.ipc.org"});
}

QTEST_MAIN(SpacingCalculatorTest)
#include "tst_spacing_calculator.moc"
