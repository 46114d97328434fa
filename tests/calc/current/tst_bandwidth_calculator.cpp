#include "calc/current/bandwidth_panel.h"
#include "tests/support/window_fixture.h"

#include <QEnterEvent>
#include <QSlider>

#include <cmath>

using namespace tw;
using namespace tw::test;

namespace {

BandwidthCalculator &bandwidth(WindowFixture &f)
{
    return dynamic_cast<BandwidthCalculator &>(f.window().calculator(2));
}

void startBandwidth(WindowFixture &f, const QString &units = "0")
{
    f.install({{setting::Program, "2"}, {setting::Units, units}});
    f.start();
}

// The number in front of the unit of a result text.
double number(const QString &text)
{
    return text.section(' ', 0, 0).toDouble();
}

const QStringList resultBoxes = {"Edit22", "Edit23", "Edit24", "Edit43", "Edit45"};

QStringList results(WindowFixture &f)
{
    QStringList texts;
    for (const QString &box : resultBoxes)
        texts << f.text(box);
    return texts;
}

} // namespace

class BandwidthCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void stripline();
    void materialChange();
    void inputMethod();
    void frequencyUnits_data();
    void frequencyUnits();
    void trackBars_data();
    void trackBars();
    void trackBarByKeyboard();
    void metric_data();
    void metric();
    void imperialAndMetricAgree_data();
    void imperialAndMetricAgree();
    void refusedEntries_data();
    void refusedEntries();
    void refusedEntryShowsOneRealBox_data();
    void refusedEntryShowsOneRealBox();
    void commaMode();
    void notANumberKeepsResults();
    void speedOfLightLink();
};

// clang-format off
void BandwidthCalculatorTest::defaults_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("stored choice at start") << "start";
    QTest::newRow("menu") << "menu";
    QTest::newRow("tab") << "tab";
}
// clang-format on

void BandwidthCalculatorTest::defaults()
{
    QFETCH(QString, how);
    WindowFixture f;
    f.install({{setting::Program, how == "start" ? "2" : "12"}});
    TForm1 &w = f.start();
    if (how == "menu")
        w.menuItems[2]->trigger();
    else if (how == "tab")
        f.clickTab(2);
    BandwidthCalculator &b = bandwidth(f);

    QCOMPARE(w.ActiveCalculator, 2);
    QCOMPARE(w.TabControl1->tabIndex(), 2);
    QCOMPARE(f.stored(setting::Program), "2");
    QVERIFY(!b.GroupBox6->isHidden());

    QCOMPARE(b.RadioGroup12->itemIndex(), 0);
    QCOMPARE(b.RadioGroup12->items(), QStringList({"Signal Risetime", "Frequency"}));
    QVERIFY(b.RadioGroup20->isHidden());
    QCOMPARE(b.RadioGroup20->items(), QStringList({"MHz", "KHz", "Hz"}));
    QCOMPARE(f.text("Label30"), "Signal Risetime");
    QCOMPARE(f.text("Edit19"), "1");
    QCOMPARE(b.Edit19->maxLength(), 12);
    QCOMPARE(b.Edit19->toolTip(), "Enter the signal risetime.");
    QCOMPARE(f.text("Edit279"), "ns");
    QCOMPARE(b.TrackBar2->value(), 1);
    QCOMPARE(b.TrackBar3->value(), 1);
    QCOMPARE(f.text("Edit44"), "0.25Sr");
    QCOMPARE(f.text("Edit47"), "1/7");
    QVERIFY(!b.GroupBox41->isHidden());
    QVERIFY(!b.GroupBox42->isHidden());

    QCOMPARE(results(f), QStringList({"350.00000 MHz", "33.72244 Inches", "1.74632 Inches",
                                      "139778954.280 m/s", "4.81749 Inches"}));

    RadioGroup *layer = w.options()->RadioGroup3;
    QCOMPARE(layer->title(), " Passive Circuits ");
    QCOMPARE(layer->items(), QStringList({"Microstrip", "Stripline"}));
    QCOMPARE(layer->itemIndex(), 0);
    QVERIFY(layer->isEnabled());
    for (const char *label : {"Label56", "Label110", "Label285", "Label72", "Label27", "Label28"})
        QCOMPARE(f.text(label), "N/A");
    QCOMPARE(f.messages.take(), QStringList());
}

void BandwidthCalculatorTest::stripline()
{
    WindowFixture f;
    startBandwidth(f);
    f.clickRadio("RadioGroup3", 1);
    // Only the rise distance depends on the layer; the speed is c / sqrt(Er) for both.
    QCOMPARE(results(f), QStringList({"350.00000 MHz", "33.72244 Inches", "1.37578 Inches",
                                      "139778954.280 m/s", "4.81749 Inches"}));
    f.clickRadio("RadioGroup3", 0);
    QCOMPARE(f.text("Edit24"), "1.74632 Inches");
}

