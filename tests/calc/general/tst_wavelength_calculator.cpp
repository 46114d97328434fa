#include "tests/support/window_fixture.h"

#include <QPushButton>
#include <QSlider>

using namespace tw;
using namespace tw::test;

namespace {

void show(TForm1 &w)
{
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        qFatal("window not active");
}

void click(WindowFixture &f, const QString &button)
{
    f.find<QPushButton>(button)->click();
}

} // namespace

class WavelengthCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void entries_data();
    void entries();
    void refusals_data();
    void refusals();
    void roundTrip_data();
    void roundTrip();
    void frequencySentToErEffective_data();
    void frequencySentToErEffective();
    void badEntryIsNotSent();
};

void WavelengthCalculatorTest::defaults_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("wavelength");
    // Worked values: 10 ns at Er Eff 4 is 100 MHz, 149.896229 cm.
    QTest::newRow("imperial, stored") << "0"
                                      << "stored"
                                      << "59.01426 Inches";
    QTest::newRow("imperial, tab") << "0"
                                   << "tab"
                                   << "59.01426 Inches";
    QTest::newRow("metric, menu") << "1"
                                  << "menu"
                                  << "149.89623 cm";
}

void WavelengthCalculatorTest::defaults()
{
    QFETCH(QString, units);
    QFETCH(QString, way);
    WindowFixture f;
    f.install({{setting::Program, way == "stored" ? "16" : "14"}, {setting::Units, units}});
    TForm1 &w = f.start();
    if (way == "tab")
        f.clickTab(16);
    else if (way == "menu")
        w.menuItems[16]->trigger();
    QCOMPARE(w.ActiveCalculator, 16);
    QVERIFY(f.find<QGroupBox>("GroupBox22")->isVisibleTo(&w));
    QCOMPARE(f.stored(setting::Program), "16");
    QTEST(f.text("Edit104"), "wavelength");
    QCOMPARE(f.text("Label220"), "Period");
    QCOMPARE(f.text("Edit280"), "ns");
    QCOMPARE(f.text("Label222"), "Full Wave Length");
    RadioGroup *layer = w.options()->RadioGroup3;
    QVERIFY(!layer->isEnabled());
    QCOMPARE(layer->items(), (QStringList{"Microstrip", "Stripline"}));
    QCOMPARE(layer->itemIndex(), 0);
    QVERIFY(w.RadioGroup6->isEnabled());
    QVERIFY(!w.options()->Edit7->isEnabled());
    for (const char *link : {"Label160", "Label33", "Label164"})
        QTest::mouseClick(f.find<QLabel>(link), Qt::LeftButton);
    QCOMPARE(f.desktop.opened.size(), 3);
    QCOMPARE(f.messages.take(), QStringList());
}

void WavelengthCalculatorTest::entries_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unitText");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<QString>("inches");
    QTest::addColumn<QString>("centimetres");
    // clang-format off
    // python3 by hand: c / (sqrt(4) f) times the fraction.
    QTest::newRow("10 ps") << 0 << 1 << 0 << "10" << "Period" << "ps" << "Full Wave Length" << "0.05901 Inches" << "0.14990 cm";
    QTest::newRow("10 kept, read as MHz") << 1 << 0 << 0 << "10" << "Frequency" << "MHz" << "Full Wave Length" << "590.14263 Inches" << "1498.96229 cm";
    QTest::newRow("500 KHz, 3/4") << 1 << 1 << 1 << "500" << "Frequency" << "KHz" << "3/4 Wave Length" << "8852.13951 Inches" << "22484.43435 cm";
    QTest::newRow("2.4e9 Hz, 1/4") << 1 << 2 << 4 << "2.4e9" << "Frequency" << "Hz" << "1/4 Wave Length" << "0.61473 Inches" << "1.56142 cm";
    QTest::newRow("10 ns, 1/15 as 0.06666") << 0 << 0 << 6 << "10" << "Period" << "ns" << "1/15 Wave Length" << "3.93389 Inches" << "9.99208 cm";
    QTest::newRow("10 ns, 1/20") << 0 << 0 << 8 << "10" << "Period" << "ns" << "1/20 Wave Length" << "2.95071 Inches" << "7.49481 cm";
    // clang-format on
}

void WavelengthCalculatorTest::entries()
{
    QFETCH(int, method);
    QFETCH(int, unit);
    QFETCH(int, position);
    QFETCH(QString, value);
    for (const QString &units : {QString("0"), QString("1")}) {
        WindowFixture f;
        f.install({{setting::Program, "16"}, {setting::Units, units}});
        f.start();
        if (method != 0)
            f.clickRadio("RadioGroup22", method);
        QCOMPARE(f.find<RadioGroup>("RadioGroup21")->itemIndex(), 0);
        if (unit != 0)
            f.clickRadio("RadioGroup21", unit);
        auto *bar = f.find<QSlider>("TrackBar4");
        for (int i = 0; i < position; ++i)
            QTest::keyClick(bar, Qt::Key_Right);
        f.enter("Edit103", value);
        QTEST(f.text("Label220"), "caption");
        QTEST(f.text("Edit280"), "unitText");
        QTEST(f.text("Label222"), "fraction");
        QTEST(f.text("Edit104"), units == "1" ? "centimetres" : "inches");
        QCOMPARE(f.messages.take(), QStringList());
    }
}

