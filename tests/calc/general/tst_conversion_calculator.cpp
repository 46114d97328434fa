#include "calc/general/conversion_panel.h"
#include "tests/support/window_fixture.h"

#include <QToolButton>

using namespace tw;
using namespace tw::test;

class ConversionCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void selectedByMenuOrTab_data();
    void selectedByMenuOrTab();
    void distanceFollowsEveryKeystroke();
    void loneMinusIsReportedAtOnce();
    void unitSwitchRoundTrip();
    void complexNumbers_data();
    void complexNumbers();
    void swapTables();
    void sendAngle_data();
    void sendAngle();
    void commaMode();
    void faultsKeepEarlierResults_data();
    void faultsKeepEarlierResults();
    void links_data();
    void links();
};

namespace {

void start(WindowFixture &f, int units = 0)
{
    f.install({{setting::Program, "8"}, {setting::Units, QString::number(units)}});
    f.start();
}

QStringList texts(const WindowFixture &f, const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out << f.text(name);
    return out;
}

const QStringList distanceBoxes{"Edit82",  "Edit80",  "Edit81",  "Edit83",
                                "Edit142", "Edit144", "Edit143", "Edit145"};
const QStringList temperatureBoxes{"Edit85", "Edit86", "Edit84", "Edit87"};
const QStringList otherResults{"Edit166", "Edit175", "Edit177", "Edit217", "Edit218", "Edit220"};

} // namespace

void ConversionCalculatorTest::defaults_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QStringList>("distance");
    QTest::addColumn<QStringList>("temperature");
    QTest::newRow("imperial") << 0 << QStringList{"mils",   "10", "0.2540",   "mm",
                                                  "0.0100", "in", "254.0000", "um"}
                              << QStringList{"72", "°F", "22.22", "°C"};
    // The stored metric system converts the designed 10 mils; 72 is then read in Celsius.
    QTest::newRow("metric") << 1 << QStringList{"mm",       "0.254", "10.0000", "mils",
                                                "254.0000", "um",    "0.0100",  "in"}
                            << QStringList{"72", "°C", "161.60", "°F"};
}

void ConversionCalculatorTest::defaults()
{
    QFETCH(int, units);
    QFETCH(QStringList, distance);
    QFETCH(QStringList, temperature);
    WindowFixture f;
    start(f, units);
    QCOMPARE(texts(f, distanceBoxes), distance);
    QCOMPARE(texts(f, temperatureBoxes), temperature);
    QCOMPARE(texts(f, otherResults),
             (QStringList{"1.1220", "1", "1.1220", "50.0000", "0.0000", "0.0175"}));
    QCOMPARE(f.find<QGroupBox>("GroupBox21")->title(), " Rectangular to Polar Conversion ");
    QCOMPARE(f.messages.take(), QStringList());
}

void ConversionCalculatorTest::selectedByMenuOrTab_data()
{
    QTest::addColumn<bool>("menu");
    QTest::newRow("menu") << true;
    QTest::newRow("tab") << false;
}

void ConversionCalculatorTest::selectedByMenuOrTab()
{
    QFETCH(bool, menu);
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    TForm1 &w = f.start();
    if (menu)
        w.menuItems[8]->trigger();
    else
        f.clickTab(8);
    QCOMPARE(w.ActiveCalculator, 8);
    QCOMPARE(w.TabControl1->tabIndex(), 8);
    QVERIFY(!f.find<QWidget>("GroupBox7")->isHidden());
    QVERIFY(f.find<QWidget>("GroupBox36")->isHidden());
    QVERIFY(w.RadioGroup6->isEnabled());
    QVERIFY(!w.options()->ComboBox1->isEnabled());
    QVERIFY(!w.options()->RadioGroup3->isEnabled());
    QCOMPARE(f.stored(setting::Program), "8");
    QCOMPARE(f.text("Edit81"), "0.2540");
    QCOMPARE(f.text("Edit220"), "0.0175");
}

void ConversionCalculatorTest::distanceFollowsEveryKeystroke()
{
    WindowFixture f;
    start(f);
    f.typeText("Edit80", "25");
    QCOMPARE(f.text("Edit81"), "0.6350");
    f.typeText("Edit85", "212");
    QCOMPARE(f.text("Edit84"), "100.00");
    // An emptied box is a zero at once.
    f.typeText("Edit80", "");
    QCOMPARE(f.text("Edit80"), "0");
    QCOMPARE(texts(f, {"Edit81", "Edit142", "Edit143"}),
             (QStringList{"0.0000", "0.0000", "0.0000"}));
    QCOMPARE(f.messages.take(), QStringList());
}