void BandwidthCalculatorTest::materialChange()
{
    WindowFixture f;
    startBandwidth(f);
    ComboBox *material = f.window().options()->ComboBox1;
    const int air = material->findText("Air");
    material->setCurrentIndex(air);
    emit material->activated(air);
    QCOMPARE(f.text("Edit7"), "1");
    QCOMPARE(f.text("Edit43"), "299792458.000 m/s");
    QCOMPARE(f.text("Edit24"), "2.75756 Inches");
    QCOMPARE(f.messages.take(), QStringList());
}

void BandwidthCalculatorTest::inputMethod()
{
    WindowFixture f;
    startBandwidth(f);
    BandwidthCalculator &b = bandwidth(f);
    OptionsPanel &o = *f.window().options();
    f.enter("Edit19", "2");

    f.clickRadio("RadioGroup12", 1);
    QCOMPARE(f.text("Edit19"), "100");
    QVERIFY(!b.RadioGroup20->isHidden());
    QCOMPARE(b.RadioGroup20->itemIndex(), 0);
    QCOMPARE(f.text("Label30"), "Frequency");
    QCOMPARE(f.text("Edit279"), "MHz");
    QCOMPARE(b.Edit19->toolTip(), "Enter the signal frequency.");
    QVERIFY(b.GroupBox41->isHidden());
    QVERIFY(!o.RadioGroup3->isEnabled());
    // The hidden group keeps the texts of the last risetime.
    QCOMPARE(results(f), QStringList({"175.00000 MHz", "118.02853 Inches", "3.49264 Inches",
                                      "139778954.280 m/s", "16.86120 Inches"}));

    // Choosing the calculator again keeps the layer selector off while a frequency is entered.
    f.window().menuItems[2]->trigger();
    QVERIFY(!o.RadioGroup3->isEnabled());
    QCOMPARE(f.text("Edit45"), "16.86120 Inches");

    f.clickRadio("RadioGroup12", 0);
    QCOMPARE(f.text("Edit19"), "1");
    QVERIFY(b.RadioGroup20->isHidden());
    QCOMPARE(f.text("Label30"), "Signal Risetime");
    QCOMPARE(f.text("Edit279"), "ns");
    QCOMPARE(b.Edit19->toolTip(), "Enter the signal risetime.");
    QVERIFY(!b.GroupBox41->isHidden());
    QVERIFY(o.RadioGroup3->isEnabled());
    QCOMPARE(results(f), QStringList({"350.00000 MHz", "33.72244 Inches", "1.74632 Inches",
                                      "139778954.280 m/s", "4.81749 Inches"}));
    QCOMPARE(f.messages.take(), QStringList());
}

// clang-format off
void BandwidthCalculatorTest::frequencyUnits_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("unitText");
    QTest::addColumn<QString>("wavelength");
    QTest::addColumn<QString>("length");
    QTest::newRow("MHz") << 0 << "100" << "MHz" << "118.02853 Inches" << "16.86120 Inches";
    QTest::newRow("KHz") << 1 << "100" << "KHz" << "118028.52677 Inches" << "16861.20125 Inches";
    QTest::newRow("Hz") << 2 << "100" << "Hz" << "118028526.77165 Inches"
                        << "16861201.24902 Inches";
    QTest::newRow("KHz, 100000 is 100 MHz") << 1 << "100000" << "KHz" << "118.02853 Inches"
                                            << "16.86120 Inches";
}
// clang-format on

void BandwidthCalculatorTest::frequencyUnits()
{
    QFETCH(int, unit);
    QFETCH(QString, typed);
    WindowFixture f;
    startBandwidth(f);
    f.clickRadio("RadioGroup12", 1);
    f.clickRadio("RadioGroup20", unit);
    f.enter("Edit19", typed);
    QTEST(f.text("Edit279"), "unitText");
    QTEST(f.text("Edit23"), "wavelength");
    QTEST(f.text("Edit45"), "length");
    QCOMPARE(f.messages.take(), QStringList());
}

