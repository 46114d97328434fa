#include "tests/support/window_fixture.h"

#include <QPushButton>
#include <QSlider>

using namespace tw;
using namespace tw::test;

namespace {

TForm1 &startShown(WindowFixture &f)
{
    TForm1 &w = f.start();
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        qFatal("window not active");
    return w;
}

void clickButton(WindowFixture &f, const QString &name)
{
    f.find<QPushButton>(name)->click();
}

} // namespace

class WavelengthCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void inputMethods_data();
    void inputMethods();
    void fractions_data();
    void fractions();
    void refusals_data();
    void refusals();
    void substrateErNotRead();
    void roundTrip_data();
    void roundTrip();
    void periodSentAsFrequency_data();
    void periodSentAsFrequency();
    void badEntryIsNotSent();
    void links();
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
    QCOMPARE(f.text("Edit103"), "10");
    QCOMPARE(f.text("Edit150"), "4");
    QCOMPARE(f.text("Label220"), "Period");
    QCOMPARE(f.text("Edit280"), "ns");
    QCOMPARE(f.text("Label222"), "Full Wave Length");
    QCOMPARE(f.find<RadioGroup>("RadioGroup22")->itemIndex(), 0);
    QCOMPARE(f.find<RadioGroup>("RadioGroup21")->items(), (QStringList{"ns", "ps"}));
    RadioGroup *layer = w.options()->RadioGroup3;
    QVERIFY(!layer->isEnabled());
    QCOMPARE(layer->items(), (QStringList{"Microstrip", "Stripline"}));
    QCOMPARE(layer->itemIndex(), 0);
    QVERIFY(w.RadioGroup6->isEnabled());
    QVERIFY(!w.options()->Edit7->isEnabled());
    QCOMPARE(f.text("Label56"), "N/A");
    QCOMPARE(f.messages.take(), QStringList());
}

void WavelengthCalculatorTest::inputMethods_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unitText");
    QTest::addColumn<QString>("inches");
    QTest::addColumn<QString>("centimetres");
    // python3 by hand: c / (sqrt(4) f).
    QTest::newRow("10 ps") << 0 << 1 << "10"
                           << "Period"
                           << "ps"
                           << "0.05901 Inches"
                           << "0.14990 cm";
    QTest::newRow("10 kept, read as 10 MHz") << 1 << 0 << "10"
                                             << "Frequency"
                                             << "MHz"
                                             << "590.14263 Inches"
                                             << "1498.96229 cm";
    QTest::newRow("500 KHz") << 1 << 1 << "500"
                             << "Frequency"
                             << "KHz"
                             << "11802.85268 Inches"
                             << "29979.24580 cm";
    QTest::newRow("2.4e9 Hz") << 1 << 2 << "2.4e9"
                              << "Frequency"
                              << "Hz"
                              << "2.45893 Inches"
                              << "6.24568 cm";
}

void WavelengthCalculatorTest::inputMethods()
{
    QFETCH(int, method);
    QFETCH(int, unit);
    QFETCH(QString, value);
    QFETCH(QString, caption);
    QFETCH(QString, unitText);
    QFETCH(QString, inches);
    QFETCH(QString, centimetres);
    for (const QString &units : {QString("0"), QString("1")}) {
        WindowFixture f;
        f.install({{setting::Program, "16"}, {setting::Units, units}});
        f.start();
        if (method != 0)
            f.clickRadio("RadioGroup22", method);
        QCOMPARE(f.find<RadioGroup>("RadioGroup21")->itemIndex(), 0);
        if (unit != 0)
            f.clickRadio("RadioGroup21", unit);
        f.enter("Edit103", value);
        QCOMPARE(f.text("Label220"), caption);
        QCOMPARE(f.text("Edit280"), unitText);
        QCOMPARE(f.text("Edit104"), units == "1" ? centimetres : inches);
        QCOMPARE(f.messages.take(), QStringList());
    }
}