void ConversionCalculatorTest::loneMinusIsReportedAtOnce()
{
    WindowFixture f;
    f.install({{setting::Program, "8"}});
    f.useRealMessageBoxes();
    f.start();
    f.typeText("Edit80", "-");
    QCOMPARE(f.messages.take(), QStringList{"error: '-' is not a valid floating point value"});
    QCOMPARE(f.boxes.onScreen.size(), 1);
    QTest::keyClicks(f.find<QLineEdit>("Edit80"), "5");
    QCOMPARE(f.text("Edit81"), "-0.1270");
    QCOMPARE(f.messages.take(), QStringList());
}

void ConversionCalculatorTest::unitSwitchRoundTrip()
{
    WindowFixture f;
    start(f);
    f.typeText("Edit80", "62");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.text("Edit80"), "1.5748");
    QCOMPARE(f.text("Edit81"), "62.0000");
    QCOMPARE(f.text("Edit85"), "72");
    QCOMPARE(f.text("Edit84"), "161.60");
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit80"), "62");
    QCOMPARE(texts(f, temperatureBoxes), (QStringList{"72", "°F", "22.22", "°C"}));
    QCOMPARE(f.messages.take(), QStringList());
}

void ConversionCalculatorTest::complexNumbers_data()
{
    QTest::addColumn<bool>("polar");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("magnitudeOrReal");
    QTest::addColumn<QString>("angleOrJ");
    QTest::newRow("(-1, 1): second quadrant") << false << "-1"
                                              << "1"
                                              << "1.4142"
                                              << "135.0000";
    QTest::newRow("(0, 5): no division") << false << "0"
                                         << "5"
                                         << "5.0000"
                                         << "90.0000";
    QTest::newRow("worked: polar (50, 90)") << true << "50"
                                            << "90"
                                            << "0.0001"
                                            << "50.0000";
}

void ConversionCalculatorTest::complexNumbers()
{
    QFETCH(bool, polar);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, magnitudeOrReal);
    QFETCH(QString, angleOrJ);
    WindowFixture f;
    start(f);
    if (polar)
        clickIndicator(f.find<QCheckBox>("CheckBox3"));
    f.typeText("Edit215", first);
    f.enter("Edit216", second);
    QCOMPARE(f.text("Edit217"), magnitudeOrReal);
    QCOMPARE(f.text("Edit218"), angleOrJ);
    // The angle converter after it ran too.
    QCOMPARE(f.text("Edit220"), "0.0175");
    QCOMPARE(f.messages.take(), QStringList());
}

void ConversionCalculatorTest::swapTables()
{
    WindowFixture f;
    start(f);
    clickIndicator(f.find<QCheckBox>("CheckBox3"));
    QCOMPARE(f.find<QGroupBox>("GroupBox21")->title(), " Polar to Rectangular Conversion ");
    QCOMPARE(texts(f, {"Label178", "Label179", "Label180", "Label181"}),
             (QStringList{"Magnitude", "Angle (Degrees)", "Real Value", "j Value"}));
    QCOMPARE(f.find<QWidget>("Edit216")->toolTip(),
             "Enter the angle, in degrees, to be converted.");
    // (50, 0 degrees) is 50 + j0.
    QCOMPARE(texts(f, {"Edit217", "Edit218"}), (QStringList{"50.0000", "0.0000"}));

    clickIndicator(f.find<QCheckBox>("CheckBox2"));
    QCOMPARE(texts(f, {"Label184", "Label185"}), (QStringList{"Radians", "Degrees"}));
    QCOMPARE(f.find<QWidget>("Edit220")->toolTip(), "Converted angle in degrees from radians.");
    QCOMPARE(f.text("Edit220"), "57.2958");
    f.enter("Edit219", "3.14159");
    QCOMPARE(f.text("Edit220"), "180.0000");

    clickIndicator(f.find<QCheckBox>("CheckBox3"));
    QCOMPARE(f.find<QGroupBox>("GroupBox21")->title(), " Rectangular to Polar Conversion ");
    QCOMPARE(f.text("Label178"), "Real Value");
    QCOMPARE(f.messages.take(), QStringList());
}