// clang-format off
void BandwidthCalculatorTest::trackBars_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("textBox");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("resultBox");
    QTest::addColumn<QString>("result");
    QTest::newRow("Sr 0.2") << "TrackBar2" << 0 << "Edit44" << "0.2Sr" << "Edit24"
                            << "1.39706 Inches";
    QTest::newRow("Sr 0.35") << "TrackBar2" << 3 << "Edit44" << "0.35Sr" << "Edit24"
                             << "2.44485 Inches";
    QTest::newRow("Sr 0.5") << "TrackBar2" << 6 << "Edit44" << "0.5Sr" << "Edit24"
                            << "3.49264 Inches";
    QTest::newRow("lambda 1/4") << "TrackBar3" << 0 << "Edit47" << "1/4" << "Edit45"
                                << "8.43061 Inches";
    QTest::newRow("lambda 1/10") << "TrackBar3" << 2 << "Edit47" << "1/10" << "Edit45"
                                 << "3.37224 Inches";
    QTest::newRow("lambda 1/20") << "TrackBar3" << 3 << "Edit47" << "1/20" << "Edit45"
                                 << "1.68612 Inches";
}
// clang-format on

void BandwidthCalculatorTest::trackBars()
{
    QFETCH(QString, bar);
    QFETCH(int, position);
    QFETCH(QString, textBox);
    QFETCH(QString, resultBox);
    WindowFixture f;
    startBandwidth(f);
    f.find<QSlider>(bar)->setValue(position);
    QTEST(f.text(textBox), "text");
    QTEST(f.text(resultBox), "result");
    QCOMPARE(f.messages.take(), QStringList());
}

void BandwidthCalculatorTest::trackBarByKeyboard()
{
    WindowFixture f;
    startBandwidth(f);
    QSlider *bar = f.find<QSlider>("TrackBar3");
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(f.text("Edit47"), "1/20");
    QCOMPARE(f.text("Edit45"), "1.68612 Inches");
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(f.text("Edit47"), "1/4");
    QCOMPARE(f.text("Edit45"), "8.43061 Inches");
}

// clang-format off
void BandwidthCalculatorTest::metric_data()
{
    QTest::addColumn<bool>("frequency");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("risetime") << false
                              << QStringList({"350.00000 MHz", "85.65499 cm", "4.43565 cm",
                                              "139778954.280 m/s", "12.23641 cm"});
    // Metric frequency input shows the speed with five decimals; the hidden group keeps the
    // risetime's texts.
    QTest::newRow("frequency") << true
                               << QStringList({"350.00000 MHz", "299.79246 cm", "4.43565 cm",
                                               "139778954.27959 m/s", "42.82745 cm"});
}
// clang-format on

void BandwidthCalculatorTest::metric()
{
    QFETCH(bool, frequency);
    WindowFixture f;
    startBandwidth(f, "1");
    if (frequency)
        f.clickRadio("RadioGroup12", 1);
    QTEST(results(f), "expected");
    QCOMPARE(f.messages.take(), QStringList());
}

// clang-format off
void BandwidthCalculatorTest::imperialAndMetricAgree_data()
{
    QTest::addColumn<bool>("frequency");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("er");
    QTest::newRow("microstrip 0.5 ns") << false << 0 << "0.5" << "3.38";
    QTest::newRow("stripline 3 ns") << false << 1 << "3" << "10.2";
    QTest::newRow("frequency 2400 MHz") << true << 0 << "2400" << "4.6";
}
// clang-format on

void BandwidthCalculatorTest::imperialAndMetricAgree()
{
    QFETCH(bool, frequency);
    QFETCH(int, layer);
    QFETCH(QString, entry);
    QFETCH(QString, er);
    WindowFixture f;
    startBandwidth(f);
    if (frequency)
        f.clickRadio("RadioGroup12", 1);
    else
        f.clickRadio("RadioGroup3", layer);
    f.typeText("Edit7", er);
    f.enter("Edit19", entry);
    const QStringList imperial = results(f);
    f.clickRadio("RadioGroup6", 1);
    const QStringList metric = results(f);
    QCOMPARE(f.text("Edit19"), entry);

    const QStringList lengths =
        frequency ? QStringList{"Edit23", "Edit45"} : QStringList{"Edit23", "Edit24", "Edit45"};
    for (const QString &box : lengths) {
        const int i = resultBoxes.indexOf(box);
        QVERIFY2(imperial[i].endsWith(" Inches") && metric[i].endsWith(" cm"),
                 qPrintable(imperial[i] + " / " + metric[i]));
        const double inches = number(imperial[i]);
        const double centimetres = number(metric[i]);
        QVERIFY2(std::fabs(inches * 2.54 - centimetres) <= 2e-5 * centimetres + 1e-5,
                 qPrintable(box + ": " + imperial[i] + " / " + metric[i]));
    }
    QCOMPARE(metric[0], imperial[0]);
    // The speed has no length unit; metric frequency input only shows more decimals.
    QVERIFY(std::fabs(number(metric[3]) - number(imperial[3])) < 0.001);
    QCOMPARE(f.messages.take(), QStringList());
}