void WavelengthCalculatorTest::fractions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("centimetres");
    // 100 MHz at Er Eff 4, python3 by hand; the 1/15 step multiplies by 0.06666.
    QTest::newRow("3/4") << 1 << "3/4 Wave Length"
                         << "112.42217 cm";
    QTest::newRow("5/8") << 2 << "5/8 Wave Length"
                         << "93.68514 cm";
    QTest::newRow("1/2") << 3 << "1/2 Wave Length"
                         << "74.94811 cm";
    QTest::newRow("1/4") << 4 << "1/4 Wave Length"
                         << "37.47406 cm";
    QTest::newRow("1/10") << 5 << "1/10 Wave Length"
                          << "14.98962 cm";
    QTest::newRow("1/15") << 6 << "1/15 Wave Length"
                          << "9.99208 cm";
    QTest::newRow("1/16") << 7 << "1/16 Wave Length"
                          << "9.36851 cm";
    QTest::newRow("1/20") << 8 << "1/20 Wave Length"
                          << "7.49481 cm";
    QTest::newRow("back to full") << 0 << "Full Wave Length"
                                  << "149.89623 cm";
}

void WavelengthCalculatorTest::fractions()
{
    QFETCH(int, position);
    QFETCH(QString, caption);
    QFETCH(QString, centimetres);
    WindowFixture f;
    f.install({{setting::Program, "16"}, {setting::Units, "1"}});
    f.start();
    auto *bar = f.find<QSlider>("TrackBar4");
    bar->setValue(position == 0 ? 8 : 0);
    for (int i = 0; i < 9 && bar->value() != position; ++i)
        QTest::keyClick(bar, position == 0 ? Qt::Key_Left : Qt::Key_Right);
    QCOMPARE(bar->value(), position);
    QCOMPARE(f.text("Label222"), caption);
    QCOMPARE(f.text("Edit104"), centimetres);
    QCOMPARE(f.messages.take(), QStringList());
}

void WavelengthCalculatorTest::refusals_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("wavelength");
    QTest::newRow("period 0") << 0 << "Edit103"
                              << "0"
                              << "Minimum period can't be less than or equal to 0"
                              << "10"
                              << "59.01426 Inches";
    QTest::newRow("frequency negative") << 1 << "Edit103"
                                        << "-5"
                                        << "Minimum frequency can't be less than or equal to 0"
                                        << "10"
                                        << "590.14263 Inches";
    QTest::newRow("Er Eff 0: air") << 0 << "Edit150"
                                   << "0"
                                   << "Minimum Er Eff value can't be less than or equal to 0"
                                   << "1"
                                   << "118.02853 Inches";
}

void WavelengthCalculatorTest::refusals()
{
    QFETCH(int, method);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, corrected);
    QFETCH(QString, wavelength);
    WindowFixture f;
    f.install({{setting::Program, "16"}});
    f.useRealMessageBoxes();
    startShown(f);
    if (method != 0)
        f.clickRadio("RadioGroup22", method);
    f.enter(box, typed);
    QCOMPARE(f.messages.take(), QStringList{"info: " + message});
    QCOMPARE(f.boxes.onScreen, QStringList{message});
    QCOMPARE(f.text(box), corrected);
    QCOMPARE(f.text("Edit104"), wavelength);
}

void WavelengthCalculatorTest::substrateErNotRead()
{
    WindowFixture f;
    f.install({{setting::Program, "16"}});
    TForm1 &w = f.start();
    // Left by another calculator; this one has no use for it.
    w.options()->Edit7->setText("abc");
    f.enter("Edit150", "1");
    QCOMPARE(f.text("Edit104"), "118.02853 Inches");
    QCOMPARE(f.messages.take(), QStringList());
}

void WavelengthCalculatorTest::roundTrip_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("erEffective");
    QTest::addColumn<QString>("wavelength");
    // 500 MHz at the Er Eff shown, python3 by hand.
    QTest::newRow("imperial") << "0" << int(DecimalMode::Point) << "2.9022"
                              << "13.85649 Inches";
    QTest::newRow("imperial, comma") << "0" << int(DecimalMode::Comma) << "2,9022"
                                     << "13.85649 Inches";
    // Metric copper of the table (53 um) is a little thinner than 2.1 mils.
    QTest::newRow("metric") << "1" << int(DecimalMode::Point) << "2.9031"
                            << "35.19004 cm";
}