void WavelengthCalculatorTest::refusals_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("wavelength");
    // clang-format off
    QTest::newRow("period 0") << 0 << "Edit103" << "0" << "Minimum period can't be less than or equal to 0" << "10" << "59.01426 Inches";
    QTest::newRow("frequency negative") << 1 << "Edit103" << "-5" << "Minimum frequency can't be less than or equal to 0" << "10" << "590.14263 Inches";
    QTest::newRow("Er Eff 0: air") << 0 << "Edit150" << "0" << "Minimum Er Eff value can't be less than or equal to 0" << "1" << "118.02853 Inches";
    // clang-format on
}

void WavelengthCalculatorTest::refusals()
{
    QFETCH(int, method);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, corrected);
    WindowFixture f;
    f.install({{setting::Program, "16"}});
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    show(w);
    if (method != 0)
        f.clickRadio("RadioGroup22", method);
    // Not read here: a bad text left by another calculator must not stop this one.
    w.options()->Edit7->setText("abc");
    f.enterRefused(box, typed, message, corrected);
    QTEST(f.text("Edit104"), "wavelength");
}

void WavelengthCalculatorTest::roundTrip_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("erEffective");
    QTest::addColumn<QString>("wavelength");
    // 500 MHz at the Er Eff shown, python3 by hand. The metric copper of the table (53 um) is a
    // little thinner than 2.1 mils.
    QTest::newRow("imperial") << "0" << int(DecimalMode::Point) << "2.9022"
                              << "13.85649 Inches";
    QTest::newRow("imperial, comma") << "0" << int(DecimalMode::Comma) << "2,9022"
                                     << "13.85649 Inches";
    QTest::newRow("metric") << "1" << int(DecimalMode::Point) << "2.9031"
                            << "35.19004 cm";
}

void WavelengthCalculatorTest::roundTrip()
{
    QFETCH(QString, units);
    QFETCH(int, mode);
    QFETCH(QString, erEffective);
    WindowFixture f{DecimalMode(mode)};
    f.install({{setting::Program, "16"}, {setting::Units, units}});
    TForm1 &w = f.start();
    // Left on a period in picoseconds: what is sent must still be read as MHz.
    f.clickRadio("RadioGroup21", 1);
    f.clickTab(17);
    QCOMPARE(f.text("Edit221"), erEffective);

    click(f, "Button5");
    QCOMPARE(w.ActiveCalculator, 16);
    QCOMPARE(w.TabControl1->tabIndex(), 16);
    QVERIFY(f.find<QGroupBox>("GroupBox22")->isVisibleTo(&w));
    QCOMPARE(f.text("Edit103"), "500");
    QCOMPARE(f.text("Edit150"), erEffective);
    QCOMPARE(f.find<RadioGroup>("RadioGroup22")->itemIndex(), 1);
    QCOMPARE(f.find<RadioGroup>("RadioGroup21")->itemIndex(), 0);
    QCOMPARE(f.text("Label220"), "Frequency");
    QCOMPARE(f.text("Edit280"), "MHz");
    QTEST(f.text("Edit104"), "wavelength");

    click(f, "Button4");
    QCOMPARE(w.ActiveCalculator, 17);
    QCOMPARE(w.TabControl1->tabIndex(), 17);
    QCOMPARE(f.text("Edit224"), "500");
    QCOMPARE(f.text("Edit221"), erEffective);
    QCOMPARE(f.messages.take(), QStringList());
}

void WavelengthCalculatorTest::frequencySentToErEffective_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("megahertz");
    QTest::newRow("10 ns") << int(DecimalMode::Point) << 0 << 0 << "10"
                           << "100";
    QTest::newRow("2500 ps") << int(DecimalMode::Point) << 0 << 1 << "2500"
                             << "400";
    QTest::newRow("500 KHz") << int(DecimalMode::Point) << 1 << 1 << "500"
                             << "0.5";
    QTest::newRow("2,5e6 Hz, comma") << int(DecimalMode::Comma) << 1 << 2 << "2,5e6"
                                     << "2,5";
}

void WavelengthCalculatorTest::frequencySentToErEffective()
{
    QFETCH(int, mode);
    QFETCH(int, method);
    QFETCH(int, unit);
    QFETCH(QString, value);
    WindowFixture f{DecimalMode(mode)};
    f.install({{setting::Program, "16"}});
    TForm1 &w = f.start();
    if (method != 0)
        f.clickRadio("RadioGroup22", method);
    if (unit != 0)
        f.clickRadio("RadioGroup21", unit);
    f.typeText("Edit103", value);
    click(f, "Button4");
    QCOMPARE(w.ActiveCalculator, 17);
    QTEST(f.text("Edit224"), "megahertz");
    QCOMPARE(f.messages.take(), QStringList());
}

void WavelengthCalculatorTest::badEntryIsNotSent()
{
    WindowFixture f;
    f.install({{setting::Program, "16"}});
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    show(w);
    f.typeText("Edit103", "0");
    click(f, "Button4");
    // Refused and corrected to 10 ns before the frequency leaves.
    const QString refused = "Minimum period can't be less than or equal to 0";
    QCOMPARE(f.messages.take(), QStringList{"info: " + refused});
    QCOMPARE(f.boxes.onScreen, QStringList{refused});
    QCOMPARE(w.ActiveCalculator, 17);
    QCOMPARE(f.text("Edit224"), "100");

    f.typeText("Edit224", "5OO");
    click(f, "Button5");
    QCOMPARE(f.messages.take(), QStringList{"error: '5OO' is not a valid floating point value"});
    QCOMPARE(w.ActiveCalculator, 17);
    QCOMPARE(f.text("Edit103"), "10");
}

QTEST_MAIN(WavelengthCalculatorTest)
#include "tst_wavelength_calculator.moc"
