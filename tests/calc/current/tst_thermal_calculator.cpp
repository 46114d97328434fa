#include "calc/current/thermal_panel.h"
#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;

namespace {

ThermalCalculator &thermal(WindowFixture &f)
{
    return dynamic_cast<ThermalCalculator &>(f.window().calculator(11));
}

void startThermal(WindowFixture &f, const QString &units = "0")
{
    f.install({{setting::Program, "11"}, {setting::Units, units}});
    f.start();
}

} // namespace

class ThermalCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void entries_data();
    void entries();
    void ambientControls();
    void overflowShowsOneRealBox();
    void commaMode();
    void notANumberKeepsLaterResult();
};

// clang-format off
void ThermalCalculatorTest::defaults_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("units");
    QTest::newRow("stored choice at start") << "start" << "0";
    QTest::newRow("stored choice, metric") << "start" << "1";
    QTest::newRow("menu") << "menu" << "0";
    QTest::newRow("tab") << "tab" << "1";
}
// clang-format on

void ThermalCalculatorTest::defaults()
{
    QFETCH(QString, how);
    QFETCH(QString, units);
    WindowFixture f;
    f.install({{setting::Program, how == "start" ? "11" : "1"}, {setting::Units, units}});
    TForm1 &w = f.start();
    if (how == "menu")
        w.menuItems[11]->trigger();
    else if (how == "tab")
        f.clickTab(11);
    ThermalCalculator &c = thermal(f);

    QCOMPARE(w.ActiveCalculator, 11);
    QCOMPARE(w.TabControl1->tabIndex(), 11);
    QCOMPARE(f.stored(setting::Program), "11");
    QVERIFY(!c.GroupBox27->isHidden());
    QCOMPARE(c.GroupBox27->title(), " Thermal Management ");
    QCOMPARE(c.GroupBox28->title(), " Device Junction Temperature ");
    QCOMPARE(c.GroupBox29->title(), " Heat Sink Selection ");
    QCOMPARE(f.text("Edit116"), "3");
    QCOMPARE(f.text("Edit117"), "5");
    QCOMPARE(f.text("Edit121"), "25");
    QCOMPARE(f.text("Edit124"), "5");
    QCOMPARE(f.text("Edit118"), "°C/W");
    QCOMPARE(f.text("Edit120"), "Watts");
    QCOMPARE(f.text("Edit122"), "°C/W");
    QCOMPARE(f.text("Edit125"), "Watts");
    for (Edit *box : {c.Edit116, c.Edit117, c.Edit121, c.Edit124})
        QCOMPARE(box->maxLength(), 8);
    QCOMPARE(c.Edit121->toolTip(), "Enter the thermal resistance of the heatsink.");
    // The unit system has no part in either temperature.
    QCOMPARE(f.text("Edit119"), "37.000 °C");
    QCOMPARE(f.text("Edit123"), "147.000 °C");

    QVERIFY(!w.RadioGroup6->isEnabled());
    QVERIFY(w.options()->Edit2->isEnabled());
    QVERIFY(!w.options()->RadioGroup3->isEnabled());
    for (const char *label : {"Label56", "Label110", "Label285", "Label72", "Label27", "Label28"})
        QCOMPARE(f.text(label), "N/A");
    QCOMPARE(f.messages.take(), QStringList());
}

// clang-format off
void ThermalCalculatorTest::entries_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("sink");
    QTest::newRow("negative device power") << "Edit117" << "-5" << "7.000 °C" << "147.000 °C";
    QTest::newRow("negative sink resistance") << "Edit121" << "-25" << "37.000 °C" << "-103.000 °C";
    QTest::newRow("fractions") << "Edit124" << "0.125" << "37.000 °C" << "25.125 °C";
    QTest::newRow("coldest ambient") << "Edit2" << "-80" << "-65.000 °C" << "45.000 °C";
    QTest::newRow("exponent") << "Edit116" << "1e1" << "72.000 °C" << "147.000 °C";
}
// clang-format on

void ThermalCalculatorTest::entries()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    WindowFixture f;
    startThermal(f);
    f.enter(box, typed);
    QTEST(f.text("Edit119"), "device");
    QTEST(f.text("Edit123"), "sink");
    QCOMPARE(f.messages.take(), QStringList());
}

void ThermalCalculatorTest::ambientControls()
{
    WindowFixture f;
    startThermal(f);
    OptionsPanel &o = *f.window().options();
    o.UpDown2->step(1);
    QCOMPARE(f.text("Edit2"), "23");
    QCOMPARE(f.text("Edit119"), "38.000 °C");
    QCOMPARE(f.text("Edit123"), "148.000 °C");
    f.enter("Edit2", "250");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Maximum ambient temperature can't be greater than 200C"});
    QCOMPARE(f.text("Edit2"), "200");
    QCOMPARE(f.text("Edit119"), "215.000 °C");
    QCOMPARE(f.text("Edit123"), "325.000 °C");
    QCOMPARE(f.text("Label27"), "N/A");
}

// A product beyond the double range is reported, never shown as "inf".
void ThermalCalculatorTest::overflowShowsOneRealBox()
{
    WindowFixture f;
    f.install({{setting::Program, "11"}});
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.typeText("Edit116", "1e308");
    f.find<QLineEdit>("Edit117")->setFocus(Qt::MouseFocusReason);
    f.enter("Edit117", "10");
    // Refused before any formula sees it: one plain message, the results of the last pass kept.
    const QString refused =
        "Device Thermal Resistance: '1e308' is out of range. Enter 0 or a size from 1E-9 to 1E12.";
    QCOMPARE(f.boxes.onScreen, QStringList{refused});
    QCOMPARE(f.messages.take(), QStringList{"info: " + refused});
    QCOMPARE(f.text("Edit119"), "37.000 °C");
    QCOMPARE(f.text("Edit123"), "147.000 °C");
}

void ThermalCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    startThermal(f);
    f.enter("Edit116", "2,5");
    QCOMPARE(f.text("Edit119"), "34.500 °C");
    f.enter("Edit124", "0,2");
    QCOMPARE(f.text("Edit123"), "27.000 °C");
    QCOMPARE(f.messages.take(), QStringList());
    f.enter("Edit117", "1.5");
    QCOMPARE(f.messages.take(), QStringList{"error: '1.5' is not a valid floating point value"});
}

void ThermalCalculatorTest::notANumberKeepsLaterResult()
{
    WindowFixture f;
    startThermal(f);
    f.typeText("Edit116", "4");
    f.enter("Edit121", "x");
    QCOMPARE(f.messages.take(), QStringList{"error: 'x' is not a valid floating point value"});
    QCOMPARE(f.text("Edit119"), "42.000 °C");
    QCOMPARE(f.text("Edit123"), "147.000 °C");
}

QTEST_MAIN(ThermalCalculatorTest)
#include "tst_thermal_calculator.moc"