void WavelengthCalculatorTest::roundTrip()
{
    QFETCH(QString, units);
    QFETCH(int, mode);
    QFETCH(QString, erEffective);
    QFETCH(QString, wavelength);
    WindowFixture f{DecimalMode(mode)};
    f.install({{setting::Program, "16"}, {setting::Units, units}});
    TForm1 &w = f.start();
    // The Wavelength calculator was left on a period in picoseconds and a fraction.
    f.clickRadio("RadioGroup21", 1);
    f.find<QSlider>("TrackBar4")->setValue(3);
    f.clickTab(17);
    QCOMPARE(f.text("Edit221"), erEffective);

    clickButton(f, "Button5");
    QCOMPARE(w.ActiveCalculator, 16);
    QCOMPARE(w.TabControl1->tabIndex(), 16);
    QVERIFY(f.find<QGroupBox>("GroupBox22")->isVisibleTo(&w));
    QCOMPARE(f.stored(setting::Program), "16");
    QCOMPARE(f.text("Edit103"), "500");
    QCOMPARE(f.text("Edit150"), erEffective);
    // Read as a frequency in MHz, whatever the input method was.
    QCOMPARE(f.find<RadioGroup>("RadioGroup22")->itemIndex(), 1);
    QCOMPARE(f.find<RadioGroup>("RadioGroup21")->itemIndex(), 0);
    QCOMPARE(f.text("Label220"), "Frequency");
    QCOMPARE(f.text("Edit280"), "MHz");
    f.find<QSlider>("TrackBar4")->setValue(0);
    QCOMPARE(f.text("Edit104"), wavelength);

    clickButton(f, "Button4");
    QCOMPARE(w.ActiveCalculator, 17);
    QCOMPARE(w.TabControl1->tabIndex(), 17);
    QVERIFY(f.find<QGroupBox>("GroupBox43")->isVisibleTo(&w));
    QCOMPARE(f.text("Edit224"), "500");
    QCOMPARE(f.text("Edit221"), erEffective);
    QCOMPARE(f.messages.take(), QStringList());
}

void WavelengthCalculatorTest::periodSentAsFrequency_data()
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
    QTest::newRow("500 KHz, comma") << int(DecimalMode::Comma) << 1 << 1 << "500"
                                    << "0,5";
    QTest::newRow("2,5e6 Hz, comma") << int(DecimalMode::Comma) << 1 << 2 << "2,5e6"
                                     << "2,5";
}

void WavelengthCalculatorTest::periodSentAsFrequency()
{
    QFETCH(int, mode);
    QFETCH(int, method);
    QFETCH(int, unit);
    QFETCH(QString, value);
    QFETCH(QString, megahertz);
    WindowFixture f{DecimalMode(mode)};
    f.install({{setting::Program, "16"}});
    TForm1 &w = f.start();
    if (method != 0)
        f.clickRadio("RadioGroup22", method);
    if (unit != 0)
        f.clickRadio("RadioGroup21", unit);
    f.typeText("Edit103", value);
    clickButton(f, "Button4");
    QCOMPARE(w.ActiveCalculator, 17);
    QCOMPARE(f.text("Edit224"), megahertz);
    QCOMPARE(f.messages.take(), QStringList());
}

void WavelengthCalculatorTest::badEntryIsNotSent()
{
    WindowFixture f;
    f.install({{setting::Program, "16"}});
    f.useRealMessageBoxes();
    TForm1 &w = startShown(f);
    f.typeText("Edit103", "0");
    clickButton(f, "Button4");
    // Refused and corrected before the frequency leaves: 10 ns.
    const QString refused = "Minimum period can't be less than or equal to 0";
    QCOMPARE(f.messages.take(), QStringList{"info: " + refused});
    QCOMPARE(f.boxes.onScreen, QStringList{refused});
    QCOMPARE(w.ActiveCalculator, 17);
    QCOMPARE(f.text("Edit224"), "100");

    f.typeText("Edit224", "5OO");
    clickButton(f, "Button5");
    QCOMPARE(f.messages.take(), QStringList{"error: '5OO' is not a valid floating point value"});
    QCOMPARE(w.ActiveCalculator, 17);
    QCOMPARE(f.text("Edit103"), "10");
}

void WavelengthCalculatorTest::links()
{
    WindowFixture f;
    f.install({{setting::Program, "16"}});
    f.start();
    for (const char *name : {"Label160", "Label33", "Label164"})
        QTest::mouseClick(f.find<QLabel>(name), Qt::LeftButton);
    QCOMPARE(f.desktop.opened.size(), 3);
    QCOMPARE(f.messages.take(), QStringList());
}

QTEST_MAIN(WavelengthCalculatorTest)
#include "tst_wavelength_calculator.moc"