void ConversionCalculatorTest::sendAngle_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<bool>("polar");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("radians");
    QTest::newRow("computed angle") << false << false << "1"
                                    << "45.0000"
                                    << "0.7854";
    QTest::newRow("computed angle, comma") << true << false << "1"
                                           << "45,0000"
                                           << "0.7854";
    QTest::newRow("negative angle, comma") << true << false << "-1"
                                           << "-45,0000"
                                           << "-0.7854";
    QTest::newRow("entered angle") << false << true << "22.5"
                                   << "22.5"
                                   << "0.3927";
    QTest::newRow("entered angle, comma") << true << true << "22,5"
                                          << "22,5"
                                          << "0.3927";
}

void ConversionCalculatorTest::sendAngle()
{
    QFETCH(bool, comma);
    QFETCH(bool, polar);
    QFETCH(QString, second);
    QFETCH(QString, sent);
    QFETCH(QString, radians);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    start(f);
    if (polar)
        clickIndicator(f.find<QCheckBox>("CheckBox3"));
    // The angle converter is turned back to degrees first.
    clickIndicator(f.find<QCheckBox>("CheckBox2"));
    f.typeText("Edit215", "1");
    f.enter("Edit216", second);
    QTest::mouseClick(f.find<QToolButton>("SpeedButton2"), Qt::LeftButton);
    QVERIFY(!f.find<QCheckBox>("CheckBox2")->isChecked());
    QCOMPARE(f.text("Label184"), "Degrees");
    QCOMPARE(f.text("Edit219"), sent);
    QCOMPARE(f.text("Edit220"), radians);
    QCOMPARE(f.messages.take(), QStringList());
}

void ConversionCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    start(f);
    f.typeText("Edit80", "2,5");
    QCOMPARE(f.text("Edit81"), "0.0635");
    f.typeText("Edit167", "1,5");
    f.enter("Edit174", "0,25");
    // The level out is the general float text, with the user's separator.
    QCOMPARE(f.text("Edit175"), "1,75");
    QCOMPARE(f.text("Edit166"), "1.1885");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.text("Edit80"), "0,0635");
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit80"), "2,5");
    f.enter("Edit176", "1.5");
    QCOMPARE(f.messages.take(), QStringList{"error: '1.5' is not a valid floating point value"});
}

void ConversionCalculatorTest::faultsKeepEarlierResults_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("kept");
    QTest::newRow("gain not a number") << "Edit167"
                                       << "x"
                                       << "error: 'x' is not a valid floating point value"
                                       << "1.1220";
    QTest::newRow("gain overflows") << "Edit167"
                                    << "8000"
                                    << "error: Floating point overflow"
                                    << "1.1220";
}

void ConversionCalculatorTest::faultsKeepEarlierResults()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, kept);
    WindowFixture f;
    f.install({{setting::Program, "8"}});
    f.useRealMessageBoxes();
    f.start();
    f.typeText("Edit80", "100");
    f.typeText("Edit219", "90");
    f.enter(box, typed);
    QCOMPARE(f.messages.take(), QStringList{message});
    QCOMPARE(f.boxes.onScreen, QStringList{message.section(": ", 1)});
    // Written before the fault: the distance; not reached: the gain and the angle.
    QCOMPARE(f.text("Edit81"), "2.5400");
    QCOMPARE(f.text("Edit166"), kept);
    QCOMPARE(f.text("Edit220"), "0.0175");
}

void ConversionCalculatorTest::links_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::newRow("SI prefixes") << "Label186"
                                 << "SI Prefixes";
    QTest::newRow("dBm chart") << "Label159"
                               << "dBm Chart";
    QTest::newRow("Ohm's law") << "Label286"
                               << "Ohms Law";
}

void ConversionCalculatorTest::links()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    WindowFixture f;
    start(f);
    auto *link = f.find<LinkLabel>(label);
    QCOMPARE(link->text(), caption);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(f.desktop.opened, QStringList{link->address()});
    QVERIFY(link->address().startsWith("https://"));
}

QTEST_MAIN(ConversionCalculatorTest)
#include "tst_conversion_calculator.moc"