// clang-format off
void BandwidthCalculatorTest::refusedEntries_data()
{
    QTest::addColumn<bool>("frequency");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("resultBox");
    QTest::addColumn<QString>("result");
    QTest::newRow("risetime 0") << false << "Edit19" << "0"
                                << "Signal risetime can't be less than or equal to 0ns" << "1"
                                << "Edit22" << "350.00000 MHz";
    QTest::newRow("negative risetime") << false << "Edit19" << "-2"
                                       << "Signal risetime can't be less than or equal to 0ns"
                                       << "1" << "Edit24" << "1.74632 Inches";
    QTest::newRow("frequency 0") << true << "Edit19" << "0"
                                 << "Frequency can't be less than or equal to 0" << "100"
                                 << "Edit23" << "118.02853 Inches";
    QTest::newRow("negative frequency") << true << "Edit19" << "-1e3"
                                        << "Frequency can't be less than or equal to 0" << "100"
                                        << "Edit45" << "16.86120 Inches";
    // The results are those of Er 1.
    QTest::newRow("Er below 1, microstrip") << false << "Edit7" << "0.5"
                                            << "Minimum dielectric constant value can't be less than 1"
                                            << "1" << "Edit24" << "2.75756 Inches";
    QTest::newRow("Er below 1, frequency") << true << "Edit7" << "0.99"
                                           << "Minimum dielectric constant value can't be less than 1"
                                           << "1" << "Edit43" << "299792458.000 m/s";
}
// clang-format on

void BandwidthCalculatorTest::refusedEntries()
{
    QFETCH(bool, frequency);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, resultBox);
    WindowFixture f;
    startBandwidth(f);
    if (frequency)
        f.clickRadio("RadioGroup12", 1);
    f.enter(box, typed);
    QCOMPARE(f.messages.take(), QStringList{"info: " + message});
    QTEST(f.text(box), "corrected");
    QTEST(f.text(resultBox), "result");
    for (const QString &text : results(f))
        QVERIFY2(!text.startsWith('-') && !text.contains("inf") && !text.contains("nan"),
                 qPrintable(text));
}

// clang-format off
void BandwidthCalculatorTest::refusedEntryShowsOneRealBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");
    QTest::newRow("risetime") << "Edit19" << "0"
                              << "Signal risetime can't be less than or equal to 0ns" << "1";
    QTest::newRow("Er") << "Edit7" << "0.5"
                        << "Minimum dielectric constant value can't be less than 1" << "1";
}
// clang-format on

void BandwidthCalculatorTest::refusedEntryShowsOneRealBox()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    WindowFixture f;
    f.install({{setting::Program, "2"}});
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.find<QLineEdit>(box)->setFocus(Qt::MouseFocusReason);
    f.enter(box, typed);
    QCOMPARE(f.boxes.onScreen, QStringList{message});
    QCOMPARE(f.messages.take(), QStringList{"info: " + message});
    QTEST(f.text(box), "corrected");
    QCOMPARE(f.text("Edit22"), "350.00000 MHz");
}

void BandwidthCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    startBandwidth(f);
    QCOMPARE(f.text("Edit7"), "4,6");
    QCOMPARE(f.text("Edit24"), "1.74632 Inches");
    f.enter("Edit19", "2,5");
    QCOMPARE(f.text("Edit22"), "140.00000 MHz");
    f.enter("Edit19", "0,0");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Signal risetime can't be less than or equal to 0ns"});
    QCOMPARE(f.text("Edit19"), "1");
    QCOMPARE(f.text("Edit22"), "350.00000 MHz");
    f.enter("Edit7", "0,5");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Minimum dielectric constant value can't be less than 1"});
    QCOMPARE(f.text("Edit7"), "1");
    QCOMPARE(f.text("Edit24"), "2.75756 Inches");
    f.enter("Edit19", "2.5");
    QCOMPARE(f.messages.take(), QStringList{"error: '2.5' is not a valid floating point value"});
}

void BandwidthCalculatorTest::notANumberKeepsResults()
{
    WindowFixture f;
    startBandwidth(f);
    const QStringList before = results(f);
    f.enter("Edit19", "1ns");
    QCOMPARE(f.messages.take(), QStringList{"error: '1ns' is not a valid floating point value"});
    QCOMPARE(results(f), before);
}

void BandwidthCalculatorTest::speedOfLightLink()
{
    WindowFixture f;
    startBandwidth(f);
    LinkLabel *link = bandwidth(f).Label124;
    QCOMPARE(link->text(), "Speed of Light");
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(link, &enter);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::red));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(f.desktop.opened, QStringList{"https://en.wikipedia.org/wiki/Speed_of_light"});
    QCOMPARE(f.messages.take(), QStringList());
}

QTEST_MAIN(BandwidthCalculatorTest)
#include "tst_bandwidth_calculator.moc"
