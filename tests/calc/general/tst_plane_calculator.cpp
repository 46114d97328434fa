#include "tests/support/window_fixture.h"

#include <QToolButton>

using namespace tw;
using namespace tw::test;

class PlaneCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void selectedByMenuOrTab_data();
    void selectedByMenuOrTab();
    void refusals_data();
    void refusals();
    void commaMode();
    void directCurrent();
    void spinButtons_data();
    void spinButtons();
    void unitSwitchRoundTrip_data();
    void unitSwitchRoundTrip();
};

namespace {

void start(WindowFixture &f, int units = 0)
{
    f.install({{setting::Program, "10"}, {setting::Units, QString::number(units)}});
    f.start();
}

QStringList results(const WindowFixture &f)
{
    return {f.text("Edit109"), f.text("Edit230"), f.text("Edit235")};
}

const QStringList defaultResults{"0.08000 Ohms", "33120.00 pF", "4.8054 Ohms"};

} // namespace

void PlaneCalculatorTest::defaults_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QStringList>("plane");
    QTest::newRow("imperial") << 0 << QStringList{"64", "Sq.In", "2", "mils"};
    QTest::newRow("metric") << 1 << QStringList{"41290.32", "Sq.mm", "0.0508", "mm"};
}

void PlaneCalculatorTest::defaults()
{
    QFETCH(int, units);
    QFETCH(QStringList, plane);
    WindowFixture f;
    start(f, units);
    QCOMPARE(
        (QStringList{f.text("Edit228"), f.text("Edit231"), f.text("Edit229"), f.text("Edit232")}),
        plane);
    QCOMPARE(results(f), defaultResults);
    QCOMPARE(f.text("Edit234"), "1");
    QCOMPARE(f.text("Edit233"), "MHz");
    QCOMPARE(f.messages.take(), QStringList());
}

void PlaneCalculatorTest::selectedByMenuOrTab_data()
{
    QTest::addColumn<bool>("menu");
    QTest::newRow("menu") << true;
    QTest::newRow("tab") << false;
}

void PlaneCalculatorTest::selectedByMenuOrTab()
{
    QFETCH(bool, menu);
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    TForm1 &w = f.start();
    if (menu)
        w.menuItems[10]->trigger();
    else
        f.clickTab(10);
    QCOMPARE(w.ActiveCalculator, 10);
    QVERIFY(!f.find<QWidget>("GroupBox23")->isHidden());
    OptionsPanel &o = *w.options();
    QVERIFY(!o.GroupBox9->isHidden());
    QVERIFY(o.ComboBox1->isEnabled() && o.Edit7->isEnabled() && o.Edit66->isEnabled());
    QVERIFY(!o.Edit1->isEnabled() && !o.Edit2->isEnabled() && !o.RadioGroup3->isEnabled());
    QVERIFY(w.RadioGroup6->isEnabled());
    QCOMPARE(results(f), defaultResults);
    // The dielectric is the options panel's: another material, another capacitance.
    o.ComboBox1->setCurrentIndex(41);
    o.ComboBox1->onChange();
    QCOMPARE(f.text("Edit230"), "7200.00 pF");
}

void PlaneCalculatorTest::refusals_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("correction");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("worked: no transient")
        << 0 << "Edit110"
        << "0"
        << "Transient current percentage can't be <= 0"
        << "1" << QStringList{"4.00000 Ohms", "33120.00 pF", "4.8054 Ohms"};
    QTest::newRow("worked: Er below 1")
        << 0 << "Edit7"
        << "0.5"
        << "Minimum dielectric constant value can't be less than 1"
        << "1" << QStringList{"0.08000 Ohms", "7200.00 pF", "22.1049 Ohms"};
    QTest::newRow("no current") << 0 << "Edit108"
                                << "0"
                                << "Maximum current can't be <= 0"
                                << "5" << defaultResults;
    QTest::newRow("negative current") << 1 << "Edit108"
                                      << "-5"
                                      << "Maximum current can't be <= 0"
                                      << "5" << defaultResults;
    QTest::newRow("no area") << 0 << "Edit228"
                             << "0"
                             << "Area of plane can't be <= 0"
                             << "64" << defaultResults;
    QTest::newRow("no area, metric") << 1 << "Edit228"
                                     << "0"
                                     << "Area of plane can't be <= 0"
                                     << "41290.32" << defaultResults;
    QTest::newRow("planes touching") << 0 << "Edit229"
                                     << "0"
                                     << "Distance between planes can't be <= 0"
                                     << "2" << defaultResults;
    QTest::newRow("planes crossed, metric") << 1 << "Edit229"
                                            << "-1"
                                            << "Distance between planes can't be <= 0"
                                            << "0.0508" << defaultResults;
    QTest::newRow("no frequency") << 0 << "Edit234"
                                  << "0"
                                  << "Frequency can't be <= 0"
                                  << "1" << defaultResults;
}

void PlaneCalculatorTest::refusals()
{
    QFETCH(int, units);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, correction);
    QFETCH(QStringList, expected);
    WindowFixture f;
    f.install({{setting::Program, "10"}, {setting::Units, QString::number(units)}});
    f.useRealMessageBoxes();
    f.start();
    f.enterRefused(box, typed, message, correction);
    QCOMPARE(results(f), expected);
}

void PlaneCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    start(f, 1);
    QCOMPARE(f.text("Edit7"), "4,6");
    QCOMPARE(f.text("Edit228"), "41290,32");
    QCOMPARE(f.text("Edit229"), "0,0508");
    QCOMPARE(results(f), defaultResults);
    f.enter("Edit229", "0");
    QCOMPARE(f.messages.take(), QStringList{"info: Distance between planes can't be <= 0"});
    QCOMPARE(f.text("Edit229"), "0,0508");
    f.enter("Edit229", "0,1016");
    QCOMPARE(f.text("Edit230"), "16560.00 pF");
    f.enter("Edit105", "2.5");
    QCOMPARE(f.messages.take(), QStringList{"error: '2.5' is not a valid floating point value"});
}

void PlaneCalculatorTest::directCurrent()
{
    WindowFixture f;
    start(f);
    f.typeText("Edit105", "10");
    auto *dc = f.find<QCheckBox>("CheckBox4");
    clickIndicator(dc);
    QVERIFY(f.find<QWidget>("Label295")->isHidden());
    QVERIFY(f.find<QWidget>("Edit235")->isHidden());
    QVERIFY(f.find<QWidget>("Edit233")->isHidden());
    QVERIFY(!f.find<QWidget>("Edit234")->isEnabled());
    QCOMPARE(f.text("Edit234"), "DC");
    // Checking "DC" computes nothing.
    QCOMPARE(f.text("Edit109"), "0.08000 Ohms");
    // Without a frequency the rest still computes, and "DC" is never read as a number.
    f.enter("Edit228", "32");
    QCOMPARE(f.text("Edit109"), "0.16000 Ohms");
    QCOMPARE(f.text("Edit230"), "16560.00 pF");
    QCOMPARE(f.messages.take(), QStringList());

    clickIndicator(dc);
    QVERIFY(!f.find<QWidget>("Edit235")->isHidden());
    QVERIFY(f.find<QWidget>("Edit234")->isEnabled());
    QCOMPARE(f.text("Edit234"), "1");
    QCOMPARE(f.text("Edit235"), "9.6108 Ohms");
    QCOMPARE(f.messages.take(), QStringList());
}

void PlaneCalculatorTest::spinButtons_data()
{
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("impedance");
    QTest::addColumn<QString>("atFive");
    QTest::newRow("transient up") << "UpDown5"
                                  << "Edit110"
                                  << "up"
                                  << "50"
                                  << "51"
                                  << "0.07843 Ohms"
                                  << "0.80000 Ohms";
    QTest::newRow("transient stays at 1") << "UpDown5"
                                          << "Edit110"
                                          << "down"
                                          << "1"
                                          << "1"
                                          << "4.00000 Ohms"
                                          << "0.80000 Ohms";
    QTest::newRow("margin down") << "UpDown3"
                                 << "Edit106"
                                 << "down"
                                 << "5"
                                 << "4"
                                 << "0.06400 Ohms"
                                 << "0.08000 Ohms";
    QTest::newRow("AC share from a typed number") << "UpDown4"
                                                  << "Edit107"
                                                  << "down"
                                                  << "61"
                                                  << "60"
                                                  << "0.06000 Ohms"
                                                  << "0.00500 Ohms";
}

void PlaneCalculatorTest::spinButtons()
{
    QFETCH(QString, spin);
    QFETCH(QString, box);
    QFETCH(QString, button);
    QFETCH(QString, start);
    QFETCH(QString, after);
    QFETCH(QString, impedance);
    QFETCH(QString, atFive);
    WindowFixture f;
    ::start(f);
    f.typeText(box, start);
    QTest::mouseClick(f.find<QToolButton>(spin + "_" + button), Qt::LeftButton);
    QCOMPARE(f.text(box), after);
    QCOMPARE(f.text("Edit109"), impedance);
    // The boxes of the spin buttons take Enter as every other box does.
    f.enter(box, "5");
    QCOMPARE(f.text("Edit109"), atFive);
    QCOMPARE(f.messages.take(), QStringList());
}

void PlaneCalculatorTest::unitSwitchRoundTrip_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("capacitance");
    QTest::newRow("64 Sq.In rounds to 41290.32 Sq.mm") << 0 << "64"
                                                       << "41290.32"
                                                       << "33120.00 pF";
    // Two decimals would make it 0.00 Sq.In.
    QTest::newRow("2 Sq.mm stays 0.0031 Sq.In") << 1 << "2"
                                                << "0.0031"
                                                << "1.60 pF";
    QTest::newRow("12.5 Sq.In") << 0 << "12.5"
                                << "8064.52"
                                << "6468.75 pF";
}

void PlaneCalculatorTest::unitSwitchRoundTrip()
{
    QFETCH(int, units);
    QFETCH(QString, area);
    QFETCH(QString, converted);
    QFETCH(QString, capacitance);
    WindowFixture f;
    start(f, units);
    f.enter("Edit228", area);
    QCOMPARE(f.text("Edit230"), capacitance);
    f.clickRadio("RadioGroup6", 1 - units);
    QCOMPARE(f.text("Edit228"), converted);
    QCOMPARE(f.text("Edit230"), capacitance);
    f.clickRadio("RadioGroup6", units);
    QCOMPARE(f.text("Edit228"), area);
    QCOMPARE(f.text("Edit229"), units ? "0.0508" : "2");
    QCOMPARE(f.text("Edit230"), capacitance);
    QCOMPARE(f.messages.take(), QStringList());
}

QTEST_MAIN(PlaneCalculatorTest)
#include "tst_plane_calculator.moc"
